#pragma once

#include "platform/MessageBoxInterface.h"

namespace caldrix {

// Message boxes shown with QMessageBox over the active window.
class QtMessageBox : public MessageBoxInterface {
public:
    void Inform(const QString& text, const QString& title = {}) override;
    bool ConfirmYesNo(const QString& text, const QString& title) override;
};

} // namespace caldrix

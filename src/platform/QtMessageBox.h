// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBoxInterface.h"

#include <QPointer>
#include <QWidget>

namespace caldrix {

// Message boxes shown with QMessageBox, centred on the window they belong
// to: the active window of the program, else the owner (the main window).
class QtMessageBox : public MessageBoxInterface {
public:
    void SetOwner(QWidget* owner) { owner_ = owner; }
    void Inform(const QString& text, const QString& title = {}) override;
    bool ConfirmYesNo(const QString& text, const QString& title) override;

private:
    QWidget* Parent() const;
    QPointer<QWidget> owner_;
};

} // namespace caldrix

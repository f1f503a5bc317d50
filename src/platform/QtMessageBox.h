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
    void setOwner(QWidget* owner) { owner_ = owner; }
    void inform(const QString& text, const QString& title = {}) override;
    bool confirmYesNo(const QString& text, const QString& title) override;

private:
    QWidget* parent() const;
    QPointer<QWidget> owner_;
};

} // namespace caldrix

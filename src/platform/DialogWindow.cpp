// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DialogWindow.h"

#include "platform/Theme.h"

namespace caldrix::platform {

DialogWindow::DialogWindow(const QString& name, const QString& caption, QSize client,
                           bool minimizeBox, QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setModal(false);
    makeFixedWindow(this, caption, minimizeBox);
    setFont(programFont(8));
    setFixedSize(client);
    // Escape and the close control both end in finished() and hide it;
    // "Ok!" only hides.
    connect(this, &QDialog::finished, this, &DialogWindow::closedByUser);
}

} // namespace caldrix::platform

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DialogWindow.h"

#include "platform/Controls.h"
#include "platform/Theme.h"

#include <QCloseEvent>

namespace caldrix::platform {

DialogWindow::DialogWindow(const QString& name, const QString& caption, QSize client,
                           bool minimizeBox, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    MakeFixedWindow(this, caption, minimizeBox);
    setFont(ProgramFont(8));
    setFixedSize(client);
    CloseOnEscape(this);
    ExposeAsDialog(this);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closedByUser();
}

} // namespace caldrix::platform

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace caldrix::platform {

// A modeless dialog of the program, of a fixed size. Its close control or
// Escape hides it, as does its own button; it keeps its contents.
class DialogWindow : public QDialog {
    Q_OBJECT
public:
    DialogWindow(const QString& name, const QString& caption, QSize client,
                 bool minimizeBox = false, QWidget* parent = nullptr);

signals:
    // Closed with its close control or Escape.
    void closedByUser();
};

} // namespace caldrix::platform

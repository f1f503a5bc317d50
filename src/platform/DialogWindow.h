// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace caldrix::platform {

// A modeless dialog of the program: a fixed-size window that its close
// control (or Escape) destroys, announced to screen readers as a dialog
// named by its caption.
class DialogWindow : public QWidget {
    Q_OBJECT
public:
    DialogWindow(const QString& name, const QString& caption, QSize client,
                 bool minimizeBox = false, QWidget* parent = nullptr);

signals:
    // Closed with its close control or Escape; it is deleted later, so the
    // program must forget it now and create a new one when next needed.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace caldrix::platform

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DialogWindow.h"

class QLineEdit;

namespace caldrix {

// Asks for one name and adds it to the roster. "Ok!" only hides it, so the
// last name entered is offered again.
class NewMech : public platform::DialogWindow {
    Q_OBJECT
public:
    explicit NewMech(QWidget* parent = nullptr);
    void chooseName();
    // Shown with its name selected, so typing replaces it.
    void showSelected();

signals:
    void nameChosen(const QString& name);

private:
    QLineEdit* newMechName_ = nullptr;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DialogWindow.h"

#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace caldrix {

// The new-game dialog: how many 'Mechs (1 to 10) and their names. It keeps
// its count and names while hidden, for the next new game.
class PickMechs : public platform::DialogWindow {
    Q_OBJECT
public:
    static constexpr int kRows = 10;

    explicit PickMechs(QWidget* parent = nullptr);

    void followCount();
    void continueWithNames();

    // The names of the rows in use, in row order.
    QStringList chosenNames() const;

signals:
    // "Ok!": the dialog is hidden; the names go to the roster.
    void continued(const QStringList& names);

private:
    QGroupBox* frame1_ = nullptr;
    std::array<QLabel*, kRows + 1> label2_{};   // index 1..10
    std::array<QLineEdit*, kRows + 1> mech1_{}; // index 1..10
    QLabel* numOfMechs_ = nullptr;
    QScrollBar* numMechsScroll_ = nullptr;
    QPushButton* continue_ = nullptr;
};

} // namespace caldrix

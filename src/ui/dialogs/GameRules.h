// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "turn/OptionalRules.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace caldrix {

// The game's optional heat rules, each off until the players choose it.
// OK reports the rules chosen; Cancel changes nothing.
class GameRules : public QDialog {
    Q_OBJECT
public:
    explicit GameRules(QWidget* parent = nullptr);
    // Shows the rules the game is played with.
    void showRules(const OptionalRules& rules);
    OptionalRules chosen() const;

signals:
    void rulesChosen(const OptionalRules& rules);

private:
    QCheckBox* shutdownLasts_ = nullptr;
    QCheckBox* expandedScale_ = nullptr;
    QSpinBox* temperature_ = nullptr;
    QCheckBox* coolantFailure_ = nullptr;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"

#include <QDialog>

#include <array>

class QLabel;
class QTableWidget;

namespace caldrix {

// Where every 'Mech's heat will land at the next Next Turn, with the odds of
// its rolls. It only reads the game: it never rolls and never writes.
class HeatForecast : public QDialog {
    Q_OBJECT
public:
    // The last three only while an optional rule calls for them.
    enum Column {
        Name,
        HeatNow,
        TurnHeat,
        Sunk,
        Level,
        Movement,
        Fire,
        Shutdown,
        Ammo,
        Pilot,
        System,
        Coolant,
        Columns
    };

    explicit HeatForecast(const Game& game, QWidget* parent = nullptr);

    void refreshAll();
    void refreshRow(int row);
    QTableWidget* table() const { return table_; }
    QLabel* breakdown() const { return breakdown_; }

private:
    void showBreakdown();
    // Once: the widths the fixed texts need. Then, with the names, as the roster changes.
    void measureColumns();
    void sizeColumns();

    const Game& game_;
    QTableWidget* table_ = nullptr;
    QLabel* breakdown_ = nullptr;
    std::array<int, Columns> widths_{};
    int padding_ = 0;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/dialogs/RosterView.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace caldrix {

// Where every 'Mech's heat will land at the next Next Turn, with the odds of
// its rolls. It only reads the records: it never rolls and never writes.
class HeatForecast : public QWidget {
    Q_OBJECT
public:
    enum Column { Name, HeatNow, TurnHeat, Sunk, Level, Movement, Fire, Shutdown, Ammo, Columns };

    explicit HeatForecast(const RosterView& roster, QWidget* parent = nullptr);

    void RefreshAll();
    void RefreshRow(int row);
    QTableWidget* Table() const { return table_; }
    QLabel* Breakdown() const { return breakdown_; }

private:
    void ShowBreakdown();

    const RosterView& roster_;
    QTableWidget* table_ = nullptr;
    QLabel* breakdown_ = nullptr;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/HeatForecast.h"

#include "platform/Controls.h"
#include "platform/Theme.h"
#include "turn/Forecast.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace caldrix {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void SetCell(QTableWidget* table, int row, int column, const QString& text, bool problem = false) {
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, item);
    }
    // Each change makes the view lay out again: change only what differs.
    if (item->text() != text)
        item->setText(text);
    if (item->font().bold() != problem) {
        // A 'Mech that Next Turn would reject stands out.
        QFont font = item->font();
        font.setBold(problem);
        item->setFont(font);
        item->setForeground(problem ? QBrush(QColor(192, 0, 0)) : QBrush());
    }
}

} // namespace

HeatForecast::HeatForecast(const RosterView& roster, QWidget* parent)
    : QWidget(parent), roster_(roster) {
    setObjectName(QStringLiteral("HeatForecast"));
    setWindowTitle(QStringLiteral("Caldrix Heat Forecast"));
    setWindowIcon(platform::ProgramIcon());
    platform::CloseOnEscape(this);

    table_ = new QTableWidget(0, Columns, this);
    table_->setObjectName(QStringLiteral("ForecastTable"));
    table_->setHorizontalHeaderLabels({tr("'Mech"), tr("Heat now"), tr("Heat this turn"),
                                       tr("Heat sunk"), tr("Level after Next Turn"), tr("Movement"),
                                       tr("Fire"), tr("Shutdown"), tr("Ammo explosion")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    // Sized to the contents when the whole table is filled, not on every
    // keystroke: measuring 256 rows each time would cost far too much.
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setAccessibleName(tr("Heat forecast"));

    breakdown_ = new QLabel(this);
    breakdown_->setObjectName(QStringLiteral("ForecastBreakdown"));
    platform::MakePlainLabel(breakdown_);
    breakdown_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(breakdown_);
    resize(900, 360);

    connect(table_, &QTableWidget::itemSelectionChanged, this, &HeatForecast::ShowBreakdown);
    RefreshAll();
}

void HeatForecast::RefreshAll() {
    const int count = roster_.MechCount();
    if (table_->rowCount() != count)
        table_->setRowCount(count);
    for (int row = 0; row < count; ++row)
        RefreshRow(row);
    table_->resizeColumnsToContents();
    ShowBreakdown();
}

void HeatForecast::RefreshRow(int row) {
    if (row < 0 || row >= table_->rowCount())
        return;
    const MechForecast f = Forecast(roster_.MechRecordAt(row));
    SetCell(table_, row, Name, roster_.MechName(row));
    SetCell(table_, row, HeatNow, QString::number(f.HeatNow));
    if (f.Problem) {
        for (int column : {TurnHeat, Sunk, Movement, Fire, Shutdown, Ammo})
            SetCell(table_, row, column, QString());
        SetCell(table_, row, Level, Q(*f.Problem), true);
    } else {
        SetCell(table_, row, TurnHeat, QString::number(f.Balance.TurnHeat));
        SetCell(table_, row, Sunk, QString::number(f.Balance.HeatSinkCount));
        SetCell(table_, row, Level, QString::number(f.Level));
        SetCell(table_, row, Movement, Q(f.MP));
        SetCell(table_, row, Fire, Q(f.Mod2Fier));
        SetCell(table_, row, Shutdown, Q(ShutdownText(f)));
        SetCell(table_, row, Ammo, Q(AmmoText(f)));
    }
    if (table_->currentRow() == row)
        ShowBreakdown();
}

void HeatForecast::ShowBreakdown() {
    const int row = table_->currentRow();
    if (row < 0 || row >= roster_.MechCount()) {
        breakdown_->setText(tr("Select a 'Mech to see its heat of this turn item by item."));
        return;
    }
    const MechForecast f = Forecast(roster_.MechRecordAt(row));
    const QString name = roster_.MechName(row);
    if (f.Problem) {
        breakdown_->setText(tr("%1: %2").arg(name, Q(*f.Problem)));
        return;
    }
    const HeatBalance& b = f.Balance;
    const auto n = [](std::int64_t value) { return QString::number(value); };
    // One pass of arg(), so a name holding "%1" stays as typed.
    breakdown_->setText(tr("%1: movement %2, attempts to stand %3, weapons %4, other heat %5, "
                           "fire %6, engine hits %7, minus heat sinks %8: heat %9 becomes %10.")
                            .arg(name, n(b.Movement), n(b.Standing), n(b.Weapons), n(b.Other),
                                 n(b.Fire), n(b.Engine), n(b.HeatSinkCount), n(f.HeatNow),
                                 n(f.Level)));
}

} // namespace caldrix

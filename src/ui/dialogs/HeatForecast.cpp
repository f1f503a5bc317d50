// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/HeatForecast.h"

#include "platform/Controls.h"
#include "platform/Theme.h"
#include "turn/Forecast.h"
#include "turn/HeatScaleTable.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace caldrix {

namespace {

// True when the text changed.
bool setCell(QTableWidget* table, int row, int column, const QString& text, bool problem = false) {
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, item);
    }
    // Each change makes the view lay out again: change only what differs.
    const bool changed = item->text() != text;
    if (changed)
        item->setText(text);
    if (item->font().bold() != problem) {
        // A 'Mech that Next Turn would reject stands out.
        QFont font = item->font();
        font.setBold(problem);
        item->setFont(font);
        item->setForeground(problem ? QBrush(QColor(192, 0, 0)) : QBrush());
    }
    return changed;
}

} // namespace

HeatForecast::HeatForecast(const Game& game, QWidget* parent) : QDialog(parent), game_(game) {
    setObjectName(QStringLiteral("HeatForecast"));
    setWindowTitle(QStringLiteral("Caldrix Heat Forecast"));
    setWindowIcon(platform::programIcon());
    setModal(false);

    table_ = new QTableWidget(0, Columns, this);
    table_->setObjectName(QStringLiteral("ForecastTable"));
    table_->setHorizontalHeaderLabels({tr("'Mech"), tr("Heat now"), tr("Heat this turn"),
                                       tr("Heat sunk"), tr("Level after Next Turn"), tr("Movement"),
                                       tr("Fire"), tr("Shutdown"), tr("Ammo explosion"),
                                       tr("Pilot damage"), tr("System failure"), tr("Coolant")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    // Each column is as wide as the widest text it can ever hold, so no text
    // is cut after a turn or an edit and nothing is measured per keystroke.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->setAccessibleName(tr("Heat forecast"));

    breakdown_ = new QLabel(this);
    breakdown_->setObjectName(QStringLiteral("ForecastBreakdown"));
    platform::makePlainLabel(breakdown_);
    breakdown_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(breakdown_);
    measureColumns();
    sizeColumns();
    // Room for the frame and the scroll bar beside the columns.
    resize(table_->horizontalHeader()->length() + platform::px(720), platform::px(5400));

    connect(table_, &QTableWidget::itemSelectionChanged, this, &HeatForecast::showBreakdown);
    refreshAll();
}

void HeatForecast::refreshAll() {
    const OptionalRules& rules = game_.rules();
    table_->setColumnHidden(Pilot, !rules.expandedScale);
    table_->setColumnHidden(System, !rules.expandedScale);
    table_->setColumnHidden(Coolant, !rules.coolantFailure);
    const int count = game_.mechCount();
    if (table_->rowCount() != count)
        table_->setRowCount(count);
    for (int row = 0; row < count; ++row)
        refreshRow(row);
    sizeColumns();
    showBreakdown();
}

void HeatForecast::refreshRow(int row) {
    if (row >= table_->rowCount()) // a 'Mech the table does not show yet
        return;
    const MechForecast f = forecast(game_.mechRecord(row), game_.rules());
    setCell(table_, row, Name, platform::toQ(game_.mechName(row)));
    setCell(table_, row, HeatNow, QString::number(f.heatNow));
    if (f.problem) {
        for (int column : {TurnHeat, Sunk, Movement, Fire, Shutdown, Ammo, Pilot, System, Coolant})
            setCell(table_, row, column, QString());
        // A problem wraps in its row, which grows to hold it.
        if (setCell(table_, row, Level, platform::toQ(*f.problem), true))
            table_->resizeRowToContents(row);
    } else {
        setCell(table_, row, TurnHeat, QString::number(f.balance.turnHeat));
        setCell(table_, row, Sunk, QString::number(f.balance.heatSinkCount));
        if (setCell(table_, row, Level, QString::number(f.level)) &&
            table_->rowHeight(row) != table_->verticalHeader()->defaultSectionSize())
            table_->setRowHeight(row, table_->verticalHeader()->defaultSectionSize());
        setCell(table_, row, Movement, platform::toQ(f.mp));
        setCell(table_, row, Fire, platform::toQ(f.mod2Fier));
        setCell(table_, row, Shutdown, platform::toQ(shutdownText(f)));
        setCell(table_, row, Ammo, platform::toQ(ammoText(f)));
        setCell(table_, row, Pilot, platform::toQ(pilotText(f)));
        setCell(table_, row, System, platform::toQ(systemText(f)));
        setCell(table_, row, Coolant, platform::toQ(coolantText(f)));
    }
    if (table_->currentRow() == row)
        showBreakdown();
}

void HeatForecast::measureColumns() {
    // What each column can ever hold but the names, which change with the roster.
    QList<QStringList> texts(Columns);
    texts[HeatNow] = texts[Level] = {QStringLiteral("50")};
    texts[TurnHeat] = {QStringLiteral("-0000000")};
    texts[Sunk] = {QStringLiteral("-000000")};
    for (int level = 0; level <= kMaxExpandedLevel; ++level) // the basic scale's texts too
        texts[Movement] << platform::toQ(heatScaleAt(level, true).movementPenalty),
            texts[Fire] << platform::toQ(heatScaleAt(level, true).fireModifier);
    texts[Shutdown] << QStringLiteral("automatic") << QStringLiteral("shut down: restarts");
    texts[Ammo] << QStringLiteral("automatic");
    for (int avoidOn = 2; avoidOn <= 12; ++avoidOn) {
        for (int column : {Shutdown, Ammo, Pilot, System})
            texts[column] << platform::toQ(avoidOnText(avoidOn));
        texts[Shutdown] << platform::toQ(avoidOnText(avoidOn, "restart on"));
        texts[Coolant] << platform::toQ(avoidOnText(avoidOn, "fails on"));
    }
    QFont bold = table_->font();
    bold.setBold(true);
    const QFontMetrics cell(table_->font()), problem(bold),
        header(table_->horizontalHeader()->font());
    padding_ = 2 * table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
    for (int column = 0; column < Columns; ++column) {
        int& width = widths_[static_cast<std::size_t>(column)];
        width = header.horizontalAdvance(table_->horizontalHeaderItem(column)->text()) + 8;
        for (const QString& text : texts[column])
            width = std::max(width, cell.horizontalAdvance(text) + padding_);
        // The problems wrap: the level column holds half of the longest on a line.
        if (column == Level)
            for (const char* message : messages::kProblems)
                width = std::max(
                    width, problem.horizontalAdvance(QString::fromLatin1(message)) / 2 + padding_);
    }
}

void HeatForecast::sizeColumns() {
    const QFontMetrics cell(table_->font());
    int names = widths_[Name];
    for (int row = 0; row < game_.mechCount(); ++row)
        names =
            std::max(names, cell.horizontalAdvance(platform::toQ(game_.mechName(row))) + padding_);
    for (int column = 0; column < Columns; ++column) {
        const int width = column == Name ? names : widths_[static_cast<std::size_t>(column)];
        if (table_->columnWidth(column) != width)
            table_->setColumnWidth(column, width);
    }
}

void HeatForecast::showBreakdown() {
    const int row = table_->currentRow();
    if (row < 0 || row >= game_.mechCount()) {
        breakdown_->setText(tr("Select a 'Mech to see its heat of this turn item by item."));
        return;
    }
    const MechForecast f = forecast(game_.mechRecord(row), game_.rules());
    // A name that is one long word must not widen the window past the screen.
    const QString name = platform::breakable(platform::toQ(game_.mechName(row)));
    if (f.problem) {
        breakdown_->setText(tr("%1: %2").arg(name, platform::toQ(*f.problem)));
        return;
    }
    const HeatBalance& b = f.balance;
    const auto n = [](std::int64_t value) { return QString::number(value); };
    // One pass of arg(), so a name holding "%1" stays as typed.
    // The optional rules' items only where they count.
    QString more;
    if (b.temperature)
        more += tr(", temperature %1")
                    .arg(b.temperature > 0 ? "+" + n(b.temperature) : n(b.temperature));
    if (b.coolantLost)
        more += tr(", coolant lost %1").arg(b.coolantLost);
    const QString sunk =
        tr("%1: heat %2 becomes %3").arg(n(b.heatSinkCount), n(f.heatNow), n(f.level));
    breakdown_->setText(tr("%1: movement %2, attempts to stand %3, weapons %4, other heat %5, "
                           "fire %6, engine hits %7%8, minus heat sinks %9.")
                            .arg(name, n(b.movement), n(b.standing), n(b.weapons), n(b.other),
                                 n(b.fire), n(b.engine), more, sunk));
}

} // namespace caldrix

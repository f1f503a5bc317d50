// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/TurnHistory.h"

#include "platform/Controls.h"
#include "platform/Theme.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace caldrix {

namespace {

// The history as a player reads it: one block per turn.
QString Readable(const TurnLog& log) {
    QStringList lines;
    for (const LogEntry& entry : log.Entries()) {
        if (entry.What == LogEntry::Kind::Note) {
            lines << QString::fromStdString(entry.Text);
            continue;
        }
        lines << QStringLiteral("Turn %1%2")
                     .arg(entry.Number)
                     .arg(entry.Undone ? QStringLiteral(" (undone)") : QString());
        for (const MechTurnLine& m : entry.Mechs) {
            QStringList parts{QStringLiteral("heat %1 \u2192 %2 (turn heat %3)")
                                  .arg(m.Before)
                                  .arg(m.After)
                                  .arg(m.TurnHeat)};
            for (const std::string& text :
                 {m.Effects.Mod2Fier, m.Effects.MP, m.Effects.Shutdown, m.Effects.AmmoExp})
                if (!text.empty())
                    parts << QString::fromStdString(text);
            for (const RollRecord& roll : m.Effects.Rolls)
                parts << QString::fromStdString(RollText(roll));
            lines << QStringLiteral("    ") + QString::fromStdString(m.Name) +
                         QStringLiteral(": ") + parts.join(QStringLiteral("; "));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

TurnHistory::TurnHistory(const TurnLog& log, QWidget* parent) : QWidget(parent), log_(log) {
    setObjectName(QStringLiteral("TurnHistory"));
    setWindowTitle(QStringLiteral("Caldrix Turn History"));
    setWindowIcon(platform::ProgramIcon());
    platform::CloseOnEscape(this);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("HistoryText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Ctrl+C copies the whole history, not a selection.
    text_->setTextInteractionFlags(Qt::NoTextInteraction);
    text_->setAccessibleName(tr("Turn history"));

    auto* copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("HistoryCopy"));
    platform::MakeEnterClicks(copy);
    connect(copy, &QPushButton::clicked, this, &TurnHistory::Copy_Click);
    auto* shortcut = new QShortcut(QKeySequence::Copy, this);
    connect(shortcut, &QShortcut::activated, this, &TurnHistory::Copy_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    resize(640, 400);
    Refresh();
}

void TurnHistory::Refresh() {
    text_->setPlainText(Readable(log_));
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void TurnHistory::Copy_Click() {
    QApplication::clipboard()->setText(QString::fromStdString(log_.AsText()));
}

} // namespace caldrix

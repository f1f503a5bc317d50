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
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace caldrix {

namespace {

// One entry as a player reads it: a note, or a turn with a line per 'Mech.
QStringList linesOf(const LogEntry& entry) {
    if (entry.what == LogEntry::Kind::Note)
        return {platform::toQ(entry.text)};
    QStringList lines{QStringLiteral("Turn %1%2")
                          .arg(entry.number)
                          .arg(entry.undone ? QStringLiteral(" (undone)") : QString())};
    for (const MechTurnLine& m : entry.mechs) {
        QStringList parts{QStringLiteral("heat %1 \u2192 %2 (turn heat %3)")
                              .arg(m.before)
                              .arg(m.after)
                              .arg(m.turnHeat)};
        for (const std::string_view text : {m.effects.mod2Fier, m.effects.mp, m.effects.shutdown,
                                            m.effects.ammoExp, m.effects.pilot, m.effects.system})
            if (!text.empty())
                parts << platform::toQ(text);
        for (const RollRecord& roll : m.effects.rolls)
            parts << platform::toQ(rollText(roll));
        lines << QStringLiteral("    ") + platform::toQ(m.name) + QStringLiteral(": ") +
                     parts.join(QStringLiteral("; "));
    }
    return lines;
}

} // namespace

TurnHistory::TurnHistory(const TurnLog& log, QWidget* parent) : QDialog(parent), log_(log) {
    setObjectName(QStringLiteral("TurnHistory"));
    setWindowTitle(QStringLiteral("Caldrix Turn History"));
    setWindowIcon(platform::programIcon());
    setModal(false);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("HistoryText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Ctrl+C copies the whole history, not a selection.
    text_->setTextInteractionFlags(Qt::NoTextInteraction);
    text_->setAccessibleName(tr("Turn history"));

    auto* copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("HistoryCopy"));
    copy->setAutoDefault(false); // Enter in the window presses nothing
    connect(copy, &QPushButton::clicked, this, &TurnHistory::copyHistory);
    auto* shortcut = new QShortcut(QKeySequence::Copy, this);
    connect(shortcut, &QShortcut::activated, this, &TurnHistory::copyHistory);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(platform::px(9600), platform::px(6000));
    refresh();
}

void TurnHistory::refresh() {
    const LogEntries& entries = log_.entries();
    if (log_.generation() != generation_ || entries.size() < shown_.size()) {
        rebuild(); // another game
        return;
    }
    QTextDocument* document = text_->document();
    // An undone turn changes its first line only.
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (entries[i]->undone == shown_[i].undone)
            continue;
        QTextCursor cursor(document->findBlockByNumber(shown_[i].block));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(linesOf(*entries[i]).first());
        shown_[i].undone = entries[i]->undone;
    }
    if (entries.size() == shown_.size())
        return;
    QStringList added;
    int block = document->isEmpty() ? 0 : document->blockCount();
    for (std::size_t i = shown_.size(); i < entries.size(); ++i) {
        const QStringList lines = linesOf(*entries[i]);
        shown_.push_back({block, entries[i]->undone});
        block += static_cast<int>(lines.size());
        added << lines;
    }
    text_->appendPlainText(added.join(QLatin1Char('\n')));
    // The newest turn in view, above the bottom edge.
    text_->moveCursor(QTextCursor::End);
    text_->ensureCursorVisible();
}

void TurnHistory::rebuild() {
    generation_ = log_.generation();
    text_->clear();
    shown_.clear();
    refresh();
}

void TurnHistory::copyHistory() {
    QApplication::clipboard()->setText(platform::toQ(log_.asText()));
}

} // namespace caldrix

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
QStringList Lines(const LogEntry& entry) {
    if (entry.What == LogEntry::Kind::Note)
        return {QString::fromStdString(entry.Text)};
    QStringList lines{QStringLiteral("Turn %1%2")
                          .arg(entry.Number)
                          .arg(entry.Undone ? QStringLiteral(" (undone)") : QString())};
    for (const MechTurnLine& m : entry.Mechs) {
        QStringList parts{QStringLiteral("heat %1 \u2192 %2 (turn heat %3)")
                              .arg(m.Before)
                              .arg(m.After)
                              .arg(m.TurnHeat)};
        for (const std::string_view text :
             {m.Effects.Mod2Fier, m.Effects.MP, m.Effects.Shutdown, m.Effects.AmmoExp})
            if (!text.empty())
                parts << platform::ToQ(text);
        for (const RollRecord& roll : m.Effects.Rolls)
            parts << QString::fromStdString(RollText(roll));
        lines << QStringLiteral("    ") + QString::fromStdString(m.Name) + QStringLiteral(": ") +
                     parts.join(QStringLiteral("; "));
    }
    return lines;
}

} // namespace

TurnHistory::TurnHistory(const TurnLog& log, QWidget* parent) : QDialog(parent), log_(log) {
    setObjectName(QStringLiteral("TurnHistory"));
    setWindowTitle(QStringLiteral("Caldrix Turn History"));
    setWindowIcon(platform::ProgramIcon());
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
    connect(copy, &QPushButton::clicked, this, &TurnHistory::CopyHistory);
    auto* shortcut = new QShortcut(QKeySequence::Copy, this);
    connect(shortcut, &QShortcut::activated, this, &TurnHistory::CopyHistory);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(platform::Px(9600), platform::Px(6000));
    Refresh();
}

void TurnHistory::Refresh() {
    const std::vector<LogEntry>& entries = log_.Entries();
    if (log_.Generation() != generation_ || entries.size() < shown_.size()) {
        Rebuild(); // another game
        return;
    }
    QTextDocument* document = text_->document();
    // An undone turn changes its first line only.
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (entries[i].Undone == shown_[i].Undone)
            continue;
        QTextCursor cursor(document->findBlockByNumber(shown_[i].Block));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(Lines(entries[i]).first());
        shown_[i].Undone = entries[i].Undone;
    }
    if (entries.size() == shown_.size())
        return;
    QStringList added;
    int block = document->isEmpty() ? 0 : document->blockCount();
    for (std::size_t i = shown_.size(); i < entries.size(); ++i) {
        const QStringList lines = Lines(entries[i]);
        shown_.push_back({block, entries[i].Undone});
        block += static_cast<int>(lines.size());
        added << lines;
    }
    text_->appendPlainText(added.join(QLatin1Char('\n')));
    // The newest turn in view, above the bottom edge.
    text_->moveCursor(QTextCursor::End);
    text_->ensureCursorVisible();
}

void TurnHistory::Rebuild() {
    generation_ = log_.Generation();
    text_->clear();
    shown_.clear();
    Refresh();
}

void TurnHistory::CopyHistory() {
    QApplication::clipboard()->setText(QString::fromStdString(log_.AsText()));
}

} // namespace caldrix

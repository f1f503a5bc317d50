// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "turn/TurnLog.h"

#include <QDialog>

#include <vector>

class QPlainTextEdit;

namespace caldrix {

// Every turn of the game with its rolls, newest last; copies as
// tab-separated text for a spreadsheet.
class TurnHistory : public QDialog {
    Q_OBJECT
public:
    explicit TurnHistory(const TurnLog& log, QWidget* parent = nullptr);

    // Adds what is new in the history; rewrites only what changed.
    void refresh();
    void copyHistory();
    QPlainTextEdit* text() const { return text_; }

private:
    // Writes the whole history afresh.
    void rebuild();

    const TurnLog& log_;
    QPlainTextEdit* text_ = nullptr;
    // Per shown entry: its first line's block and whether it was shown undone.
    struct Shown {
        int block = 0;
        bool undone = false;
    };
    std::vector<Shown> shown_;
    std::uint64_t generation_ = 0; // the history shown
};

} // namespace caldrix

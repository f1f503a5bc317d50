// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "turn/TurnLog.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace caldrix {

// Every turn of the game with its rolls, newest last; copies as
// tab-separated text for a spreadsheet.
class TurnHistory : public QWidget {
    Q_OBJECT
public:
    explicit TurnHistory(const TurnLog& log, QWidget* parent = nullptr);

    void Refresh();
    void Copy_Click();
    QPlainTextEdit* Text() const { return text_; }

private:
    const TurnLog& log_;
    QPlainTextEdit* text_ = nullptr;
};

} // namespace caldrix

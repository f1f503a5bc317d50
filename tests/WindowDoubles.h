// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Test doubles for the windows' outside effects.

#include "Doubles.h"
#include "platform/HelpService.h"
#include "platform/MessageBoxInterface.h"
#include "ui/dialogs/TableRoll.h"

#include <QStringList>

namespace caldrix::test {

// Records every message box and answers Yes/No as scripted (No, the
// default button, once the script has run out). `onShow` runs while a box
// or a table-roll question is up.
class ScriptedMessageBox : public MessageBoxInterface, public TableRollInterface {
public:
    void Inform(const QString& text, const QString& title = {}) override {
        shown.append(title.isEmpty() ? text : title + ": " + text);
        if (onShow)
            onShow();
    }
    bool ConfirmYesNo(const QString& text, const QString& title) override {
        shown.append(title + "? " + text);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    std::optional<int> AskTotal(const QString& question) override {
        shown.append("? " + question);
        if (onShow)
            onShow();
        const std::optional<int> total = totals.empty() ? std::nullopt : totals.front();
        if (!totals.empty())
            totals.pop_front();
        return total;
    }
    QStringList shown;
    std::deque<bool> answers;
    std::deque<std::optional<int>> totals;
    std::function<void()> onShow;
};

struct RecordingHelp : HelpInterface {
    void SetHelpFile(const QString& fileName) override { file = fileName; }
    QString file;
};

} // namespace caldrix::test

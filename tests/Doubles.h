// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Test doubles for the program's outside effects.

#include "platform/HelpService.h"
#include "platform/MessageBoxInterface.h"
#include "turn/RandomSource.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace caldrix::test {

// Records every message box and answers Yes/No as scripted (No, the
// default button, once the script has run out).
class ScriptedMessageBox : public MessageBoxInterface {
public:
    struct Shown {
        QString Text, Title;
        bool Question = false;
    };
    void Inform(const QString& text, const QString& title = {}) override {
        shown.push_back({text, title.isEmpty() ? kApplicationTitle : title, false});
        if (onShow)
            onShow();
    }
    bool ConfirmYesNo(const QString& text, const QString& title) override {
        shown.push_back({text, title, true});
        return Next(answers).value_or(false);
    }
    std::optional<int> AskDiceTotal(const QString& text) override {
        shown.push_back({text, kApplicationTitle, true});
        if (onShow)
            onShow();
        return Next(totals).value_or(std::nullopt);
    }
    template <typename T> static std::optional<T> Next(std::deque<T>& script) {
        if (script.empty())
            return std::nullopt;
        const T next = script.front();
        script.pop_front();
        return next;
    }
    QStringList Texts() const {
        QStringList texts;
        for (const Shown& s : shown)
            texts.append(s.Text);
        return texts;
    }
    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::deque<std::optional<int>> totals; // dice totals typed at the table; none: Cancel Turn
    std::function<void()> onShow;          // runs while each message is up
};

// Gives the scripted numbers in turn, then repeats the last; counts draws.
class SequenceRandom : public RandomSourceInterface {
public:
    explicit SequenceRandom(std::vector<float> values) : values(std::move(values)) {}
    float NextFloat() override { return values[std::min(draws++, values.size() - 1)]; }
    void Reseed() override { ++reseeds; }
    std::vector<float> values;
    std::size_t draws = 0;
    int reseeds = 0;
};

struct RecordingHelp : HelpInterface {
    void SetHelpFile(const QString& fileName) override { file = fileName; }
    QString file;
};

} // namespace caldrix::test

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

// Records every message box and answers Yes/No questions as scripted
// (No when the script has run out, as the default button would).
class ScriptedMessageBox : public MessageBoxInterface {
public:
    struct Shown {
        QString Text;
        QString Title;
        bool Question = false;
    };

    void Inform(const QString& text, const QString& title = {}) override {
        shown.push_back({text, title.isEmpty() ? kApplicationTitle : title, false});
        if (onShow)
            onShow();
    }
    bool ConfirmYesNo(const QString& text, const QString& title) override {
        shown.push_back({text, title, true});
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    QStringList Texts() const {
        QStringList texts;
        for (const Shown& s : shown)
            texts.append(s.Text);
        return texts;
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::function<void()> onShow; // runs while each message is up
};

// Always the same number; counts draws and reseeds.
class FixedRandom : public RandomSourceInterface {
public:
    explicit FixedRandom(float value = 0.0f) : value(value) {}
    float NextFloat() override {
        ++draws;
        return value;
    }
    void Reseed() override { ++reseeds; }

    float value;
    int draws = 0;
    int reseeds = 0;
};

// Gives the scripted numbers in turn, then repeats the last.
class SequenceRandom : public RandomSourceInterface {
public:
    explicit SequenceRandom(std::vector<float> values) : values(std::move(values)) {}
    float NextFloat() override {
        const float v = values[std::min(next, values.size() - 1)];
        ++next;
        return v;
    }
    void Reseed() override {}

    std::vector<float> values;
    std::size_t next = 0;
};

// Remembers the help file named.
class RecordingHelp : public HelpInterface {
public:
    void SetHelpFile(const QString& fileName) override { file = fileName; }
    QString file;
};

} // namespace caldrix::test

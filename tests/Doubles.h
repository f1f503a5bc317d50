// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Test doubles for the program's outside effects.

#include "game/Game.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace caldrix::test {

// Gives the scripted numbers in turn, then repeats the last; counts draws.
class SequenceRandom : public RandomSourceInterface {
public:
    explicit SequenceRandom(std::vector<float> values) : values(std::move(values)) {}
    float nextFloat() override { return values[std::min(draws++, values.size() - 1)]; }
    void reseed() override { ++reseeds; }
    std::vector<float> values;
    std::size_t draws = 0;
    int reseeds = 0;
};

// The next answer of a script; nothing once it has run out.
template <typename T> std::optional<T> next(std::deque<T>& script) {
    if (script.empty())
        return std::nullopt;
    const T next = script.front();
    script.pop_front();
    return next;
}

// Dice typed at the table: answers from a script (Cancel Turn once it has
// run out, or for a scripted nothing) and keeps every question.
class ScriptedDice : public DiceQuestionInterface {
public:
    std::optional<int> askTotal(const RollRequest& request, const std::string& question) override {
        asked.push_back(request);
        questions.push_back(question);
        return next(totals).value_or(std::nullopt);
    }
    std::deque<std::optional<int>> totals;
    std::vector<RollRequest> asked;
    std::vector<std::string> questions;
};

} // namespace caldrix::test

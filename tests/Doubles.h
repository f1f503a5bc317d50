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

// The edit the window reports when the player changes one field of the
// selected 'Mech's record.
template <typename T> RecordEdit editOf(T MechRecord::*member, T value) {
    for (std::size_t i = 0; i < kRecordFields.size(); ++i) {
        const auto& field = kRecordFields[i].member;
        if (const auto* plain = std::get_if<T MechRecord::*>(&field); plain && *plain == member)
            return {i, std::move(value)};
        if constexpr (std::is_same_v<T, bool>)
            if (const auto* option = std::get_if<RecordField::Flag>(&field);
                option && option->member == member)
                return {i, std::move(value)};
    }
    return {kRecordFields.size(), std::move(value)}; // no such field: the game takes none
}

} // namespace caldrix::test

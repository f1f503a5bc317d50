// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/HeatBalance.h"

#include "turn/EntryNumber.h"

#include <algorithm>

namespace caldrix {

namespace {

// A number that fits the 16-bit range once rounded, or nothing.
std::optional<EntryNumber> Number16(std::string_view text) {
    auto n = ParseEntryNumber(text);
    if (n && !FitsInt16(*n))
        return std::nullopt;
    return n;
}

} // namespace

EntryCheck CheckEntries(const MechEntries& e) {
    EntryCheck check;
    auto fail = [&check](const char* message) { check.Messages.emplace_back(message); };

    // Wide integers throughout: 32767 other heat on 30 carried heat, or
    // doubled heat sinks of 32767, must clamp rather than overflow.
    const std::int64_t currentHeat = std::int64_t{e.CarriedHeat} + e.OtherHeat;
    std::int64_t turnHeat = 0;
    HeatBalance parts;
    // What the running total gained since the last item.
    std::int64_t itemStart = 0;
    auto item = [&](std::int64_t& part) {
        part = turnHeat - itemStart;
        itemStart = turnHeat;
    };

    // Movement.
    const std::string_view move = e.MovementType;
    if (move == "Stationary") {
    } else if (move == "Walking") {
        turnHeat += 1;
    } else if (move == "Running") {
        turnHeat += 2;
    } else if (move == "Jumping") {
        if (e.HexesJumped.empty()) {
            fail(messages::kEnterHexesJumped);
        } else if (auto hexes = Number16(e.HexesJumped)) {
            // Jumping costs at least 3 heat, also for 0, 1, 2 or negative hexes.
            turnHeat += hexes->IsBelow(3) ? 3 : Rounded(*hexes);
        } else {
            fail(messages::kBadHexesJumped);
        }
    } else {
        fail(messages::kEnterMovementType);
    }
    item(parts.Movement);

    // Attempts to stand and weapon heat: an empty box is no heat; the
    // fraction is resolved after adding to the running total.
    auto addEntry = [&](std::string_view text, const char* badMessage) {
        if (text.empty())
            return;
        if (auto n = Number16(text))
            turnHeat = RoundedSum(turnHeat, *n);
        else
            fail(badMessage);
    };
    addEntry(e.AttemptsToStand, messages::kBadAttemptsToStand);
    item(parts.Standing);
    addEntry(e.WeaponHeat, messages::kBadWeaponHeat);
    item(parts.Weapons);

    // Fire counts only while the fire box is ticked.
    if (e.Fire && e.WalkingThroughFire) {
        if (e.FireHexes.empty())
            fail(messages::kEnterFireHexes);
        else
            addEntry(e.FireHexes, messages::kBadFireHexes);
    } else if (e.Fire && e.StandingInFire) {
        turnHeat += 1;
    }
    item(parts.Fire);

    // Heat sinks, counted once every entry has passed.
    const std::optional<EntryNumber> sinks = Number16(e.HeatSinks);
    if (e.HeatSinks.empty())
        fail(messages::kEnterHeatSinks);
    else if (!sinks)
        fail(messages::kBadHeatSinks);

    // Engine hits are alternatives: the second hit adds 10 in all.
    if (e.EngineHits == "None") {
    } else if (e.EngineHits == "1st Engine Hit") {
        turnHeat += 5;
    } else if (e.EngineHits == "2nd Engine Hit") {
        turnHeat += 10;
    } else {
        fail(messages::kEnterEngineHits);
    }
    item(parts.Engine);

    if (check.Messages.empty()) {
        parts.HeatSinkCount = Rounded(*sinks) * (e.DoubleHeatSinks ? 2 : 1);
        const std::int64_t level = currentHeat + turnHeat - parts.HeatSinkCount;
        parts.TurnHeat = turnHeat;
        parts.NewLevel = static_cast<std::int16_t>(std::clamp<std::int64_t>(level, 0, 30));
        parts.Other = e.OtherHeat;
        check.Balance = parts;
    }
    return check;
}

} // namespace caldrix

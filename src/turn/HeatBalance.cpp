// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/HeatBalance.h"

#include "turn/EntryNumber.h"
#include "turn/HeatScaleTable.h"

#include <algorithm>

namespace caldrix {

namespace {

// A number that fits the 16-bit range once rounded, or nothing.
std::optional<EntryNumber> number16(std::string_view text) {
    auto n = parseEntryNumber(text);
    if (n && !fitsInt16(*n))
        return std::nullopt;
    return n;
}

} // namespace

EntryCheck checkEntries(const MechRecord& r, const OptionalRules& rules) {
    EntryCheck check;
    const bool down = shutDownNow(r, rules);
    auto fail = [&check](const char* message) { check.messages.emplace_back(message); };

    // Wide integers throughout: 32767 other heat on 30 carried heat, or
    // doubled heat sinks of 32767, must clamp rather than overflow.
    const std::int64_t currentHeat = std::int64_t{r.heat} + r.otherHeat;
    std::int64_t turnHeat = 0;
    HeatBalance parts;
    // What the running total gained since the last item.
    std::int64_t itemStart = 0;
    auto item = [&](std::int64_t& part) {
        part = turnHeat - itemStart;
        itemStart = turnHeat;
    };

    // Movement.
    const std::string_view move = r.movementType;
    if (down) {
    } else if (move == "Stationary") {
    } else if (move == "Walking") {
        turnHeat += 1;
    } else if (move == "Running") {
        turnHeat += 2;
    } else if (move == "Jumping") {
        if (r.hexesJumped.empty()) {
            fail(messages::kEnterHexesJumped);
        } else if (auto hexes = number16(r.hexesJumped)) {
            // Jumping costs at least 3 heat, also for 0, 1, 2 or negative hexes.
            turnHeat += hexes->isBelow(3) ? 3 : rounded(*hexes);
        } else {
            fail(messages::kBadHexesJumped);
        }
    } else {
        fail(messages::kEnterMovementType);
    }
    item(parts.movement);

    // Attempts to stand and weapon heat: an empty box is no heat; the
    // fraction is resolved after adding to the running total.
    auto addEntry = [&](std::string_view text, const char* badMessage) {
        if (text.empty())
            return;
        if (auto n = number16(text))
            turnHeat = roundedSum(turnHeat, *n);
        else
            fail(badMessage);
    };
    if (!down) {
        addEntry(r.attemptsToStand, messages::kBadAttemptsToStand);
        item(parts.standing);
        addEntry(r.weaponHeat, messages::kBadWeaponHeat);
        item(parts.weapons);
    }

    // Fire counts only while the fire box is ticked. The window shows
    // "Walking Through" whenever its flag is set, so standing in the fire
    // counts only while it is not.
    if (r.fire && r.walkingThroughFire) {
        if (down) {
        } else if (r.fireHexes.empty())
            fail(messages::kEnterFireHexes);
        else
            addEntry(r.fireHexes, messages::kBadFireHexes);
    } else if (r.fire && r.standingInFire && !r.walkingThroughFire) {
        turnHeat += 1;
    }
    item(parts.fire);

    // Heat sinks, counted once every entry has passed.
    const std::optional<EntryNumber> sinks = number16(r.heatSinks);
    if (r.heatSinks.empty())
        fail(messages::kEnterHeatSinks);
    else if (!sinks)
        fail(messages::kBadHeatSinks);

    // Engine hits are alternatives: the second hit adds 10 in all. A
    // shut-down engine makes no heat.
    const int engineHeat = down ? 0 : 5;
    if (r.engineHits == "None") {
    } else if (r.engineHits == "1st Engine Hit") {
        turnHeat += engineHeat;
    } else if (r.engineHits == "2nd Engine Hit") {
        turnHeat += 2 * engineHeat;
    } else {
        fail(messages::kEnterEngineHits);
    }
    item(parts.engine);

    // Heat adds to the turn's; cold only takes back what the turn built up,
    // down to 0 and never below where the turn stands.
    turnHeat = std::max(std::min<std::int64_t>(turnHeat, 0),
                        turnHeat + temperatureHeat(rules.temperature));
    item(parts.temperature);

    if (check.messages.empty()) {
        const std::int64_t most = rounded(*sinks) * (r.doubleHeatSinks ? 2 : 1);
        parts.coolantLost =
            std::clamp<std::int64_t>(r.coolantLost, 0, std::max<std::int64_t>(most, 0));
        parts.heatSinkCount = most - parts.coolantLost;
        const std::int64_t level = currentHeat + turnHeat - parts.heatSinkCount;
        parts.turnHeat = turnHeat;
        const int top = rules.expandedScale ? kMaxExpandedLevel : kMaxBasicLevel;
        parts.newLevel = static_cast<std::int16_t>(std::clamp<std::int64_t>(level, 0, top));
        parts.other = r.otherHeat;
        check.balance = parts;
    }
    return check;
}

} // namespace caldrix

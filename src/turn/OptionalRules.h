// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/MechRecordStore.h"

#include <cstdint>
#include <string>

namespace caldrix {

inline constexpr int kRoomTemperature = 25; // degrees Celsius: no heat gained or lost
inline constexpr int kLowestTemperature = -200;
inline constexpr int kHighestTemperature = 200;

// The optional heat rules a game is played with, chosen by the players for
// the whole game. As made, every one is off and the game is the basic one.
struct OptionalRules {
    bool shutdownLasts = false; // a shut-down 'Mech stays down until it restarts
    bool expandedScale = false; // levels to 50
    int temperature = kRoomTemperature;
    bool coolantFailure = false;
    bool operator==(const OptionalRules&) const = default;
};

// Shut down until it restarts: only while shutdown lasts.
inline bool shutDownNow(const MechRecord& record, const OptionalRules& rules) {
    return rules.shutdownLasts && record.shutDown;
}

// The history's note of a change: "Rules: shutdown lasts, temperature 60 °C".
std::string rulesNote(const OptionalRules& rules);

// What the temperature adds to each 'Mech's heat of the turn: +1 for each
// ten degrees (or part) above 50 °C, -1 for each below -30 °C.
int temperatureHeat(int celsius);

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/MechRecordStore.h"
#include "turn/HeatBalance.h"

#include <optional>
#include <string>

namespace caldrix {

// What the next Next Turn will do to one 'Mech, before any dice are rolled.
struct MechForecast {
    int HeatNow = 0;
    // The first message Next Turn would show for this 'Mech, if any.
    std::optional<std::string> Problem;
    HeatBalance Balance;       // only when there is no problem
    int Level = 0;             // the level the turn commits
    std::string_view Mod2Fier; // the heat scale's static texts
    std::string_view MP;
    int ShutdownAvoidOn = 0; // 0: no roll
    bool ShutdownAutomatic = false;
    int AmmoAvoidOn = 0; // 0: no roll
};

// The entries Next Turn reads from a 'Mech's record; they view its texts, so
// the record must outlive them.
MechEntries EntriesOf(const MechRecord& record);

// Uses the very rules of Next Turn; never rolls.
MechForecast Forecast(const MechRecord& record);

// "—", "automatic" or "avoid on 8+ (41.7%)".
std::string ShutdownText(const MechForecast& forecast);
std::string AmmoText(const MechForecast& forecast);

// One line for a roster tooltip:
// "heat 12 → 16: -3 Movement Points, +2 Modifier to fire, shutdown avoid on 4+ (91.7%)".
std::string ForecastLine(const MechForecast& forecast);

} // namespace caldrix

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
    int heatNow = 0;
    // The first message Next Turn would show for this 'Mech, if any.
    std::optional<std::string> problem;
    HeatBalance balance;       // only when there is no problem
    int level = 0;             // the level the turn commits
    std::string_view mod2Fier; // the heat scale's static texts
    std::string_view mp;
    int shutdownAvoidOn = 0; // 0: no roll
    bool shutdownAutomatic = false;
    bool down = false;   // shut down now, where shutdown lasts: the restart instead
    int ammoAvoidOn = 0; // 0: no roll
    bool ammoAutomatic = false;
    int pilotAvoidOn = 0; // the expanded scale's
    int systemAvoidOn = 0;
    int coolantFailsOn = 0; // 0: no roll
};

// Uses the very rules of Next Turn; never rolls.
MechForecast forecast(const MechRecord& record, const OptionalRules& rules = {});

// "—", "automatic" or "avoid on 8+ (41.7%)"; for a shut-down 'Mech
// "shut down: restarts", "restart on 8+ (41.7%)" or "stays down".
std::string shutdownText(const MechForecast& forecast);
std::string ammoText(const MechForecast& forecast);
std::string pilotText(const MechForecast& forecast);
std::string systemText(const MechForecast& forecast);
// "fails on 9+ (27.8%)": the chance that coolant is lost.
std::string coolantText(const MechForecast& forecast);

// One line for a roster tooltip:
// "heat 12 → 16: -3 Movement Points, +2 Modifier to fire, shutdown avoid on 4+ (91.7%)".
std::string forecastLine(const MechForecast& forecast);

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A roster of 'Mechs with mixed, valid entries, shared by the benchmarks.

#include "turn/HeatBalance.h"

#include <string>

namespace caldrix::bench {

inline MechEntries MixedEntries(int i) {
    static const char* moves[] = {"Stationary", "Walking", "Running", "Jumping"};
    static const char* hits[] = {"None", "1st Engine Hit", "2nd Engine Hit"};
    MechEntries e;
    e.CarriedHeat = static_cast<std::int16_t>(i % 31);
    e.OtherHeat = static_cast<std::int16_t>(i % 4);
    e.MovementType = moves[i % 4];
    e.HexesJumped = std::to_string(i % 7) + ".5";
    e.AttemptsToStand = i % 3 == 0 ? "" : std::to_string(i % 3);
    e.WeaponHeat = std::to_string(5 + i % 20) + (i % 2 ? ".5" : "");
    e.HeatSinks = std::to_string(10 + i % 8);
    e.EngineHits = hits[i % 3];
    e.DoubleHeatSinks = i % 5 == 0;
    e.Fire = i % 6 == 0;
    e.WalkingThroughFire = i % 12 == 0;
    e.StandingInFire = i % 12 == 6;
    e.FireHexes = std::to_string(i % 3);
    return e;
}

} // namespace caldrix::bench

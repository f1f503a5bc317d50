// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A roster of 'Mechs with mixed, valid entries, shared by the benchmarks.

#include "game/Game.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace caldrix::bench {

// 'Mech i's record: mixed movement, jumps with halves, weapons, fire, hits
// and heat sinks, every entry valid.
inline MechRecord mixedRecord(int i) {
    static const char* moves[] = {"Stationary", "Walking", "Running", "Jumping"};
    static const char* hits[] = {"None", "1st Engine Hit", "2nd Engine Hit"};
    MechRecord r = MechRecord::defaults();
    r.heat = static_cast<std::int16_t>(i % 31);
    r.otherHeat = static_cast<std::int16_t>(i % 4);
    r.movementType = moves[i % 4];
    r.hexesJumped = std::to_string(i % 7) + ".5";
    r.attemptsToStand = i % 3 == 0 ? "" : std::to_string(i % 3);
    r.weaponHeat = std::to_string(5 + i % 20) + (i % 2 ? ".5" : "");
    r.heatSinks = std::to_string(10 + i % 8);
    r.engineHits = hits[i % 3];
    r.doubleHeatSinks = i % 5 == 0 ? 1 : 0;
    r.fire = i % 6 == 0 ? 1 : 0;
    r.walkingThroughFire = i % 12 != 6;
    r.standingInFire = i % 12 == 6;
    r.fireHexes = std::to_string(i % 3);
    return r;
}

// The game `state` with `count` such 'Mechs, named "Mech i" padded to
// `nameLength` characters, and no history.
inline GameState mixedGame(GameState state, int count, int nameLength = 8) {
    state.names.write().clear();
    state.log.clear();
    state.undo.clear();
    for (int i = 0; i < count; ++i) {
        std::string name = "Mech " + std::to_string(i);
        name.resize(std::max<std::size_t>(name.size(), std::size_t(nameLength)), 'x');
        state.names.write().push_back(name);
        state.records.write()[std::size_t(i + 1)] = mixedRecord(i);
    }
    return state;
}

// Wall time of one call, in microseconds.
template <typename F> double micros(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace caldrix::bench

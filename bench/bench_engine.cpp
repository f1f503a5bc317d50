// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The turn rules alone: validation, balance and effects for 256 'Mechs.

#include "BenchRoster.h"
#include "turn/ClockRandom.h"
#include "turn/HeatEffects.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace caldrix;

int main() {
    constexpr int kMechs = 256;
    constexpr int kRounds = 2000;
    std::vector<MechEntries> roster;
    for (int i = 0; i < kMechs; ++i)
        roster.push_back(bench::MixedEntries(i));
    ClockRandom random(42);

    std::vector<double> perMech;
    long checksum = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (const MechEntries& e : roster) {
            const EntryCheck check = CheckEntries(e);
            const int level = check.Balance ? check.Balance->NewLevel : 0;
            const HeatEffects effects = ApplyHeatEffects(level, random);
            checksum += level + static_cast<long>(effects.Shutdown.size() + effects.MP.size());
        }
        const auto end = std::chrono::steady_clock::now();
        perMech.push_back(std::chrono::duration<double, std::nano>(end - start).count() / kMechs);
    }
    std::sort(perMech.begin(), perMech.end());
    std::printf("turn engine, %d 'Mechs x %d rounds: median %.0f ns per 'Mech, best %.0f ns "
                "(checksum %ld)\n",
                kMechs, kRounds, perMech[perMech.size() / 2], perMech.front(), checksum);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game alone: a whole Next Turn of 256 'Mechs (validation, balance,
// effects and rolls, the history), and the rules per 'Mech.

#include "BenchRoster.h"
#include "turn/ClockRandom.h"
#include "turn/Forecast.h"

#include <cstdio>

using namespace caldrix;

namespace {
struct NoTable : DiceQuestionInterface {
    std::optional<int> askTotal(const RollRequest&, const std::string&) override { return 7; }
};
} // namespace

int main() {
    constexpr int kMechs = 256;
    ClockRandom random(42);
    NoTable table;
    Game game(random, table);
    const GameState start = bench::mixedGame(game.state(), kMechs);

    std::vector<double> turns;
    for (int round = 0; round < 2000; ++round) {
        game.restore(start); // the same turn each time, with an empty history
        turns.push_back(bench::micros([&] { game.nextTurn(); }));
    }
    std::vector<MechRecord> records;
    for (int i = 0; i < kMechs; ++i)
        records.push_back(bench::mixedRecord(i));
    std::vector<double> rules;
    for (int round = 0; round < 2000; ++round)
        rules.push_back(bench::micros([&] {
            for (const MechRecord& record : records) {
                const EntryCheck check = checkEntries(record);
                applyHeatEffects(check.balance ? check.balance->newLevel : 0, random);
            }
        }));
    std::printf("Game::NextTurn of %d 'Mechs: median %.1f us, best %.1f us; goal < 50 us\n", kMechs,
                bench::median(turns), *std::min_element(turns.begin(), turns.end()));
    std::printf("the rules alone (entries checked, effects rolled): median %.0f ns per 'Mech\n",
                bench::median(rules) * 1000.0 / kMechs);
    return 0;
}

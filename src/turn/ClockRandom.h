// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "turn/RandomSource.h"

#include <cstdint>

namespace caldrix {

// The program's random generator: PCG32 (O'Neill). A reseed only marks it:
// the clocks are read at the next draw, so the reseeds a turn asks for before
// each 'Mech cost nothing until dice are rolled. The seed mixes the wall
// clock, a high-resolution steady clock and a counter, so two seeds taken
// within one tick still differ.
class ClockRandom : public RandomSourceInterface {
public:
    ClockRandom();
    explicit ClockRandom(std::uint64_t seed); // fixed seed for tests and benchmarks
    float nextFloat() override;
    void reseed() override;

private:
    void seedWith(std::uint64_t seed);
    void seedFromClocks();
    std::uint32_t next();

    std::uint64_t state_ = 0;
    std::uint64_t reseeds_ = 0;
    bool reseedPending_ = false;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/ClockRandom.h"

#include <chrono>

namespace caldrix {

namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

// SplitMix64's finaliser: spreads nearby clock readings over the whole range.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

} // namespace

ClockRandom::ClockRandom() {
    SeedFromClocks();
}

ClockRandom::ClockRandom(std::uint64_t seed) {
    Seed(seed);
}

void ClockRandom::Seed(std::uint64_t seed) {
    state_ = 0;
    Next();
    state_ += Mix(seed);
    Next();
}

std::uint32_t ClockRandom::Next() {
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}

float ClockRandom::NextFloat() {
    if (reseedPending_)
        SeedFromClocks();
    // 24 random bits: every float on a 2^-24 grid in [0, 1) equally likely,
    // and the result can never round up to 1.
    return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f);
}

void ClockRandom::Reseed() {
    // The clocks are read at the next draw: reseeds with no draw between
    // them would only overwrite each other, and a turn reseeds once per 'Mech.
    reseedPending_ = true;
}

void ClockRandom::SeedFromClocks() {
    reseedPending_ = false;
    const auto wall =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const auto fine =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    ++reseeds_;
    Seed(Mix(wall) ^ Mix(fine + 0x632BE59BD9B4E019ULL) ^ Mix(reseeds_ * 0xD1B54A32D192ED03ULL));
}

} // namespace caldrix

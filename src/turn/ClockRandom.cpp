// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/ClockRandom.h"

#include <chrono>

namespace caldrix {

namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

// SplitMix64's finaliser: spreads nearby clock readings over the whole range.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

} // namespace

ClockRandom::ClockRandom() {
    seedFromClocks();
}

ClockRandom::ClockRandom(std::uint64_t seed) {
    seedWith(seed);
}

void ClockRandom::seedWith(std::uint64_t seed) {
    state_ = 0;
    next();
    state_ += mix(seed);
    next();
}

std::uint32_t ClockRandom::next() {
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}

float ClockRandom::nextFloat() {
    if (reseedPending_)
        seedFromClocks();
    // 24 random bits: every float on a 2^-24 grid in [0, 1) equally likely,
    // and the result can never round up to 1.
    return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f);
}

void ClockRandom::reseed() {
    // The clocks are read at the next draw: reseeds with no draw between
    // them would only overwrite each other.
    reseedPending_ = true;
}

void ClockRandom::seedFromClocks() {
    reseedPending_ = false;
    const auto wall =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    const auto fine =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    ++reseeds_;
    seedWith(mix(wall) ^ mix(fine + 0x632BE59BD9B4E019ULL) ^ mix(reseeds_ * 0xD1B54A32D192ED03ULL));
}

} // namespace caldrix

#include "platform/ClockRandom.h"

#include <chrono>

namespace caldrix {

ClockRandom::ClockRandom() { Reseed(); }

ClockRandom::ClockRandom(std::uint64_t seed) {
    std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    engine_.seed(seq);
}

float ClockRandom::NextFloat() {
    // 24 random bits make every float in [0, 1) on a 2^-24 grid equally likely;
    // the result can never round up to 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

void ClockRandom::Reseed() {
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto fine = std::chrono::steady_clock::now().time_since_epoch().count();
    ++reseeds_;
    const auto w = static_cast<std::uint64_t>(wall);
    const auto f = static_cast<std::uint64_t>(fine);
    std::seed_seq seq{static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(w >> 32),
                      static_cast<std::uint32_t>(f), static_cast<std::uint32_t>(f >> 32),
                      static_cast<std::uint32_t>(reseeds_),
                      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(this))};
    engine_.seed(seq);
}

} // namespace caldrix

#pragma once

#include "turn/RandomSource.h"

#include <cstdint>
#include <random>

namespace caldrix {

// The program's random generator: Mersenne Twister, reseeded from a
// high-resolution clock mixed with a counter, so that two reseeds within the
// same clock tick still differ.
class ClockRandom : public RandomSourceInterface {
public:
    ClockRandom();
    explicit ClockRandom(std::uint64_t seed); // fixed seed for tests and benchmarks
    float NextFloat() override;
    void Reseed() override;

private:
    std::mt19937 engine_;
    std::uint64_t reseeds_ = 0;
};

} // namespace caldrix

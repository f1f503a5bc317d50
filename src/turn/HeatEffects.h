#pragma once

#include "turn/RandomSource.h"

#include <cstdint>
#include <optional>
#include <string>

namespace caldrix {

// The last avoidance roll; overwritten by each roll.
struct Dice {
    std::int16_t Die1 = 0;
    std::int16_t Die2 = 0;
    std::int16_t DiceTotal = 0;
};

// The four condition texts that a heat level brings, plus the last dice
// (nothing when the level takes no roll).
struct HeatEffects {
    std::string Mod2Fier;
    std::string MP;
    std::string Shutdown;
    std::string AmmoExp;
    std::optional<Dice> LastRoll;
};

// The integer part of 6 * r + 1, r in [0, 1) in single precision.
int RollDie(RandomSourceInterface& random);

// Die1, then Die2; the danger is avoided when the total reaches avoidOn.
bool AvoidanceRoll(int avoidOn, RandomSourceInterface& random, Dice& dice);

// The effects of a heat level 0..30. The shutdown roll, if any, is drawn
// before the ammunition roll.
HeatEffects ApplyHeatEffects(int level, RandomSourceInterface& random);

namespace conditions {
inline constexpr const char* kShutdown = "Shutdown!!!";
inline constexpr const char* kAmmoExplosion = "Ammo Explosion!!!";
} // namespace conditions

} // namespace caldrix

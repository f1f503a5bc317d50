// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/HeatEffects.h"

#include "turn/HeatScaleTable.h"

#include <algorithm>
#include <cmath>

namespace caldrix {

namespace {

// The integer part of 6 * r + 1, r in [0, 1) in single precision.
int rollDie(RandomSourceInterface& random) {
    // 6 * r is exact in double for a float r, so each face covers exactly
    // one sixth of [0, 1); in float three values near 1/3, 2/3 and 5/6
    // would round up to the next face.
    const double face = 6.0 * static_cast<double>(random.nextFloat()) + 1.0;
    // A source that strays outside [0, 1) still gives a real die.
    return std::clamp(static_cast<int>(face), 1, 6);
}

// The chance that two dice reach `avoidOn`, in tenths of a percent (917 for 4+).
int avoidChanceTenths(int avoidOn) {
    int ways = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            ways += a + b >= avoidOn ? 1 : 0;
    return static_cast<int>(std::lround(ways * 1000.0 / 36.0)); // tenths of a percent
}

} // namespace

const char* fireModifierText(int level) {
    return heatScaleAt(level).fireModifier;
}

const char* movementPenaltyText(int level) {
    return heatScaleAt(level).movementPenalty;
}

int shutdownAvoidOn(int level) {
    return std::max(heatScaleAt(level).shutdownAvoidOn, 0);
}

bool automaticShutdown(int level) {
    return heatScaleAt(level).shutdownAvoidOn == kShutsDownWithoutRoll;
}

int ammoAvoidOn(int level) {
    return heatScaleAt(level).ammoAvoidOn;
}

std::optional<Dice> GeneratorDice::roll(Danger, int, int) {
    Dice dice; // Die1 first
    dice.die1 = static_cast<std::int16_t>(rollDie(random_));
    dice.die2 = static_cast<std::int16_t>(rollDie(random_));
    dice.diceTotal = static_cast<std::int16_t>(dice.die1 + dice.die2);
    return dice;
}

std::optional<HeatEffects> applyHeatEffects(int level, DiceSourceInterface& dice) {
    HeatEffects effects;
    effects.mod2Fier = fireModifierText(level);
    effects.mp = movementPenaltyText(level);

    // True when the danger strikes; nothing when the turn was abandoned.
    auto strikes = [&](Danger danger, int avoidOn) -> std::optional<bool> {
        const std::optional<Dice> rolled = dice.roll(danger, level, avoidOn);
        if (!rolled)
            return std::nullopt;
        const bool avoided = rolled->diceTotal >= avoidOn;
        effects.rolls.push_back({danger, avoidOn, *rolled, avoided});
        return !avoided;
    };

    if (automaticShutdown(level)) {
        effects.shutdown = conditions::kShutdown;
    } else if (const int avoidOn = shutdownAvoidOn(level)) { // 0: no roll
        const auto hit = strikes(Danger::Shutdown, avoidOn);
        if (!hit)
            return std::nullopt;
        if (*hit)
            effects.shutdown = conditions::kShutdown;
    }
    if (const int avoidOn = ammoAvoidOn(level)) {
        const auto hit = strikes(Danger::AmmoExplosion, avoidOn);
        if (!hit)
            return std::nullopt;
        if (*hit)
            effects.ammoExp = conditions::kAmmoExplosion;
    }
    return effects;
}

HeatEffects applyHeatEffects(int level, RandomSourceInterface& random) {
    GeneratorDice dice(random);
    return *applyHeatEffects(level, dice); // the generator never abandons a turn
}

std::string avoidOnText(int avoidOn) {
    const int tenths = avoidChanceTenths(avoidOn);
    return "avoid on " + std::to_string(avoidOn) + "+ (" + std::to_string(tenths / 10) + "." +
           std::to_string(tenths % 10) + "%)";
}

} // namespace caldrix

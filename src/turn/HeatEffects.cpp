// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/HeatEffects.h"

#include "turn/HeatScaleTable.h"

#include <algorithm>
#include <cmath>

namespace caldrix {

const char* FireModifierText(int level) {
    return HeatScaleAt(level).FireModifier;
}

const char* MovementPenaltyText(int level) {
    return HeatScaleAt(level).MovementPenalty;
}

int ShutdownAvoidOn(int level) {
    return std::max(HeatScaleAt(level).ShutdownAvoidOn, 0);
}

bool AutomaticShutdown(int level) {
    return HeatScaleAt(level).ShutdownAvoidOn == kShutsDownWithoutRoll;
}

int AmmoAvoidOn(int level) {
    return HeatScaleAt(level).AmmoAvoidOn;
}

int RollDie(RandomSourceInterface& random) {
    // 6 * r is exact in double for a float r, so each face covers exactly
    // one sixth of [0, 1); in float three values near 1/3, 2/3 and 5/6
    // would round up to the next face.
    const double face = 6.0 * static_cast<double>(random.NextFloat()) + 1.0;
    // A source that strays outside [0, 1) still gives a real die.
    return std::clamp(static_cast<int>(face), 1, 6);
}

std::optional<Dice> GeneratorDice::Roll(Danger, int, int) {
    Dice dice; // Die1 first
    dice.Die1 = static_cast<std::int16_t>(RollDie(random_));
    dice.Die2 = static_cast<std::int16_t>(RollDie(random_));
    dice.DiceTotal = static_cast<std::int16_t>(dice.Die1 + dice.Die2);
    return dice;
}

std::optional<HeatEffects> ApplyHeatEffects(int level, DiceSourceInterface& dice) {
    HeatEffects effects;
    effects.Mod2Fier = FireModifierText(level);
    effects.MP = MovementPenaltyText(level);

    // True when the danger strikes; nothing when the turn was abandoned.
    auto strikes = [&](Danger danger, int avoidOn) -> std::optional<bool> {
        const std::optional<Dice> rolled = dice.Roll(danger, level, avoidOn);
        if (!rolled)
            return std::nullopt;
        const bool avoided = rolled->DiceTotal >= avoidOn;
        effects.Rolls.push_back({danger, avoidOn, *rolled, avoided});
        return !avoided;
    };

    if (AutomaticShutdown(level)) {
        effects.Shutdown = conditions::kShutdown;
    } else if (const int avoidOn = ShutdownAvoidOn(level)) { // 0: no roll
        const auto hit = strikes(Danger::Shutdown, avoidOn);
        if (!hit)
            return std::nullopt;
        if (*hit)
            effects.Shutdown = conditions::kShutdown;
    }
    if (const int avoidOn = AmmoAvoidOn(level)) {
        const auto hit = strikes(Danger::AmmoExplosion, avoidOn);
        if (!hit)
            return std::nullopt;
        if (*hit)
            effects.AmmoExp = conditions::kAmmoExplosion;
    }
    return effects;
}

HeatEffects ApplyHeatEffects(int level, RandomSourceInterface& random) {
    GeneratorDice dice(random);
    return *ApplyHeatEffects(level, dice); // the generator never abandons a turn
}

int AvoidChanceTenths(int avoidOn) {
    int ways = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            ways += a + b >= avoidOn ? 1 : 0;
    return static_cast<int>(std::lround(ways * 1000.0 / 36.0)); // tenths of a percent
}

std::string AvoidOnText(int avoidOn) {
    const int tenths = AvoidChanceTenths(avoidOn);
    return "avoid on " + std::to_string(avoidOn) + "+ (" + std::to_string(tenths / 10) + "." +
           std::to_string(tenths % 10) + "%)";
}

} // namespace caldrix

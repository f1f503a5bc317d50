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

const char* fireModifierText(int level, bool expanded) {
    return heatScaleAt(level, expanded).fireModifier;
}

const char* movementPenaltyText(int level, bool expanded) {
    return heatScaleAt(level, expanded).movementPenalty;
}

bool automaticShutdown(int level, bool expanded) {
    const int avoidOn = heatScaleAt(level, expanded).shutdownAvoidOn;
    return avoidOn == kWithoutRoll || avoidOn > kHighestTotal;
}

int shutdownAvoidOn(int level, bool expanded) {
    return automaticShutdown(level, expanded) ? 0 : heatScaleAt(level, expanded).shutdownAvoidOn;
}

bool automaticAmmoExplosion(int level, bool expanded) {
    return heatScaleAt(level, expanded).ammoAvoidOn == kWithoutRoll;
}

int ammoAvoidOn(int level, bool expanded) {
    return std::max(heatScaleAt(level, expanded).ammoAvoidOn, 0);
}

int pilotAvoidOn(int level, bool expanded) {
    return heatScaleAt(level, expanded).pilotAvoidOn;
}

int systemAvoidOn(int level, bool expanded) {
    return heatScaleAt(level, expanded).systemAvoidOn;
}

int coolantFailsOn(int level) {
    if (level < 5)
        return 0;
    const int fifths = (level + 4) / 5; // level / 5 rounded up
    return 10 - std::max(0, fifths - 2);
}

bool avoids(Danger kind, int total, int avoidOn) {
    return kind == Danger::Coolant ? total < avoidOn : total >= avoidOn;
}

std::optional<Dice> GeneratorDice::roll(Danger, int, int) {
    Dice dice; // Die1 first
    dice.die1 = static_cast<std::int16_t>(rollDie(random_));
    dice.die2 = static_cast<std::int16_t>(rollDie(random_));
    dice.diceTotal = static_cast<std::int16_t>(dice.die1 + dice.die2);
    return dice;
}

std::optional<HeatEffects> applyHeatEffects(int level, DiceSourceInterface& dice,
                                            const RollSituation& situation) {
    const bool expanded = situation.expanded;
    HeatEffects effects;
    effects.mod2Fier = fireModifierText(level, expanded);
    effects.mp = movementPenaltyText(level, expanded);

    // True when the danger strikes; nothing when the turn was abandoned.
    auto strikes = [&](Danger danger, int avoidOn) -> std::optional<bool> {
        const std::optional<Dice> rolled = dice.roll(danger, level, avoidOn);
        if (!rolled)
            return std::nullopt;
        const bool avoided = avoids(danger, rolled->diceTotal, avoidOn);
        effects.rolls.push_back({danger, avoidOn, *rolled, avoided});
        return !avoided;
    };
    // Rolls when there is a number; false when there is none.
    auto rolls = [&](Danger danger, int avoidOn) -> std::optional<bool> {
        return avoidOn ? strikes(danger, avoidOn) : std::optional<bool>(false);
    };

    std::optional<bool> down;
    if (situation.down) {
        // Down already: no shutdown roll, a restart roll where the level allows one.
        if (level < kRestartRollLevel)
            down = false;
        else if (automaticShutdown(level, expanded))
            down = true;
        else
            down = strikes(Danger::Restart, shutdownAvoidOn(level, expanded));
        if (down)
            effects.shutdown = *down ? conditions::kShutdown : conditions::kRestarted;
    } else {
        down = automaticShutdown(level, expanded)
                   ? std::optional<bool>(true)
                   : rolls(Danger::Shutdown, shutdownAvoidOn(level, expanded));
        if (down && *down)
            effects.shutdown = conditions::kShutdown;
    }
    if (!down)
        return std::nullopt;
    effects.down = situation.shutdownLasts && *down;

    // Then each danger that leaves a condition, in order: no number, no roll.
    struct Condition {
        Danger kind;
        int avoidOn;
        bool automatic;
        std::string_view HeatEffects::*text;
        const char* struck;
    };
    for (const Condition& c :
         {Condition{Danger::AmmoExplosion, ammoAvoidOn(level, expanded),
                    automaticAmmoExplosion(level, expanded), &HeatEffects::ammoExp,
                    conditions::kAmmoExplosion},
          Condition{Danger::PilotDamage, pilotAvoidOn(level, expanded), false, &HeatEffects::pilot,
                    conditions::kPilotHit},
          Condition{Danger::SystemFailure, systemAvoidOn(level, expanded), false,
                    &HeatEffects::system, conditions::kSystemFailure}}) {
        const std::optional<bool> hit =
            c.automatic ? std::optional(true) : rolls(c.kind, c.avoidOn);
        if (!hit)
            return std::nullopt;
        if (*hit)
            effects.*c.text = c.struck;
    }
    const std::optional<bool> coolant =
        rolls(Danger::Coolant, situation.coolant ? coolantFailsOn(level) : 0);
    if (!coolant)
        return std::nullopt;
    effects.coolantLost = *coolant;
    return effects;
}

HeatEffects applyHeatEffects(int level, RandomSourceInterface& random,
                             const RollSituation& situation) {
    GeneratorDice dice(random);
    return *applyHeatEffects(level, dice, situation); // the generator never abandons a turn
}

std::string avoidOnText(int avoidOn, const char* verb) {
    const int tenths = avoidChanceTenths(avoidOn);
    return std::string(verb) + " " + std::to_string(avoidOn) + "+ (" + std::to_string(tenths / 10) +
           "." + std::to_string(tenths % 10) + "%)";
}

} // namespace caldrix

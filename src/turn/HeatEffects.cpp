#include "turn/HeatEffects.h"

#include <algorithm>

namespace caldrix {

namespace {

const char* FireModifier(int level) {
    if (level >= 24)
        return "+4 Modifier to fire";
    if (level >= 17)
        return "+3 Modifier to fire";
    if (level >= 13)
        return "+2 Modifier to fire";
    if (level >= 8)
        return "+1 Modifier to fire";
    return "";
}

const char* MovementPenalty(int level) {
    if (level >= 25)
        return "-5 Movement Points";
    if (level >= 20)
        return "-4 Movement Points";
    if (level >= 15)
        return "-3 Movement Points";
    if (level >= 10)
        return "-2 Movement Points";
    if (level >= 5)
        return "-1 Movement Points";
    return "";
}

// Avoid-on number of the shutdown roll; 0 means no roll.
int ShutdownAvoidOn(int level) {
    if (level >= 26)
        return 10;
    if (level >= 22)
        return 8;
    if (level >= 18)
        return 6;
    if (level >= 14)
        return 4;
    return 0;
}

// Avoid-on number of the ammunition roll; 0 means no roll. Levels 28 and up
// avoid on 8, as the heat scale beside them tells the players.
int AmmoAvoidOn(int level) {
    if (level >= 28)
        return 8;
    if (level >= 23)
        return 6;
    if (level >= 19)
        return 4;
    return 0;
}

} // namespace

int RollDie(RandomSourceInterface& random) {
    const float r = random.NextFloat();
    const float face = 6.0f * r + 1.0f;
    // A source that strays outside [0, 1) still gives a real die.
    return std::clamp(static_cast<int>(face), 1, 6);
}

bool AvoidanceRoll(int avoidOn, RandomSourceInterface& random, Dice& dice) {
    dice.Die1 = static_cast<std::int16_t>(RollDie(random));
    dice.Die2 = static_cast<std::int16_t>(RollDie(random));
    dice.DiceTotal = static_cast<std::int16_t>(dice.Die1 + dice.Die2);
    return dice.DiceTotal >= avoidOn;
}

HeatEffects ApplyHeatEffects(int level, RandomSourceInterface& random) {
    HeatEffects effects;
    effects.Mod2Fier = FireModifier(level);
    effects.MP = MovementPenalty(level);

    auto roll = [&](int avoidOn) {
        Dice dice;
        const bool avoided = AvoidanceRoll(avoidOn, random, dice);
        effects.LastRoll = dice;
        return avoided;
    };

    if (level >= 30) {
        effects.Shutdown = conditions::kShutdown; // no roll saves it
    } else if (const int avoidOn = ShutdownAvoidOn(level); avoidOn > 0) {
        if (!roll(avoidOn))
            effects.Shutdown = conditions::kShutdown;
    }

    if (const int avoidOn = AmmoAvoidOn(level); avoidOn > 0) {
        if (!roll(avoidOn))
            effects.AmmoExp = conditions::kAmmoExplosion;
    }
    return effects;
}

} // namespace caldrix

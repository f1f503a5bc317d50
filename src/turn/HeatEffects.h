// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "turn/RandomSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace caldrix {

// What two dice can total.
inline constexpr int kLowestTotal = 2;
inline constexpr int kHighestTotal = 12;

// The dice of one avoidance roll. Dice typed in at the table give only the
// total: Die1 and Die2 stay 0.
struct Dice {
    std::int16_t die1 = 0;
    std::int16_t die2 = 0;
    std::int16_t diceTotal = 0;
    bool atTable = false;
    bool operator==(const Dice&) const = default;
};

enum class Danger { Shutdown, AmmoExplosion };

// One roll made for a 'Mech, as the turn history lists it.
struct RollRecord {
    Danger kind = Danger::Shutdown;
    int avoidOn = 0;
    Dice rolled;
    bool avoided = false;
    bool operator==(const RollRecord&) const = default;
};

// The four condition texts that a heat level brings (the heat scale's static
// texts) and the rolls made for them.
struct HeatEffects {
    std::string_view mod2Fier;
    std::string_view mp;
    std::string_view shutdown;
    std::string_view ammoExp;
    std::vector<RollRecord> rolls;
    bool operator==(const HeatEffects&) const = default;
};

// Where the dice of an avoidance roll come from: the program's generator or
// the players' own dice. Nothing means the players abandoned the turn.
class DiceSourceInterface {
public:
    virtual ~DiceSourceInterface() = default;
    virtual std::optional<Dice> roll(Danger danger, int level, int avoidOn) = 0;
};

// Two dice from the random generator, Die1 first.
class GeneratorDice : public DiceSourceInterface {
public:
    explicit GeneratorDice(RandomSourceInterface& random) : random_(random) {}
    std::optional<Dice> roll(Danger danger, int level, int avoidOn) override;

private:
    RandomSourceInterface& random_;
};

// The rules of the heat scale, by level 0..30, read from its one table. An
// avoid-on number of 0 means no roll; level 30 shuts down without one.
const char* fireModifierText(int level);
const char* movementPenaltyText(int level);
int shutdownAvoidOn(int level);
int ammoAvoidOn(int level);
bool automaticShutdown(int level);

// The effects of a heat level 0..30, the shutdown roll before the
// ammunition roll. Nothing when the dice source abandons the turn.
std::optional<HeatEffects> applyHeatEffects(int level, DiceSourceInterface& dice);
HeatEffects applyHeatEffects(int level, RandomSourceInterface& random);

// "avoid on 8+ (41.7%)".
std::string avoidOnText(int avoidOn);

namespace conditions {
inline constexpr const char* kShutdown = "Shutdown!!!";
inline constexpr const char* kAmmoExplosion = "Ammo Explosion!!!";
} // namespace conditions

} // namespace caldrix

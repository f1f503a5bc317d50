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

// What a roll is for. A restart succeeds on its number; coolant is lost on
// its number, so for coolant "avoided" means the total fell short of it.
enum class Danger { Shutdown, AmmoExplosion, Restart, PilotDamage, SystemFailure, Coolant };

// One roll made for a 'Mech, as the turn history lists it.
struct RollRecord {
    Danger kind = Danger::Shutdown;
    int avoidOn = 0;
    Dice rolled;
    bool avoided = false;
    bool operator==(const RollRecord&) const = default;
};

// Whether a total avoids what a roll of its kind is for.
bool avoids(Danger kind, int total, int avoidOn);

// The condition texts that a heat level brings (the heat scale's static
// texts) and the rolls made for them.
struct HeatEffects {
    std::string_view mod2Fier;
    std::string_view mp;
    std::string_view shutdown;
    std::string_view ammoExp;
    std::string_view pilot;  // the expanded scale's
    std::string_view system; // the expanded scale's
    std::vector<RollRecord> rolls;
    bool down = false;        // shut down after the turn, where shutdown lasts
    bool coolantLost = false; // one point of heat dissipation lost for good
    bool operator==(const HeatEffects&) const = default;
};

// What a 'Mech's rolls depend on besides its level.
struct RollSituation {
    bool expanded = false;      // the expanded heat scale, levels to 50
    bool shutdownLasts = false; // a shut-down 'Mech stays down until it restarts
    bool down = false;          // shut down as the turn began (only where shutdown lasts)
    bool coolant = false;       // coolant can fail, and has dissipation left to lose
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

// The rules of the heat scale, by level 0..30 (0..50 expanded), read from its
// one table. An avoid-on number of 0 means no roll; a level that allows no
// roll shuts down (or explodes) without one.
const char* fireModifierText(int level, bool expanded = false);
const char* movementPenaltyText(int level, bool expanded = false);
int shutdownAvoidOn(int level, bool expanded = false);
int ammoAvoidOn(int level, bool expanded = false);
bool automaticShutdown(int level, bool expanded = false);
bool automaticAmmoExplosion(int level, bool expanded);
int pilotAvoidOn(int level, bool expanded);
int systemAvoidOn(int level, bool expanded);
// Coolant is lost on this total or more; 0 below level 5.
int coolantFailsOn(int level);
// Below this level a shut-down 'Mech restarts without a roll.
inline constexpr int kRestartRollLevel = 14;

// The effects of a heat level, the shutdown (or restart) roll first, then
// ammunition, pilot damage, system failure and coolant. Nothing when the
// dice source abandons the turn.
std::optional<HeatEffects> applyHeatEffects(int level, DiceSourceInterface& dice,
                                            const RollSituation& situation = {});
HeatEffects applyHeatEffects(int level, RandomSourceInterface& random,
                             const RollSituation& situation = {});

// "avoid on 8+ (41.7%)"; with another verb, "restart on 8+ (41.7%)".
std::string avoidOnText(int avoidOn, const char* verb = "avoid on");

namespace conditions {
inline constexpr const char* kShutdown = "Shutdown!!!";
inline constexpr const char* kAmmoExplosion = "Ammo Explosion!!!";
inline constexpr const char* kRestarted = "Restarted";
inline constexpr const char* kPilotHit = "Pilot Hit!!!";
inline constexpr const char* kSystemFailure = "System Failure!!!";
} // namespace conditions

} // namespace caldrix

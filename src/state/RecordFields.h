// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/MechRecordStore.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace caldrix {

// Which of the heat scale's texts a condition may hold.
enum class ConditionKind { Fire, Movement, Shutdown, Ammo, Pilot, System };

// One field of a 'Mech's record, described once: its key in a saved game,
// the control that shows it, and what it may hold. The saved-game reader and
// writer and the window's panel all go through this table, so a new field is
// one row here and one control.
struct RecordField {
    using Text = std::string MechRecord::*;
    using Number = std::int16_t MechRecord::*;
    using Tick = bool MechRecord::*; // a tick box: 0 or 1 in a saved game
    struct Flag {                    // an option button: true or false in a saved game
        bool MechRecord::*member;
    };
    struct Condition {
        std::string_view MechRecord::*member;
        ConditionKind kind;
    };

    const char* key;     // in a saved game
    const char* control; // the objectName of the control that shows it
    std::variant<Text, Number, Tick, Flag, Condition> member;
    int low = 0, high = 0; // numbers only: the range a saved game may hold
    int since = 1;         // the saved-game version that first holds it
};

inline constexpr int kMaxLevel = 50; // the expanded scale's top; the basic one ends at 30
inline constexpr int kMaxOtherHeat = 32767;

inline const std::array<RecordField, 21> kRecordFields{{
    {"heatSinks", "HeatSinks", &MechRecord::heatSinks},
    {"heat", "", &MechRecord::heat, 0, kMaxLevel},
    {"doubleHeatSinks", "DHS", &MechRecord::doubleHeatSinks},
    {"movementType", "MovementType", &MechRecord::movementType},
    {"hexesJumped", "HexesJumpedText", &MechRecord::hexesJumped},
    {"attemptsToStand", "AttemptsToStand", &MechRecord::attemptsToStand},
    {"weaponHeat", "HeatGeneratedByWeapons", &MechRecord::weaponHeat},
    {"fire", "Fire", &MechRecord::fire},
    {"walkingThroughFire", "WalkingThroughFire",
     RecordField::Flag{&MechRecord::walkingThroughFire}},
    {"fireHexes", "WalkingThroughFireHexes", &MechRecord::fireHexes},
    {"standingInFire", "StandingInFire", RecordField::Flag{&MechRecord::standingInFire}},
    {"engineHits", "EngineHits", &MechRecord::engineHits},
    {"conditionFire", "ConditionMod2Fier",
     RecordField::Condition{&MechRecord::conditionFire, ConditionKind::Fire}},
    {"conditionMovement", "ConditionMP",
     RecordField::Condition{&MechRecord::conditionMovement, ConditionKind::Movement}},
    {"conditionShutdown", "ConditionShutdown",
     RecordField::Condition{&MechRecord::conditionShutdown, ConditionKind::Shutdown}},
    {"conditionAmmoExplosion", "ConditionAmmoExp",
     RecordField::Condition{&MechRecord::conditionAmmo, ConditionKind::Ammo}},
    {"otherHeat", "OtherHeat", &MechRecord::otherHeat, 0, kMaxOtherHeat},
    {"shutDown", "", &MechRecord::shutDown, 0, 0, 2},
    {"coolantLost", "", &MechRecord::coolantLost, 0, kMaxOtherHeat, 2},
    {"conditionPilot", "ConditionPilot",
     RecordField::Condition{&MechRecord::conditionPilot, ConditionKind::Pilot}, 0, 0, 2},
    {"conditionSystem", "ConditionSystem",
     RecordField::Condition{&MechRecord::conditionSystem, ConditionKind::System}, 0, 0, 2},
}};

// One entry the player changed, as typed: the field, by its place in the
// table, and its new value (text, number, or a tick or option chosen).
struct RecordEdit {
    using Value = std::variant<std::string, std::int16_t, bool>;
    std::size_t field = 0;
    Value value;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace caldrix {

// Record slots run 0..256. The 'Mech at roster position p owns slot p + 1;
// slot 0 is the scratch slot that takes edits made while nothing is selected.
inline constexpr int kFirstSlot = 0;
inline constexpr int kLastSlot = 256;
inline constexpr int kSlotCount = kLastSlot + 1;
inline constexpr int kMaxMechs = kLastSlot;

// One field of every slot. Access by slot number is always range-checked, so
// a bad slot throws std::out_of_range and never touches memory.
template <typename T> class MechColumn {
public:
    T& operator()(int slot) { return values_[Checked(slot)]; }
    const T& operator()(int slot) const { return values_[Checked(slot)]; }

private:
    static std::size_t Checked(int slot) {
        if (slot < kFirstSlot || slot > kLastSlot)
            throw std::out_of_range("record slot " + std::to_string(slot) + " is outside 0..256");
        return static_cast<std::size_t>(slot);
    }
    std::array<T, kSlotCount> values_{};
};

// One slot's values gathered together; used to compare and copy whole records.
struct MechRecord {
    std::string HeatSinks;
    std::int16_t Heat = 0;
    std::int16_t DHS = 0;
    std::string MovementType;
    std::string HexesJumped;
    std::string AttemptsToStand;
    std::string WeaponHeat;
    std::int16_t Fire = 0;
    bool WalkingThroughFire = false;
    std::string FireHexes;
    bool StandingInFire = false;
    std::string EngineHits;
    std::string ConditionMod2Fier;
    std::string ConditionMP;
    std::string ConditionShutdown;
    std::string ConditionAmmoExp;
    std::int16_t OtherHeat = 0;

    bool operator==(const MechRecord&) const = default;

    // The record a new 'Mech starts with. The two combo texts are prompts that
    // turn resolution rejects until the players pick a real value.
    static MechRecord Defaults();
};

// What a turn changes in a record and Undo Last Turn puts back.
struct TurnState {
    std::int16_t Heat = 0;
    std::string ConditionMod2Fier;
    std::string ConditionMP;
    std::string ConditionShutdown;
    std::string ConditionAmmoExp;
    std::string AttemptsToStand;
    std::string WeaponHeat;
};

// The record store: 17 parallel columns in the order every reset and shift
// handles them. At creation every slot holds empty texts, zeros and clear flags.
class MechRecordStore {
public:
    MechColumn<std::string> MechHeatSinks;
    MechColumn<std::int16_t> MechHeat;
    MechColumn<std::int16_t> MechDHS;
    MechColumn<std::string> MechMovementType;
    MechColumn<std::string> MechHexesJumped;
    MechColumn<std::string> MechAttemptsToStand;
    MechColumn<std::string> MechWeaponHeat;
    MechColumn<std::int16_t> MechFire;
    MechColumn<bool> MechWalkingThroughFire;
    MechColumn<std::string> MechFireHexes;
    MechColumn<bool> MechStandingInFire;
    MechColumn<std::string> MechEngineHits;
    MechColumn<std::string> MechConditionMod2Fier;
    MechColumn<std::string> MechConditionMP;
    MechColumn<std::string> MechConditionShutdown;
    MechColumn<std::string> MechConditionAmmoExp;
    MechColumn<std::int16_t> MechOtherHeat;

    MechRecord Record(int slot) const;
    void SetRecord(int slot, const MechRecord& record);

    TurnState TurnStateOf(int slot) const;
    void RestoreTurnState(int slot, const TurnState& state);

    void ResetMechRecord(int slot);
    // Slots 1..256; the scratch slot 0 keeps whatever was written there.
    void ResetMechRecords();
    // Moves every record above `slot` down by one and resets slot 256.
    void RemoveMechRecord(int slot);
};

// The selected roster index (-1 for none) turned into its record slot.
inline int CurrentMechSlot(int selectedIndex) {
    return selectedIndex < 0 ? 0 : selectedIndex + 1;
}

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/CopyOnWrite.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace caldrix {

// Record slots run 0..256. The 'Mech at roster position p owns slot p + 1;
// slot 0 is the scratch slot, kept in saved games for the files that hold it;
// nothing is written to it any more.
inline constexpr int kFirstSlot = 0;
inline constexpr int kLastSlot = 256;
inline constexpr int kSlotCount = kLastSlot + 1;
inline constexpr int kMaxMechs = kLastSlot;
// The longest text a name or an entry may be, in characters (UTF-16 code
// units, never more than its UTF-8 bytes): far beyond anything typed at a
// table, and what a saved game holds, so that every game opens again.
inline constexpr int kMaxText = 1'000'000;

// One 'Mech's record: what the players entered for it, as typed, and what
// its last turn produced.
struct MechRecord {
    std::string heatSinks;
    std::int16_t heat = 0; // 0..30, or 0..50 on the expanded heat scale
    bool doubleHeatSinks = false;
    std::string movementType;
    std::string hexesJumped;
    std::string attemptsToStand;
    std::string weaponHeat;
    bool fire = false;
    bool walkingThroughFire = false;
    std::string fireHexes;
    bool standingInFire = false;
    std::string engineHits;
    // The conditions are always the heat scale's own static texts, or empty.
    std::string_view conditionFire;
    std::string_view conditionMovement;
    std::string_view conditionShutdown;
    std::string_view conditionAmmo;
    std::int16_t otherHeat = 0; // 0..32767
    // The optional rules': shut down until it restarts, heat dissipation
    // lost to coolant failure, and the expanded scale's two conditions.
    bool shutDown = false;
    std::int16_t coolantLost = 0;
    std::string_view conditionPilot;
    std::string_view conditionSystem;

    bool operator==(const MechRecord&) const = default;

    // The record a new 'Mech starts with. The two combo texts are prompts that
    // turn resolution rejects until the players pick a real value.
    static MechRecord defaults();
};

// Every slot's record, 0..256, in slot order.
using RecordSlots = CopyOnWrite<std::vector<MechRecord>>;

// The record store: one record per slot. At creation every slot holds empty
// texts, zeros and clear flags. A slot outside 0..256 is a fault, caught by
// an assertion in debug builds.
class MechRecordStore {
public:
    // A reference it gives is good until the slots are next shared.
    MechRecord& operator[](int slot);
    const MechRecord& operator[](int slot) const;
    // All the slots, shared: taking them costs nothing, and they keep what
    // they hold while the store changes.
    const RecordSlots& shared() const { return slots_; }
    void restore(RecordSlots slots);

    void resetMechRecord(int slot);
    // Slots 1..256; the scratch slot 0 keeps whatever was written there.
    void resetMechRecords();
    // Moves every record above `slot` down by one and resets slot 256.
    void removeMechRecord(int slot);

private:
    RecordSlots slots_{std::vector<MechRecord>(kSlotCount)};
};

} // namespace caldrix

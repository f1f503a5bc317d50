// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/MechRecordStore.h"

#include <stdexcept>

namespace caldrix {

namespace {

std::size_t Checked(int slot) {
    if (slot < kFirstSlot || slot > kLastSlot)
        throw std::out_of_range("record slot " + std::to_string(slot) + " is outside 0..256");
    return static_cast<std::size_t>(slot);
}

} // namespace

MechRecord MechRecord::Defaults() {
    MechRecord r;
    r.HeatSinks = "1";
    r.MovementType = "Movement Type";
    r.HexesJumped = "0";
    r.AttemptsToStand = "0";
    r.WeaponHeat = "0";
    r.WalkingThroughFire = true;
    r.FireHexes = "0";
    r.EngineHits = "Engine Hits";
    return r;
}

MechRecord& MechRecordStore::operator[](int slot) {
    return slots_[Checked(slot)];
}

const MechRecord& MechRecordStore::operator[](int slot) const {
    return slots_[Checked(slot)];
}

void MechRecordStore::ResetMechRecord(int slot) {
    static const MechRecord defaults = MechRecord::Defaults();
    (*this)[slot] = defaults;
}

void MechRecordStore::ResetMechRecords() {
    for (int slot = 1; slot <= kLastSlot; ++slot)
        ResetMechRecord(slot);
}

void MechRecordStore::RemoveMechRecord(int slot) {
    // Check before shifting, so a bad slot changes nothing at all.
    Checked(slot);
    for (int i = slot; i < kLastSlot; ++i)
        slots_[static_cast<std::size_t>(i)] = std::move(slots_[static_cast<std::size_t>(i) + 1]);
    ResetMechRecord(kLastSlot);
}

} // namespace caldrix

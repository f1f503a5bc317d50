// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/MechRecordStore.h"

#include <stdexcept>

namespace caldrix {

namespace {

std::size_t checked(int slot) {
    if (slot < kFirstSlot || slot > kLastSlot)
        throw std::out_of_range("record slot " + std::to_string(slot) + " is outside 0..256");
    return static_cast<std::size_t>(slot);
}

} // namespace

MechRecord MechRecord::defaults() {
    MechRecord r;
    r.heatSinks = "1";
    r.movementType = "Movement Type";
    r.hexesJumped = "0";
    r.attemptsToStand = "0";
    r.weaponHeat = "0";
    r.walkingThroughFire = true;
    r.fireHexes = "0";
    r.engineHits = "Engine Hits";
    return r;
}

MechRecord& MechRecordStore::operator[](int slot) {
    return slots_[checked(slot)];
}

const MechRecord& MechRecordStore::operator[](int slot) const {
    return slots_[checked(slot)];
}

void MechRecordStore::resetMechRecord(int slot) {
    static const MechRecord defaults = MechRecord::defaults();
    (*this)[slot] = defaults;
}

void MechRecordStore::resetMechRecords() {
    for (int slot = 1; slot <= kLastSlot; ++slot)
        resetMechRecord(slot);
}

void MechRecordStore::removeMechRecord(int slot) {
    // Check before shifting, so a bad slot changes nothing at all.
    checked(slot);
    for (int i = slot; i < kLastSlot; ++i)
        slots_[static_cast<std::size_t>(i)] = std::move(slots_[static_cast<std::size_t>(i) + 1]);
    resetMechRecord(kLastSlot);
}

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/MechRecordStore.h"

#include <cassert>

namespace caldrix {

namespace {

// The game only ever asks for slots it owns; any other is a fault.
std::size_t checked(int slot) {
    assert(slot >= kFirstSlot && slot <= kLastSlot);
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
    return slots_.write()[checked(slot)];
}

const MechRecord& MechRecordStore::operator[](int slot) const {
    return (*slots_)[checked(slot)];
}

void MechRecordStore::restore(RecordSlots slots) {
    assert(slots->size() == kSlotCount);
    slots_ = std::move(slots);
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
    std::vector<MechRecord>& slots = slots_.write();
    for (std::size_t i = checked(slot); i < kLastSlot; ++i)
        slots[i] = std::move(slots[i + 1]);
    resetMechRecord(kLastSlot);
}

} // namespace caldrix

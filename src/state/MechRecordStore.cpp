// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/MechRecordStore.h"

namespace caldrix {

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

MechRecord MechRecordStore::Record(int slot) const {
    MechRecord r;
    r.HeatSinks = MechHeatSinks(slot);
    r.Heat = MechHeat(slot);
    r.DHS = MechDHS(slot);
    r.MovementType = MechMovementType(slot);
    r.HexesJumped = MechHexesJumped(slot);
    r.AttemptsToStand = MechAttemptsToStand(slot);
    r.WeaponHeat = MechWeaponHeat(slot);
    r.Fire = MechFire(slot);
    r.WalkingThroughFire = MechWalkingThroughFire(slot);
    r.FireHexes = MechFireHexes(slot);
    r.StandingInFire = MechStandingInFire(slot);
    r.EngineHits = MechEngineHits(slot);
    r.ConditionMod2Fier = MechConditionMod2Fier(slot);
    r.ConditionMP = MechConditionMP(slot);
    r.ConditionShutdown = MechConditionShutdown(slot);
    r.ConditionAmmoExp = MechConditionAmmoExp(slot);
    r.OtherHeat = MechOtherHeat(slot);
    return r;
}

void MechRecordStore::SetRecord(int slot, const MechRecord& r) {
    MechHeatSinks(slot) = r.HeatSinks;
    MechHeat(slot) = r.Heat;
    MechDHS(slot) = r.DHS;
    MechMovementType(slot) = r.MovementType;
    MechHexesJumped(slot) = r.HexesJumped;
    MechAttemptsToStand(slot) = r.AttemptsToStand;
    MechWeaponHeat(slot) = r.WeaponHeat;
    MechFire(slot) = r.Fire;
    MechWalkingThroughFire(slot) = r.WalkingThroughFire;
    MechFireHexes(slot) = r.FireHexes;
    MechStandingInFire(slot) = r.StandingInFire;
    MechEngineHits(slot) = r.EngineHits;
    MechConditionMod2Fier(slot) = r.ConditionMod2Fier;
    MechConditionMP(slot) = r.ConditionMP;
    MechConditionShutdown(slot) = r.ConditionShutdown;
    MechConditionAmmoExp(slot) = r.ConditionAmmoExp;
    MechOtherHeat(slot) = r.OtherHeat;
}

TurnState MechRecordStore::TurnStateOf(int slot) const {
    return {MechHeat(slot),
            MechConditionMod2Fier(slot),
            MechConditionMP(slot),
            MechConditionShutdown(slot),
            MechConditionAmmoExp(slot),
            MechAttemptsToStand(slot),
            MechWeaponHeat(slot)};
}

void MechRecordStore::RestoreTurnState(int slot, const TurnState& s) {
    MechHeat(slot) = s.Heat;
    MechConditionMod2Fier(slot) = s.ConditionMod2Fier;
    MechConditionMP(slot) = s.ConditionMP;
    MechConditionShutdown(slot) = s.ConditionShutdown;
    MechConditionAmmoExp(slot) = s.ConditionAmmoExp;
    MechAttemptsToStand(slot) = s.AttemptsToStand;
    MechWeaponHeat(slot) = s.WeaponHeat;
}

void MechRecordStore::ResetMechRecord(int slot) {
    static const MechRecord defaults = MechRecord::Defaults();
    SetRecord(slot, defaults);
}

void MechRecordStore::ResetMechRecords() {
    for (int slot = 1; slot <= kLastSlot; ++slot)
        ResetMechRecord(slot);
}

void MechRecordStore::RemoveMechRecord(int slot) {
    // Check before shifting, so a bad slot changes nothing at all.
    (void)MechHeat(slot);
    for (int i = slot; i < kLastSlot; ++i)
        SetRecord(i, Record(i + 1));
    ResetMechRecord(kLastSlot);
}

} // namespace caldrix

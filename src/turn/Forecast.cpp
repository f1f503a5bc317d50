// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/Forecast.h"

#include "turn/HeatEffects.h"

namespace caldrix {

namespace {
const char* const kDash = "\u2014";
} // namespace

MechEntries EntriesOf(const MechRecord& r) {
    MechEntries e;
    e.CarriedHeat = r.Heat;
    e.OtherHeat = r.OtherHeat;
    e.MovementType = r.MovementType;
    e.HexesJumped = r.HexesJumped;
    e.AttemptsToStand = r.AttemptsToStand;
    e.WeaponHeat = r.WeaponHeat;
    e.HeatSinks = r.HeatSinks;
    e.EngineHits = r.EngineHits;
    e.FireHexes = r.FireHexes;
    e.DoubleHeatSinks = r.DoubleHeatSinks;
    e.Fire = r.Fire;
    // The window selects "Walking Through" whenever its flag is set.
    e.WalkingThroughFire = r.WalkingThroughFire;
    e.StandingInFire = r.StandingInFire && !r.WalkingThroughFire;
    return e;
}

MechForecast Forecast(const MechRecord& record) {
    MechForecast f;
    f.HeatNow = record.Heat;
    const EntryCheck check = CheckEntries(EntriesOf(record));
    if (!check.Balance) {
        f.Problem = check.Messages.front();
        return f;
    }
    f.Balance = *check.Balance;
    f.Level = f.Balance.NewLevel;
    f.Mod2Fier = FireModifierText(f.Level);
    f.MP = MovementPenaltyText(f.Level);
    f.ShutdownAutomatic = AutomaticShutdown(f.Level);
    f.ShutdownAvoidOn = ShutdownAvoidOn(f.Level);
    f.AmmoAvoidOn = AmmoAvoidOn(f.Level);
    return f;
}

std::string ShutdownText(const MechForecast& f) {
    if (f.ShutdownAutomatic)
        return "automatic";
    return f.ShutdownAvoidOn ? AvoidOnText(f.ShutdownAvoidOn) : kDash; // 0: no roll
}

std::string AmmoText(const MechForecast& f) {
    return f.AmmoAvoidOn ? AvoidOnText(f.AmmoAvoidOn) : kDash;
}

std::string ForecastLine(const MechForecast& f) {
    std::string line = "heat " + std::to_string(f.HeatNow);
    if (f.Problem)
        return line + ": " + *f.Problem;
    line += " \u2192 " + std::to_string(f.Level);
    std::string effects;
    auto add = [&effects](std::string_view text) {
        if (!text.empty())
            effects.append(effects.empty() ? "" : ", ").append(text);
    };
    add(f.MP);
    add(f.Mod2Fier);
    if (f.ShutdownAutomatic)
        add("shutdown automatic");
    else if (f.ShutdownAvoidOn)
        add("shutdown " + AvoidOnText(f.ShutdownAvoidOn));
    if (f.AmmoAvoidOn)
        add("ammo explosion " + AvoidOnText(f.AmmoAvoidOn));
    return effects.empty() ? line : line + ": " + effects;
}

} // namespace caldrix

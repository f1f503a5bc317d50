// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/Forecast.h"

#include "turn/HeatEffects.h"

namespace caldrix {

namespace {
const char* const kDash = "\u2014";
} // namespace

MechForecast forecast(const MechRecord& record) {
    MechForecast f;
    f.heatNow = record.heat;
    const EntryCheck check = checkEntries(record);
    if (!check.balance) {
        f.problem = check.messages.front();
        return f;
    }
    f.balance = *check.balance;
    f.level = f.balance.newLevel;
    f.mod2Fier = fireModifierText(f.level);
    f.mp = movementPenaltyText(f.level);
    f.shutdownAutomatic = automaticShutdown(f.level);
    f.shutdownAvoidOn = shutdownAvoidOn(f.level);
    f.ammoAvoidOn = ammoAvoidOn(f.level);
    return f;
}

std::string shutdownText(const MechForecast& f) {
    if (f.shutdownAutomatic)
        return "automatic";
    return f.shutdownAvoidOn ? avoidOnText(f.shutdownAvoidOn) : kDash; // 0: no roll
}

std::string ammoText(const MechForecast& f) {
    return f.ammoAvoidOn ? avoidOnText(f.ammoAvoidOn) : kDash;
}

std::string forecastLine(const MechForecast& f) {
    std::string line = "heat " + std::to_string(f.heatNow);
    if (f.problem)
        return line + ": " + *f.problem;
    line += " \u2192 " + std::to_string(f.level);
    std::string effects;
    auto add = [&effects](std::string_view text) {
        if (!text.empty())
            effects.append(effects.empty() ? "" : ", ").append(text);
    };
    add(f.mp);
    add(f.mod2Fier);
    if (f.shutdownAutomatic)
        add("shutdown automatic");
    else if (f.shutdownAvoidOn)
        add("shutdown " + avoidOnText(f.shutdownAvoidOn));
    if (f.ammoAvoidOn)
        add("ammo explosion " + avoidOnText(f.ammoAvoidOn));
    return effects.empty() ? line : line + ": " + effects;
}

} // namespace caldrix

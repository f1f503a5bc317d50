// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/Forecast.h"

#include "turn/HeatEffects.h"

namespace caldrix {

namespace {
const char* const kDash = "\u2014";
} // namespace

MechForecast forecast(const MechRecord& record, const OptionalRules& rules) {
    MechForecast f;
    f.heatNow = record.heat;
    const EntryCheck check = checkEntries(record, rules);
    if (!check.balance) {
        f.problem = check.messages.front();
        return f;
    }
    f.balance = *check.balance;
    f.level = f.balance.newLevel;
    const bool expanded = rules.expandedScale;
    f.mod2Fier = fireModifierText(f.level, expanded);
    f.mp = movementPenaltyText(f.level, expanded);
    f.shutdownAutomatic = automaticShutdown(f.level, expanded);
    f.shutdownAvoidOn = shutdownAvoidOn(f.level, expanded);
    f.down = shutDownNow(record, rules);
    f.ammoAutomatic = automaticAmmoExplosion(f.level, expanded);
    f.ammoAvoidOn = ammoAvoidOn(f.level, expanded);
    f.pilotAvoidOn = pilotAvoidOn(f.level, expanded);
    f.systemAvoidOn = systemAvoidOn(f.level, expanded);
    if (rules.coolantFailure && f.balance.heatSinkCount > 0) // only what is left can be lost
        f.coolantFailsOn = coolantFailsOn(f.level);
    return f;
}

std::string shutdownText(const MechForecast& f) {
    if (f.down) {
        if (f.level < kRestartRollLevel)
            return "shut down: restarts";
        return f.shutdownAutomatic ? "stays down" : avoidOnText(f.shutdownAvoidOn, "restart on");
    }
    if (f.shutdownAutomatic)
        return "automatic";
    return f.shutdownAvoidOn ? avoidOnText(f.shutdownAvoidOn) : kDash; // 0: no roll
}

std::string ammoText(const MechForecast& f) {
    if (f.ammoAutomatic)
        return "automatic";
    return f.ammoAvoidOn ? avoidOnText(f.ammoAvoidOn) : kDash;
}

std::string pilotText(const MechForecast& f) {
    return f.pilotAvoidOn ? avoidOnText(f.pilotAvoidOn) : kDash;
}

std::string systemText(const MechForecast& f) {
    return f.systemAvoidOn ? avoidOnText(f.systemAvoidOn) : kDash;
}

std::string coolantText(const MechForecast& f) {
    return f.coolantFailsOn ? avoidOnText(f.coolantFailsOn, "fails on") : kDash;
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
    if (f.down)
        add(shutdownText(f));
    else if (f.shutdownAutomatic)
        add("shutdown automatic");
    else if (f.shutdownAvoidOn)
        add("shutdown " + avoidOnText(f.shutdownAvoidOn));
    if (f.ammoAutomatic)
        add("ammo explosion automatic");
    else if (f.ammoAvoidOn)
        add("ammo explosion " + avoidOnText(f.ammoAvoidOn));
    if (f.pilotAvoidOn)
        add("pilot damage " + pilotText(f));
    if (f.systemAvoidOn)
        add("system failure " + systemText(f));
    if (f.coolantFailsOn)
        add("coolant " + coolantText(f));
    return effects.empty() ? line : line + ": " + effects;
}

} // namespace caldrix

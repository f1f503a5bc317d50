// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/OptionalRules.h"

namespace caldrix {

std::string rulesNote(const OptionalRules& rules) {
    std::string text;
    const auto add = [&text](const std::string& rule) {
        text += (text.empty() ? "" : ", ") + rule;
    };
    if (rules.shutdownLasts)
        add("shutdown lasts");
    if (rules.expandedScale)
        add("expanded heat scale to 50");
    if (rules.temperature != kRoomTemperature)
        add("temperature " + std::to_string(rules.temperature) + " \u00B0C");
    if (rules.coolantFailure)
        add("coolant failure");
    return "Rules: " + (text.empty() ? std::string("basic") : text);
}

int temperatureHeat(int celsius) {
    // Whole tens rounded away from the comfortable band: 51 °C is +1, -31 °C is -1.
    if (celsius > 50)
        return (celsius - 50 + 9) / 10;
    if (celsius < -30)
        return -((-30 - celsius + 9) / 10);
    return 0;
}

} // namespace caldrix

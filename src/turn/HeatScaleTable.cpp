// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/HeatScaleTable.h"

#include <cassert>

namespace caldrix {

namespace {
constexpr const char* k1 = "+1 Modifier to fire";
constexpr const char* k2 = "+2 Modifier to fire";
constexpr const char* k3 = "+3 Modifier to fire";
constexpr const char* k4 = "+4 Modifier to fire";
constexpr const char* m1 = "-1 Movement Points";
constexpr const char* m2 = "-2 Movement Points";
constexpr const char* m3 = "-3 Movement Points";
constexpr const char* m4 = "-4 Movement Points";
constexpr const char* m5 = "-5 Movement Points";
} // namespace

// Levels 28 and up avoid an ammunition explosion on 8, as the scale beside
// them tells the players.
const std::array<HeatScaleLevel, kHeatLevels> kHeatScale = {{
    {"", "", "", 0, 0},                             // 0
    {"", "", "", 0, 0},                             // 1
    {"", "", "", 0, 0},                             // 2
    {"", "", "", 0, 0},                             // 3
    {"", "", "", 0, 0},                             // 4
    {"-1 Movement Points", "", m1, 0, 0},           // 5
    {"", "", m1, 0, 0},                             // 6
    {"", "", m1, 0, 0},                             // 7
    {"+1 Modifier to Fire", k1, m1, 0, 0},          // 8
    {"", k1, m1, 0, 0},                             // 9
    {"-2 Movement Points", k1, m2, 0, 0},           // 10
    {"", k1, m2, 0, 0},                             // 11
    {"", k1, m2, 0, 0},                             // 12
    {"+2 Modifer to Fire", k2, m2, 0, 0},           // 13
    {"Shutdown, avoid on 4+", k2, m2, 4, 0},        // 14
    {"-3 movement Points", k2, m3, 4, 0},           // 15
    {"", k2, m3, 4, 0},                             // 16
    {"+3 Modifier to Fire", k3, m3, 4, 0},          // 17
    {"Shutdown, avoid on 6+", k3, m3, 6, 0},        // 18
    {"Ammo Explosion, avoid on 4+", k3, m3, 6, 4},  // 19
    {"-4 Movement Points", k3, m4, 6, 4},           // 20
    {"", k3, m4, 6, 4},                             // 21
    {"Shutdown, avoid on 8+", k3, m4, 8, 4},        // 22
    {"Ammo Explosion, avoid on 6+", k3, m4, 8, 6},  // 23
    {"+4 Modifier to Fire", k4, m4, 8, 6},          // 24
    {"-5 Movement Points", k4, m5, 8, 6},           // 25
    {"Shutdown, avoid on 10+", k4, m5, 10, 6},      // 26
    {"", k4, m5, 10, 6},                            // 27
    {"Ammo Explosion, avoid on 8+", k4, m5, 10, 8}, // 28
    {"", k4, m5, 10, 8},                            // 29
    {"Shutdown", k4, m5, kShutsDownWithoutRoll, 8}, // 30
}};

const HeatScaleLevel& heatScaleAt(int level) {
    assert(level >= 0 && level < kHeatLevels);
    return kHeatScale[static_cast<std::size_t>(level)];
}

} // namespace caldrix

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
constexpr const char* k5 = "+5 Modifier to fire";
constexpr const char* k6 = "+6 Modifier to fire";
constexpr const char* k7 = "+7 Modifier to fire";
constexpr const char* m6 = "-6 Movement Points";
constexpr const char* m7 = "-7 Movement Points";
constexpr const char* m8 = "-8 Movement Points";
constexpr const char* m9 = "-9 Movement Points";
constexpr int no = kWithoutRoll;
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
    {"Shutdown", k4, m5, kWithoutRoll, 8},          // 30
}};

// A shutdown number over 12 cannot be made on two dice: the 'Mech shuts down.
const std::array<HeatScaleLevel, kExpandedLevels - kMaxBasicLevel> kExpandedScale = {{
    {"Shutdown, avoid on 12+", k4, m5, 12, 8, 0, 0},          // 30
    {"-6 Movement Points", k4, m6, 12, 8, 0, 0},              // 31
    {"Pilot Damage, avoid on 8+", k4, m6, 12, 8, 8, 0},       // 32
    {"+5 Modifier to Fire", k5, m6, 12, 8, 8, 0},             // 33
    {"Shutdown, avoid on 14+", k5, m6, 14, 8, 8, 0},          // 34
    {"Ammo Exp. avoid on 10+", k5, m6, 14, 10, 8, 0},         // 35
    {"System Failure, avoid on 8+", k5, m6, 14, 10, 8, 8},    // 36
    {"-7 Movement Points", k5, m7, 14, 10, 8, 8},             // 37
    {"Shutdown, avoid on 16+", k5, m7, 16, 10, 8, 8},         // 38
    {"Pilot Damage, avoid on 10+", k5, m7, 16, 10, 10, 8},    // 39
    {"Ammo Exp. avoid on 12+", k5, m7, 16, 12, 10, 8},        // 40
    {"+6 Modifier to Fire", k6, m7, 16, 12, 10, 8},           // 41
    {"Shutdown, avoid on 18+", k6, m7, 18, 12, 10, 8},        // 42
    {"-8 Movement Points", k6, m8, 18, 12, 10, 8},            // 43
    {"System Failure, avoid on 10+", k6, m8, 18, 12, 10, 10}, // 44
    {"Ammo Explosion", k6, m8, 18, no, 10, 10},               // 45
    {"Shutdown, avoid on 20+", k6, m8, 20, no, 10, 10},       // 46
    {"Pilot Damage, avoid on 12+", k6, m8, 20, no, 12, 10},   // 47
    {"+7 Modifier to Fire", k7, m8, 20, no, 12, 10},          // 48
    {"-9 Movement Points", k7, m9, 20, no, 12, 10},           // 49
    {"Shutdown", k7, m9, no, no, 12, 10},                     // 50
}};

const HeatScaleLevel& heatScaleAt(int level, bool expanded) {
    assert(level >= 0 && level <= (expanded ? kMaxExpandedLevel : kMaxBasicLevel));
    if (expanded && level >= kMaxBasicLevel)
        return kExpandedScale[static_cast<std::size_t>(level - kMaxBasicLevel)];
    return kHeatScale[static_cast<std::size_t>(level)];
}

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace caldrix {

// One level of the heat scale: the text the panel prints beside it for the
// players (typos and all, as on their chart), and the rules of the level.
struct HeatScaleLevel {
    const char* scaleText;
    const char* fireModifier;    // condition text, empty below level 8
    const char* movementPenalty; // condition text, empty below level 5
    int shutdownAvoidOn;         // 0: no roll; over 12 or kWithoutRoll: shuts down
    int ammoAvoidOn;             // 0: no roll; kWithoutRoll: explodes
    int pilotAvoidOn = 0;        // the expanded scale's: 0, no roll
    int systemAvoidOn = 0;
};

inline constexpr int kHeatLevels = 31;
inline constexpr int kExpandedLevels = 51;
inline constexpr int kMaxBasicLevel = kHeatLevels - 1;
inline constexpr int kMaxExpandedLevel = kExpandedLevels - 1;
inline constexpr int kWithoutRoll = -1;

// Levels 0..30, indexed by level.
extern const std::array<HeatScaleLevel, kHeatLevels> kHeatScale;
// The expanded scale's levels 30..50, indexed by level - 30; below 30 it is the basic one.
extern const std::array<HeatScaleLevel, kExpandedLevels - kMaxBasicLevel> kExpandedScale;

// The panel's colours as 0xRRGGBB: a level cell at or below the 'Mech's level
// is lit light red with a red effect text, above it light grey with black.
namespace scale_colours {
inline constexpr std::uint32_t kLightGrey = 0xC0C0C0;
inline constexpr std::uint32_t kLightRed = 0xFF8080;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kRed = 0xFF0000;
} // namespace scale_colours

// Level 0..30 (0..50 on the expanded scale): the turn rules keep every level
// on the scale, so any other is a fault.
const HeatScaleLevel& heatScaleAt(int level, bool expanded = false);

} // namespace caldrix

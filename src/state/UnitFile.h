// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace caldrix {

// What a text unit file (.mtf) tells about a 'Mech: its name and heat sinks.
struct UnitFileMech {
    std::string name; // "chassis model"
    int heatSinks = 0;
    bool doubleHeatSinks = false;
};

struct UnitFileResult {
    std::optional<UnitFileMech> mech;
    std::string problem; // why nothing can be added, "it has no heat sinks line"
};

// Unit files larger than this are not read.
inline constexpr std::size_t kMaxUnitFileBytes = 1024 * 1024;

// Reads the file's bytes; never throws and never trusts the content.
UnitFileResult parseUnitFile(std::string_view bytes);

} // namespace caldrix

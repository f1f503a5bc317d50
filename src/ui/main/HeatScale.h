// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "turn/HeatScaleTable.h"

#include <array>

class QLabel;
class QWidget;

namespace caldrix {

// The heat-scale panel: level cells Label2(0..30) and effect texts
// Label3(0..30), and the expanded scale's 31..50 in a frame of their own.
// Painting changes only the cells whose colour changes.
class HeatScale {
public:
    static constexpr int kLevels = kExpandedLevels;

    // Builds both label arrays in their frames: levels 30..6 in the left
    // frame, 5..0 in the middle one, 50..31 in the expanded scale's.
    void build(QWidget* upperFrame, QWidget* lowerFrame, QWidget* expandedFrame);
    // The expanded scale's cells shown, and level 30 as it reads there.
    void setExpanded(bool expanded);

    // Cells 0..level lit light red with red texts, the rest light grey with
    // black texts.
    void paint(int level);

private:
    enum class Look { Initial, Dark, Lit };
    void setLook(int level, Look look);

    QWidget* panel_ = nullptr; // reads the level out to screen readers
    std::array<QLabel*, kLevels> cells_{};
    std::array<QLabel*, kLevels> effects_{};
    std::array<Look, kLevels> looks_{};
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "turn/HeatEffects.h"

#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace caldrix {

// One 'Mech's part in a completed turn.
struct MechTurnLine {
    std::string name;
    int before = 0;
    int after = 0;
    std::int64_t turnHeat = 0;
    HeatEffects effects; // the four texts and every roll made
    bool operator==(const MechTurnLine&) const = default;
};

struct LogEntry {
    enum class Kind { Turn, Note };
    Kind what = Kind::Note;
    int number = 0;                  // turns only
    std::vector<MechTurnLine> mechs; // turns only
    bool undone = false;             // turns only
    std::string text;                // notes only: failed turns, 'Mechs added and removed
    bool operator==(const LogEntry&) const = default;
};

// An entry never changes once written, so the history and every copy of
// it (a saved game in the making, say) share them.
using LogEntries = std::vector<std::shared_ptr<const LogEntry>>;

// The history of one game: every turn with its rolls, and notes of failed
// turns and roster changes. Kept with the game; a new game starts it afresh.
class TurnLog {
public:
    // The highest number a turn is ever given, so that the one after it
    // can still be counted without overflow.
    static constexpr int kLastTurn = std::numeric_limits<int>::max() - 1;

    // The number the next completed turn will get.
    int nextTurnNumber() const { return completed_ + 1; }

    // Gives the entry's index, for marking it undone later.
    std::size_t addTurn(std::vector<MechTurnLine> mechs);
    // One line per problem, "Atlas: Enter Heat Sinks".
    void addFailedTurn(const std::vector<std::string>& problems);
    void addCancelledTurn();
    void addMechAdded(const std::string& name);
    void addMechRemoved(const std::string& name);
    // Any other note: the rules chosen, say.
    void addNote(std::string text);
    // A turn taken back: it stays in the history, marked (a marked copy takes
    // its place), and its number is given again.
    void markUndone(std::size_t entry);
    void clear();
    // A whole history, as a saved game holds it.
    void restore(LogEntries entries);

    const LogEntries& entries() const { return entries_; }
    // Changes whenever the history is replaced as a whole (a new game, an
    // opened one), so that a view of it knows to start again.
    std::uint64_t generation() const { return generation_; }

    // Tab-separated, one row per 'Mech and turn, for a spreadsheet.
    std::string asText() const;

private:
    LogEntries entries_;
    int completed_ = 0;
    std::uint64_t generation_ = 0;
};

// "shutdown, avoid on 8+: 3 + 4 = 7, avoided" (at the table: "rolled 7 at the table").
std::string rollText(const RollRecord& roll);
// How a roll went: "shutdown avoided", "restarted", "coolant lost".
std::string rollOutcome(Danger danger, bool avoided);

// A completed turn in one sentence for a screen reader: "Turn 3: Atlas heat
// 14, shutdown avoided; Hunchback heat 8".
std::string turnSummary(const LogEntry& turn);

} // namespace caldrix

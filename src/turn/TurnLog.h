// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/MechRecordStore.h"
#include "turn/HeatEffects.h"

#include <optional>
#include <string>
#include <vector>

namespace caldrix {

// One 'Mech's part in a completed turn.
struct MechTurnLine {
    std::string Name;
    int Before = 0;
    int After = 0;
    std::int64_t TurnHeat = 0;
    HeatEffects Effects; // the four texts and every roll made
};

struct LogEntry {
    enum class Kind { Turn, Note };
    Kind What = Kind::Note;
    int Number = 0;                  // turns only
    std::vector<MechTurnLine> Mechs; // turns only
    bool Undone = false;             // turns only
    std::string Text;                // notes only: failed turns, 'Mechs added and removed
};

// The history of one game and what Undo Last Turn can take back. Kept in
// memory only; a new game starts it afresh.
class TurnLog {
public:
    // The number the next completed turn will get.
    int NextTurnNumber() const { return completed_ + 1; }

    // `before` holds every 'Mech's turn state just before the turn, in roster order.
    void AddTurn(std::vector<MechTurnLine> mechs, std::vector<TurnState> before);
    // One line per problem, "Atlas: Enter Heat Sinks".
    void AddFailedTurn(const std::vector<std::string>& problems);
    void AddCancelledTurn();
    // Changing the roster ends what can be undone.
    void AddMechAdded(const std::string& name);
    void AddMechRemoved(const std::string& name);
    void Clear();

    bool CanUndo() const { return !undo_.empty(); }
    // Marks the last completed turn undone and gives back the states to restore.
    std::optional<std::vector<TurnState>> Undo();

    const std::vector<LogEntry>& Entries() const { return entries_; }

    // Tab-separated, one row per 'Mech and turn, for a spreadsheet.
    std::string AsText() const;

private:
    void AddNote(std::string text);
    struct UndoStep {
        std::size_t Entry;
        std::vector<TurnState> Before;
    };
    std::vector<LogEntry> entries_;
    std::vector<UndoStep> undo_;
    int completed_ = 0;
};

// "shutdown, avoid on 8+: 3 + 4 = 7, avoided" (at the table: "rolled 7 at the table").
std::string RollText(const RollRecord& roll);

} // namespace caldrix

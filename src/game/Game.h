// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/MechRecordStore.h"
#include "state/UnitFile.h"
#include "turn/HeatEffects.h"
#include "turn/RandomSource.h"
#include "turn/TurnLog.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace caldrix {

// One roll the players make with their own dice.
struct RollRequest {
    int Row = 0;
    std::string Name;
    Danger Kind = Danger::Shutdown;
    int Level = 0;
    int AvoidOn = 0;
};

// Asks the players for the total of one roll; nothing when they cancel the turn.
class DiceQuestionInterface {
public:
    virtual ~DiceQuestionInterface() = default;
    virtual std::optional<int> AskTotal(const RollRequest& request,
                                        const std::string& question) = 0;
};

// A message of a failed turn, and the roster row it is about.
struct TurnMessage {
    int Row = 0;
    std::string Text;
    bool operator==(const TurnMessage&) const = default;
};

struct TurnOutcome {
    enum class Result { NoMechs, Failed, Cancelled, Completed };
    Result What = Result::NoMechs;
    std::vector<TurnMessage> Messages; // a failed turn's, in the order the players see them
    // A completed turn's entry in the history: each 'Mech's level,
    // conditions and rolls, in roster order. Valid until the game changes.
    const LogEntry* Turn = nullptr;
};

// What Undo puts back: every record as it was when Next Turn was pressed.
struct UndoStep {
    std::size_t Entry = 0; // the turn's entry in the history
    std::vector<MechRecord> Before;
    bool operator==(const UndoStep&) const = default;
};

// Everything a game is, as a saved game holds it.
struct GameState {
    std::vector<std::string> Names;
    std::vector<MechRecord> Records; // slots 0..256
    int Selected = -1;
    std::vector<LogEntry> Log;
    std::vector<UndoStep> Undo;
    bool DiceAtTable = false;
    bool operator==(const GameState&) const = default;
};

// A game seen whole without a copy, as a saved-game writer reads it. The
// generation changes whenever the history may have been replaced.
struct GameView {
    const std::vector<std::string>& Names;
    const MechRecord* Records; // slots 0..256
    int Selected;
    const std::vector<LogEntry>& Log;
    const std::vector<UndoStep>& Undo;
    bool DiceAtTable;
    std::uint64_t Generation;
};

inline GameView ViewOf(const GameState& state) {
    return {state.Names,
            state.Records.data(),
            state.Selected,
            state.Log,
            state.Undo,
            state.DiceAtTable,
            0};
}

// The game: the roster, one record per slot, the history and what Undo can
// take back. Every player action is an operation here; the windows only show
// the game and forward edits. Never shows anything itself.
class Game {
public:
    Game(RandomSourceInterface& random, DiceQuestionInterface& table);

    int MechCount() const { return static_cast<int>(names_.size()); }
    const std::string& MechName(int row) const { return names_.at(static_cast<std::size_t>(row)); }
    const std::vector<std::string>& MechNames() const { return names_; }
    const MechRecord& Record(int slot) const { return store_[slot]; }
    const TurnLog& Log() const { return log_; }

    // The selected row, -1 for none. Edits go to its slot; with none, to
    // the scratch slot 0.
    int Selected() const { return selected_; }
    void Select(int row);
    int CurrentMechSlot() const { return caldrix::CurrentMechSlot(selected_); }

    // Empties the roster and the history and resets slots 1..256.
    void NewGame();
    // Appends a 'Mech with a default record; false when the roster is full.
    bool AddMech(const std::string& name);
    // A 'Mech from a unit file: its name, heat sinks, and no engine hits.
    bool AddUnit(const UnitFileMech& unit);
    // Removes the 'Mech and its record; nothing is selected afterwards.
    bool RemoveMech(int row);

    // Stores one entry as typed; true when it changed the record.
    template <typename T> bool Set(int slot, T MechRecord::*field, T value) {
        T& current = store_[slot].*field;
        if (current == value)
            return false;
        current = std::move(value);
        Changed();
        return true;
    }

    // All or nothing: every 'Mech's heat advances one turn, or no record
    // changes at all. Ends with the first 'Mech selected.
    TurnOutcome NextTurn();

    // The number of the turn Undo takes back, 0 when there is none.
    int UndoTurnNumber() const;
    // Puts every record back as it was when that Next Turn was pressed.
    bool Undo();

    bool DiceAtTable() const { return diceAtTable_; }
    // The players' choice; the window calls it only when they make one.
    void SetDiceAtTable(bool atTable);

    // Rises with every change, so that a saver knows when there is something new.
    std::uint64_t Revision() const { return revision_; }

    GameState State() const;
    GameView View() const;
    // Takes a state that a saved-game reader has checked whole.
    void Restore(GameState state);

private:
    void Changed() { ++revision_; }
    void RosterChanged();

    RandomSourceInterface& random_;
    DiceQuestionInterface& table_;
    std::vector<std::string> names_;
    MechRecordStore store_;
    int selected_ = -1;
    TurnLog log_;
    std::vector<UndoStep> undo_;
    bool diceAtTable_ = false;
    std::uint64_t revision_ = 0;
    std::uint64_t generation_ = 0;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/MechRecordStore.h"
#include "state/RecordFields.h"
#include "state/UnitFile.h"
#include "turn/HeatEffects.h"
#include "turn/OptionalRules.h"
#include "turn/RandomSource.h"
#include "turn/TurnLog.h"

#include <cassert>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace caldrix {

// One roll the players make with their own dice: the roster row it is for.
struct RollRequest {
    int row = 0;
};

// Asks the players for the total of one roll; nothing when they cancel the turn.
class DiceQuestionInterface {
public:
    virtual ~DiceQuestionInterface() = default;
    virtual std::optional<int> askTotal(const RollRequest& request,
                                        const std::string& question) = 0;
};

// A message of a failed turn, and the roster row it is about.
struct TurnMessage {
    int row = 0;
    std::string text;
    bool operator==(const TurnMessage&) const = default;
};

struct TurnOutcome {
    enum class Result { NoMechs, Failed, Cancelled, Completed };
    Result what = Result::NoMechs;
    std::vector<TurnMessage> messages; // a failed turn's, in the order the players see them
    // A completed turn's entry in the history: each 'Mech's level,
    // conditions and rolls, in roster order. Valid until the game changes.
    const LogEntry* turn = nullptr;
};

// What Undo puts back: every record as it was when Next Turn was pressed.
// Never changed once taken, so shared like the history's entries.
struct UndoStep {
    std::size_t entry = 0; // the turn's entry in the history
    std::vector<MechRecord> before;
    bool operator==(const UndoStep&) const = default;
};
using UndoSteps = std::vector<std::shared_ptr<const UndoStep>>;

// Everything a game is, as a saved game holds it. A copy shares what it
// holds with the game it came from, so taking one costs next to nothing.
struct GameState {
    CopyOnWrite<std::vector<std::string>> names;
    RecordSlots records{std::vector<MechRecord>(kSlotCount)};
    int selected = -1;
    LogEntries log;
    UndoSteps undo;
    bool diceAtTable = false;
    OptionalRules rules;
    // Compares what the entries and steps hold, not where they are.
    bool operator==(const GameState& other) const;
};

// The game: the roster, one record per slot, the history and what Undo can
// take back. Every player action is an operation here; the windows only show
// the game and forward edits. Never shows anything itself.
class Game {
public:
    Game(RandomSourceInterface& random, DiceQuestionInterface& table);
    // A game whose window asks the table's questions, once it exists.
    explicit Game(RandomSourceInterface& random) : random_(random) { store_.resetMechRecords(); }
    void setDiceQuestion(DiceQuestionInterface& table) { table_ = &table; }

    int mechCount() const { return static_cast<int>(names_->size()); }
    const std::string& mechName(int row) const {
        assert(row >= 0 && row < mechCount());
        return (*names_)[static_cast<std::size_t>(row)];
    }
    const std::vector<std::string>& mechNames() const { return *names_; }
    const TurnLog& log() const { return log_; }

    // The selected row, -1 for none: edits go to its 'Mech, or nowhere.
    int selected() const { return selected_; }
    void select(int row);

    // Empties the roster and the history and resets slots 1..256.
    void newGame();
    // Appends a 'Mech with a default record; false when the roster is full.
    bool addMech(const std::string& name);
    // A 'Mech from a unit file: its name, heat sinks, and no engine hits.
    bool addUnit(const UnitFileMech& unit);
    // Removes the 'Mech and its record; nothing is selected afterwards.
    bool removeMech(int row);

    // The record of the 'Mech at a roster row.
    const MechRecord& mechRecord(int row) const { return store_[row + 1]; }
    // Stores an entry the player typed into the selected 'Mech's record;
    // true when it changed the record. With none selected it goes nowhere.
    // Choosing one fire option clears the other, as the option buttons do.
    bool edit(const RecordEdit& edit);

    // All or nothing: every 'Mech's heat advances one turn, or no record
    // changes at all. Ends with the first 'Mech selected.
    TurnOutcome nextTurn();

    // The number of the turn Undo takes back, 0 when there is none.
    int undoTurnNumber() const;
    // Puts every record back as it was when that Next Turn was pressed.
    bool undo();

    bool diceAtTable() const { return diceAtTable_; }
    // The players' choice; the window calls it only when they make one.
    void setDiceAtTable(bool atTable);

    const OptionalRules& rules() const { return rules_; }
    // The players' choice of optional rules, for the rest of the game. Like
    // a roster change it ends what Undo can take back, and the history notes
    // it. A rule turned off leaves no trace of itself in the records.
    bool setRules(const OptionalRules& rules);

    // Rises with every change, so that a saver knows when there is something new.
    std::uint64_t revision() const { return revision_; }

    // The game as it stands, shared with it: no record is copied.
    GameState state() const;
    // Takes a state that a saved-game reader has checked whole.
    void restore(GameState state);

private:
    void changed() { ++revision_; }
    void rosterChanged();

    RandomSourceInterface& random_;
    DiceQuestionInterface* table_ = nullptr;
    CopyOnWrite<std::vector<std::string>> names_;
    MechRecordStore store_;
    int selected_ = -1;
    TurnLog log_;
    UndoSteps undo_;
    bool diceAtTable_ = false;
    OptionalRules rules_;
    std::uint64_t revision_ = 0;
};

} // namespace caldrix

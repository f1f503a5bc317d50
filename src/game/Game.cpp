// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"

#include "turn/Forecast.h"
#include "turn/HeatBalance.h"

namespace caldrix {

namespace {

// The players roll their own dice and type the total. Each question after
// the first says how the last roll went.
class TableDice : public DiceSourceInterface {
public:
    explicit TableDice(DiceQuestionInterface& question) : question_(question) {}

    void About(int row, const std::string& name) {
        row_ = row;
        name_ = name;
    }

    std::optional<Dice> Roll(Danger danger, int level, int avoidOn) override {
        const bool shutdown = danger == Danger::Shutdown;
        const std::string question = last_ + name_ + " is at heat " + std::to_string(level) +
                                     ". Roll two dice against " +
                                     (shutdown ? "a shutdown" : "an ammunition explosion") + ": " +
                                     std::to_string(avoidOn) + " or more avoids it.";
        const std::optional<int> total =
            question_.AskTotal({row_, name_, danger, level, avoidOn}, question);
        if (!total || *total < kLowestTotal || *total > kHighestTotal)
            return std::nullopt;
        last_ = std::string(shutdown ? "Shutdown" : "Ammo explosion") +
                (*total >= avoidOn ? " avoided" : " not avoided") + " with " +
                std::to_string(*total) + ".\n";
        Dice dice;
        dice.DiceTotal = static_cast<std::int16_t>(*total);
        dice.AtTable = true;
        return dice;
    }

private:
    DiceQuestionInterface& question_;
    int row_ = 0;
    std::string name_;
    std::string last_;
};

} // namespace

Game::Game(RandomSourceInterface& random, DiceQuestionInterface& table)
    : random_(random), table_(table) {
    store_.ResetMechRecords();
}

void Game::Select(int row) {
    const int selected = row >= 0 && row < MechCount() ? row : -1;
    if (selected == selected_)
        return;
    selected_ = selected; // saved with the game, so a change like any other
    Changed();
}

void Game::RosterChanged() {
    undo_.clear(); // the records Undo would put back no longer match the roster
    Changed();
}

void Game::NewGame() {
    ++generation_;
    store_.ResetMechRecords();
    names_.clear();
    selected_ = -1;
    log_.Clear();
    RosterChanged();
}

bool Game::AddMech(const std::string& name) {
    if (MechCount() >= kMaxMechs)
        return false;
    names_.push_back(name); // its slot already holds the defaults
    log_.AddMechAdded(name);
    RosterChanged();
    return true;
}

bool Game::AddUnit(const UnitFileMech& unit) {
    if (!AddMech(unit.Name))
        return false;
    MechRecord& record = store_[MechCount()];
    record.HeatSinks = std::to_string(unit.HeatSinks);
    record.DoubleHeatSinks = unit.DoubleHeatSinks;
    record.EngineHits = "None";
    return true;
}

bool Game::RemoveMech(int row) {
    if (row < 0 || row >= MechCount())
        return false;
    store_.RemoveMechRecord(row + 1);
    log_.AddMechRemoved(names_[static_cast<std::size_t>(row)]);
    names_.erase(names_.begin() + row);
    selected_ = -1;
    RosterChanged();
    return true;
}

TurnOutcome Game::NextTurn() {
    TurnOutcome outcome;
    const int mechs = MechCount();
    if (mechs == 0)
        return outcome; // no 'Mechs, no turn
    // Marked changed only once the turn has ended, whichever way: a saver
    // that looks in while the players answer a question sees no change.
    struct MarkAtEnd {
        Game& game;
        ~MarkAtEnd() { game.Changed(); }
    } const markAtEnd{*this};
    if (log_.NextTurnNumber() > TurnLog::kLastTurn) {
        selected_ = 0;
        outcome.Messages.push_back({0, messages::kNoMoreTurns});
        outcome.What = TurnOutcome::Result::Failed;
        return outcome;
    }
    random_.Reseed();

    // Validation: every 'Mech is checked, and once one entry failed, every
    // later 'Mech ends with the turn's failure too.
    bool failed = false;
    std::vector<HeatBalance> balances(static_cast<std::size_t>(mechs));
    std::vector<std::string> problems;
    for (int row = 0; row < mechs; ++row) {
        random_.Reseed();
        const EntryCheck check = CheckEntries(EntriesOf(store_[row + 1]));
        for (const std::string& message : check.Messages) {
            outcome.Messages.push_back({row, message});
            problems.push_back(names_[static_cast<std::size_t>(row)] + ": " + message);
        }
        failed = failed || !check.Messages.empty();
        if (failed)
            outcome.Messages.push_back({row, messages::kTurnNotCompleted});
        else
            balances[static_cast<std::size_t>(row)] = *check.Balance;
    }
    selected_ = 0;
    if (failed) {
        log_.AddFailedTurn(problems);
        outcome.What = TurnOutcome::Result::Failed;
        return outcome;
    }

    std::vector<MechRecord> before;
    before.reserve(static_cast<std::size_t>(mechs));
    for (int slot = 1; slot <= mechs; ++slot)
        before.push_back(store_[slot]);
    for (int row = 0; row < mechs; ++row)
        store_[row + 1].Heat = balances[static_cast<std::size_t>(row)].NewLevel;

    std::vector<MechTurnLine> lines;
    lines.reserve(static_cast<std::size_t>(mechs));
    GeneratorDice generator(random_);
    TableDice table(table_);
    DiceSourceInterface& dice = diceAtTable_ ? static_cast<DiceSourceInterface&>(table) : generator;
    for (int row = 0; row < mechs; ++row) {
        MechRecord& record = store_[row + 1];
        if (diceAtTable_) {
            // While the players roll, the record shows what is already certain.
            record.ConditionMod2Fier = FireModifierText(record.Heat);
            record.ConditionMP = MovementPenaltyText(record.Heat);
            record.ConditionShutdown = {};
            record.ConditionAmmoExp = {};
            table.About(row, names_[static_cast<std::size_t>(row)]);
        }
        std::optional<HeatEffects> effects = ApplyHeatEffects(record.Heat, dice);
        if (!effects) {
            for (int slot = 1; slot <= mechs; ++slot)
                store_[slot] = before[static_cast<std::size_t>(slot - 1)];
            log_.AddCancelledTurn();
            selected_ = 0;
            outcome.What = TurnOutcome::Result::Cancelled;
            return outcome;
        }
        record.ConditionMod2Fier = effects->Mod2Fier;
        record.ConditionMP = effects->MP;
        record.ConditionShutdown = effects->Shutdown;
        record.ConditionAmmoExp = effects->AmmoExp;
        lines.push_back({names_[static_cast<std::size_t>(row)],
                         before[static_cast<std::size_t>(row)].Heat, record.Heat,
                         balances[static_cast<std::size_t>(row)].TurnHeat, std::move(*effects)});
    }

    // This turn's attempts to stand and weapon heat are spent.
    for (int slot = 1; slot <= mechs; ++slot) {
        store_[slot].AttemptsToStand = "0";
        store_[slot].WeaponHeat = "0";
    }
    const std::size_t entry = log_.AddTurn(std::move(lines));
    undo_.push_back({entry, std::move(before)});
    outcome.Turn = &log_.Entries()[entry];
    selected_ = 0;
    outcome.What = TurnOutcome::Result::Completed;
    return outcome;
}

int Game::UndoTurnNumber() const {
    return undo_.empty() ? 0 : log_.Entries().at(undo_.back().Entry).Number;
}

bool Game::Undo() {
    if (undo_.empty())
        return false;
    const UndoStep step = std::move(undo_.back());
    undo_.pop_back();
    for (std::size_t i = 0; i < step.Before.size(); ++i)
        store_[static_cast<int>(i) + 1] = step.Before[i];
    log_.MarkUndone(step.Entry);
    Select(0);
    Changed();
    return true;
}

void Game::SetDiceAtTable(bool atTable) {
    diceAtTable_ = atTable;
    Changed();
}

GameState Game::State() const {
    GameState state;
    state.Names = names_;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
        state.Records.push_back(store_[slot]);
    state.Selected = selected_;
    state.Log = log_.Entries();
    state.Undo = undo_;
    state.DiceAtTable = diceAtTable_;
    return state;
}

GameView Game::View() const {
    return {names_, store_.Slots(), selected_, log_.Entries(), undo_, diceAtTable_, generation_};
}

void Game::Restore(GameState state) {
    ++generation_;
    names_ = std::move(state.Names);
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
        store_[slot] = std::move(state.Records.at(static_cast<std::size_t>(slot)));
    Select(state.Selected);
    log_.Restore(std::move(state.Log));
    undo_ = std::move(state.Undo);
    diceAtTable_ = state.DiceAtTable;
    Changed();
}

} // namespace caldrix

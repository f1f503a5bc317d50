// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"

#include "turn/HeatBalance.h"
#include "turn/HeatScaleTable.h"

#include <algorithm>
#include <cassert>
#include <cctype>

namespace caldrix {

namespace {

// The players roll their own dice and type the total. Each question after
// the first says how the last roll went.
class TableDice : public DiceSourceInterface {
public:
    explicit TableDice(DiceQuestionInterface* question) : question_(question) {}

    void about(int row, const std::string& name) {
        row_ = row;
        name_ = name;
    }

    std::optional<Dice> roll(Danger danger, int level, int avoidOn) override {
        // What each danger is rolled against; restart and coolant ask their own way.
        static constexpr const char* kAgainst[] = {"a shutdown",   "an ammunition explosion", "",
                                                   "pilot damage", "a system failure",        ""};
        const std::string on = std::to_string(avoidOn) + " or more";
        const std::string heat = name_ + " (heat " + std::to_string(level) + "): " + on;
        std::string question;
        if (danger == Danger::Restart)
            question = "Restart roll for " + heat;
        else if (danger == Danger::Coolant)
            question = "Coolant roll for " + heat + " loses one point of heat dissipation";
        else
            question = name_ + " is at heat " + std::to_string(level) + ". Roll two dice against " +
                       kAgainst[static_cast<int>(danger)] + ": " + on + " avoids it.";
        const std::optional<int> total =
            question_ ? question_->askTotal({row_}, last_ + question) : std::nullopt;
        if (!total)
            return std::nullopt;
        // The table-roll box lets no other total through.
        assert(*total >= kLowestTotal && *total <= kHighestTotal);
        const bool avoided = avoids(danger, *total, avoidOn);
        std::string outcome = rollOutcome(danger, avoided);
        outcome[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(outcome[0])));
        last_ = outcome + " with " + std::to_string(*total) + ".\n";
        Dice dice;
        dice.diceTotal = static_cast<std::int16_t>(*total);
        dice.atTable = true;
        return dice;
    }

private:
    DiceQuestionInterface* question_; // none: every question is Cancel Turn
    int row_ = 0;
    std::string name_;
    std::string last_;
};

} // namespace

Game::Game(RandomSourceInterface& random, DiceQuestionInterface& table)
    : random_(random), table_(&table) {
    store_.resetMechRecords();
}

void Game::select(int row) {
    const int selected = row >= 0 && row < mechCount() ? row : -1;
    if (selected == selected_)
        return;
    selected_ = selected; // saved with the game, so a change like any other
    changed();
}

namespace {

// An edit always carries its field's kind of value; anything else is a
// programming error, and changes nothing.
template <typename T> void assign(T& target, const RecordEdit::Value& value) {
    const T* typed = std::get_if<T>(&value);
    assert(typed);
    if (typed)
        target = *typed;
}

} // namespace

bool Game::edit(const RecordEdit& edit) {
    assert(edit.field < kRecordFields.size());
    if (edit.field >= kRecordFields.size() || selected_ < 0)
        return false; // no 'Mech, no entry
    MechRecord& record = store_[selected_ + 1];
    const MechRecord before = record;
    std::visit(
        [&](const auto& member) {
            using Member = std::decay_t<decltype(member)>;
            if constexpr (std::is_same_v<Member, RecordField::Text> ||
                          std::is_same_v<Member, RecordField::Number> ||
                          std::is_same_v<Member, RecordField::Tick>) {
                assign(record.*member, edit.value);
            } else if constexpr (std::is_same_v<Member, RecordField::Flag>) {
                // The fire options are one group: choosing one clears the other.
                record.walkingThroughFire = record.standingInFire = false;
                assign(record.*member.member, edit.value);
            }
        },
        kRecordFields[edit.field].member);
    if (record == before)
        return false;
    changed();
    return true;
}

void Game::rosterChanged() {
    undo_.clear(); // the records Undo would put back no longer match the roster
    changed();
}

void Game::newGame() {
    store_.resetMechRecords();
    names_ = {};
    selected_ = -1;
    log_.clear();
    if (rules_ != OptionalRules{}) // the table's rules go on into the new game
        log_.addNote(rulesNote(rules_));
    rosterChanged();
}

bool Game::addMech(const std::string& name) {
    if (mechCount() >= kMaxMechs)
        return false;
    names_.write().push_back(name); // its slot already holds the defaults
    log_.addMechAdded(name);
    rosterChanged();
    return true;
}

bool Game::addUnit(const UnitFileMech& unit) {
    if (!addMech(unit.name))
        return false;
    MechRecord& record = store_[mechCount()];
    record.heatSinks = std::to_string(unit.heatSinks);
    record.doubleHeatSinks = unit.doubleHeatSinks;
    record.engineHits = "None";
    return true;
}

bool Game::removeMech(int row) {
    if (row < 0 || row >= mechCount())
        return false;
    store_.removeMechRecord(row + 1);
    log_.addMechRemoved(mechName(row));
    names_.write().erase(names_->begin() + row);
    selected_ = -1;
    rosterChanged();
    return true;
}

TurnOutcome Game::nextTurn() {
    TurnOutcome outcome;
    const int mechs = mechCount();
    if (mechs == 0)
        return outcome; // no 'Mechs, no turn
    // Marked changed only once the turn has ended, whichever way: a saver
    // that looks in while the players answer a question sees no change.
    struct MarkAtEnd {
        Game& game;
        ~MarkAtEnd() { game.changed(); }
    } const markAtEnd{*this};
    if (log_.nextTurnNumber() > TurnLog::kLastTurn) {
        selected_ = 0;
        outcome.messages.push_back({0, messages::kNoMoreTurns});
        outcome.what = TurnOutcome::Result::Failed;
        return outcome;
    }
    random_.reseed();

    // Validation: every 'Mech is checked, and once one entry failed, every
    // later 'Mech ends with the turn's failure too.
    bool failed = false;
    std::vector<HeatBalance> balances(static_cast<std::size_t>(mechs));
    std::vector<std::string> problems;
    for (int row = 0; row < mechs; ++row) {
        random_.reseed();
        const EntryCheck check = checkEntries(store_[row + 1], rules_);
        for (const std::string& message : check.messages) {
            outcome.messages.push_back({row, message});
            problems.push_back(mechName(row) + ": " + message);
        }
        failed = failed || !check.messages.empty();
        if (failed)
            outcome.messages.push_back({row, messages::kTurnNotCompleted});
        else
            balances[static_cast<std::size_t>(row)] = *check.balance;
    }
    selected_ = 0;
    if (failed) {
        log_.addFailedTurn(problems);
        outcome.what = TurnOutcome::Result::Failed;
        return outcome;
    }

    std::vector<MechRecord> before;
    before.reserve(static_cast<std::size_t>(mechs));
    for (int slot = 1; slot <= mechs; ++slot)
        before.push_back(store_[slot]);
    for (int row = 0; row < mechs; ++row)
        store_[row + 1].heat = balances[static_cast<std::size_t>(row)].newLevel;

    std::vector<MechTurnLine> lines;
    lines.reserve(static_cast<std::size_t>(mechs));
    GeneratorDice generator(random_);
    TableDice table(table_);
    DiceSourceInterface& dice = diceAtTable_ ? static_cast<DiceSourceInterface&>(table) : generator;
    for (int row = 0; row < mechs; ++row) {
        const bool expanded = rules_.expandedScale;
        if (diceAtTable_) {
            // While the players roll, the record shows what is already certain.
            MechRecord& shown = store_[row + 1];
            shown.conditionFire = fireModifierText(shown.heat, expanded);
            shown.conditionMovement = movementPenaltyText(shown.heat, expanded);
            shown.conditionShutdown = shown.conditionAmmo = {};
            shown.conditionPilot = shown.conditionSystem = {};
            table.about(row, mechName(row));
        }
        const MechRecord& rolling = store_[row + 1];
        const RollSituation situation{
            expanded, rules_.shutdownLasts, shutDownNow(rolling, rules_),
            rules_.coolantFailure && balances[static_cast<std::size_t>(row)].heatSinkCount > 0};
        std::optional<HeatEffects> effects = applyHeatEffects(rolling.heat, dice, situation);
        // Taken again: the questions ran the event loop, and the slots may be shared by now.
        MechRecord& record = store_[row + 1];
        if (!effects) {
            for (int slot = 1; slot <= mechs; ++slot)
                store_[slot] = before[static_cast<std::size_t>(slot - 1)];
            log_.addCancelledTurn();
            selected_ = 0;
            outcome.what = TurnOutcome::Result::Cancelled;
            return outcome;
        }
        record.conditionFire = effects->mod2Fier;
        record.conditionMovement = effects->mp;
        record.conditionShutdown = effects->shutdown;
        record.conditionAmmo = effects->ammoExp;
        record.conditionPilot = effects->pilot;
        record.conditionSystem = effects->system;
        record.shutDown = effects->down;
        if (effects->coolantLost)
            ++record.coolantLost;
        lines.push_back({mechName(row), before[static_cast<std::size_t>(row)].heat, record.heat,
                         balances[static_cast<std::size_t>(row)].turnHeat, std::move(*effects)});
    }

    // This turn's attempts to stand and weapon heat are spent.
    for (int slot = 1; slot <= mechs; ++slot) {
        store_[slot].attemptsToStand = "0";
        store_[slot].weaponHeat = "0";
    }
    const std::size_t entry = log_.addTurn(std::move(lines));
    undo_.push_back(std::make_shared<const UndoStep>(UndoStep{entry, std::move(before)}));
    outcome.turn = log_.entries()[entry].get();
    selected_ = 0;
    outcome.what = TurnOutcome::Result::Completed;
    return outcome;
}

int Game::undoTurnNumber() const {
    return undo_.empty() ? 0 : log_.entries()[undo_.back()->entry]->number;
}

bool Game::undo() {
    if (undo_.empty())
        return false;
    const std::shared_ptr<const UndoStep> step = std::move(undo_.back());
    undo_.pop_back();
    for (std::size_t i = 0; i < step->before.size(); ++i)
        store_[static_cast<int>(i) + 1] = step->before[i];
    log_.markUndone(step->entry);
    select(0);
    changed();
    return true;
}

bool Game::setRules(const OptionalRules& rules) {
    if (rules == rules_)
        return false;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) { // a file's scratch slot too
        MechRecord& record = store_[slot];
        if (!rules.shutdownLasts)
            record.shutDown = false;
        if (!rules.coolantFailure)
            record.coolantLost = 0;
        if (!rules.expandedScale) { // back on the basic scale, whose top is 30
            record.heat = std::min<std::int16_t>(record.heat, kMaxBasicLevel);
            record.conditionPilot = record.conditionSystem = {};
        }
    }
    rules_ = rules;
    log_.addNote(rulesNote(rules));
    rosterChanged();
    return true;
}

void Game::setDiceAtTable(bool atTable) {
    diceAtTable_ = atTable;
    changed();
}

GameState Game::state() const {
    return {names_, store_.shared(), selected_, log_.entries(), undo_, diceAtTable_, rules_};
}

void Game::restore(GameState state) {
    names_ = std::move(state.names);
    store_.restore(std::move(state.records));
    select(state.selected);
    log_.restore(std::move(state.log));
    undo_ = std::move(state.undo);
    diceAtTable_ = state.diceAtTable;
    rules_ = state.rules;
    changed();
}

namespace {
template <typename T>
bool sameValues(const std::vector<std::shared_ptr<const T>>& a,
                const std::vector<std::shared_ptr<const T>>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return *x == *y; });
}
} // namespace

bool GameState::operator==(const GameState& other) const {
    return names == other.names && records == other.records && selected == other.selected &&
           sameValues(log, other.log) && sameValues(undo, other.undo) &&
           diceAtTable == other.diceAtTable && rules == other.rules;
}

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/TurnLog.h"

#include <cassert>

namespace caldrix {

namespace {
// A spreadsheet cell: tabs and line breaks typed into a name would split it.
std::string cell(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}
} // namespace

std::size_t TurnLog::addTurn(std::vector<MechTurnLine> mechs) {
    ++completed_;
    LogEntry entry;
    entry.what = LogEntry::Kind::Turn;
    entry.number = completed_;
    entry.mechs = std::move(mechs);
    entries_.push_back(std::make_shared<const LogEntry>(std::move(entry)));
    return entries_.size() - 1;
}

void TurnLog::addFailedTurn(const std::vector<std::string>& problems) {
    std::string text = "Turn " + std::to_string(nextTurnNumber()) + " not completed";
    for (std::size_t i = 0; i < problems.size(); ++i)
        text += (i == 0 ? ": " : "; ") + problems[i];
    addNote(std::move(text));
}

void TurnLog::addCancelledTurn() {
    addNote("Turn " + std::to_string(nextTurnNumber()) + " cancelled at the table");
}

void TurnLog::addMechAdded(const std::string& name) {
    addNote("'Mech added: " + name);
}

void TurnLog::addMechRemoved(const std::string& name) {
    addNote("'Mech removed: " + name);
}

void TurnLog::clear() {
    ++generation_;
    entries_.clear();
    completed_ = 0;
}

void TurnLog::markUndone(std::size_t entry) {
    assert(entry < entries_.size());
    const LogEntry& turn = *entries_[entry];
    if (turn.what != LogEntry::Kind::Turn || turn.undone)
        return; // a note, or a turn taken back already
    auto marked = std::make_shared<LogEntry>(turn);
    marked->undone = true;
    entries_[entry] = std::move(marked);
    --completed_;
}

void TurnLog::restore(LogEntries entries) {
    ++generation_;
    entries_ = std::move(entries);
    completed_ = 0;
    for (const auto& entry : entries_)
        if (entry->what == LogEntry::Kind::Turn && !entry->undone)
            completed_ = entry->number;
}

void TurnLog::addNote(std::string text) {
    LogEntry entry;
    entry.text = std::move(text);
    entries_.push_back(std::make_shared<const LogEntry>(std::move(entry)));
}

namespace {

// Each danger in words: what the roll is for, how its number reads, how
// the roll went either way, and how a screen reader hears it strike.
struct DangerWords {
    const char* what;
    const char* on;
    const char* made;
    const char* missed;
    const char* struck;
};
constexpr DangerWords kDangerWords[] = {
    {"shutdown", "avoid on", "avoided", "not avoided", "shut down"},
    {"ammo explosion", "avoid on", "avoided", "not avoided", "ammo exploded"},
    {"restart", "restarts on", "restarted", "still shut down", "still shut down"},
    {"pilot damage", "avoid on", "avoided", "not avoided", "pilot hit"},
    {"system failure", "avoid on", "avoided", "not avoided", "system failure"},
    {"coolant", "fails on", "held", "lost", "coolant lost"}};

const DangerWords& wordsOf(Danger danger) {
    return kDangerWords[static_cast<int>(danger)];
}

} // namespace

std::string rollOutcome(Danger danger, bool avoided) {
    const DangerWords& w = wordsOf(danger);
    const char* how = avoided ? w.made : w.missed;
    return danger == Danger::Restart ? how : std::string(w.what) + " " + how;
}

std::string rollText(const RollRecord& roll) {
    const DangerWords& w = wordsOf(roll.kind);
    std::string text =
        std::string(w.what) + ", " + w.on + " " + std::to_string(roll.avoidOn) + "+: ";
    const Dice& d = roll.rolled;
    if (d.atTable)
        text += "rolled " + std::to_string(d.diceTotal) + " at the table";
    else
        text += std::to_string(d.die1) + " + " + std::to_string(d.die2) + " = " +
                std::to_string(d.diceTotal);
    return text + ", " + (roll.avoided ? w.made : w.missed);
}

std::string turnSummary(const LogEntry& turn) {
    std::string text = "Turn " + std::to_string(turn.number) + ":";
    const char* between = " ";
    for (const MechTurnLine& m : turn.mechs) {
        text += between + m.name + " heat " + std::to_string(m.after);
        between = "; ";
        bool shutdownRolled = false, ammoRolled = false;
        for (const RollRecord& roll : m.effects.rolls) {
            shutdownRolled =
                shutdownRolled || roll.kind == Danger::Shutdown || roll.kind == Danger::Restart;
            ammoRolled = ammoRolled || roll.kind == Danger::AmmoExplosion;
            text += ", " + (roll.avoided ? rollOutcome(roll.kind, true)
                                         : std::string(wordsOf(roll.kind).struck));
        }
        // What came without a roll.
        if (!shutdownRolled && !m.effects.shutdown.empty())
            text += m.effects.shutdown == conditions::kRestarted ? ", restarted" : ", shut down";
        if (!ammoRolled && !m.effects.ammoExp.empty())
            text += ", ammo exploded";
    }
    return text;
}

std::string TurnLog::asText() const {
    std::string text = "Turn\t'Mech\tHeat before\tHeat after\tHeat of turn\tFire modifier\t"
                       "Movement\tShutdown\tAmmo explosion\tRolls\n";
    for (const auto& shared : entries_) {
        const LogEntry& entry = *shared;
        if (entry.what == LogEntry::Kind::Note) {
            text += cell(entry.text) + "\n";
            continue;
        }
        std::string turn = std::to_string(entry.number) + (entry.undone ? " (undone)" : "");
        for (const MechTurnLine& m : entry.mechs) {
            std::string rolls;
            for (const RollRecord& roll : m.effects.rolls)
                rolls += (rolls.empty() ? "" : "; ") + rollText(roll);
            text += turn + "\t" + cell(m.name) + "\t" + std::to_string(m.before) + "\t" +
                    std::to_string(m.after) + "\t" + std::to_string(m.turnHeat) + "\t" +
                    std::string(m.effects.mod2Fier) + "\t" + std::string(m.effects.mp) + "\t" +
                    std::string(m.effects.shutdown) + "\t" + std::string(m.effects.ammoExp) + "\t" +
                    rolls + "\n";
        }
    }
    return text;
}

} // namespace caldrix

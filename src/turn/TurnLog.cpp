// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turn/TurnLog.h"

namespace caldrix {

namespace {
// A spreadsheet cell: tabs and line breaks typed into a name would split it.
std::string Cell(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}
} // namespace

std::size_t TurnLog::AddTurn(std::vector<MechTurnLine> mechs) {
    ++completed_;
    LogEntry entry;
    entry.What = LogEntry::Kind::Turn;
    entry.Number = completed_;
    entry.Mechs = std::move(mechs);
    entries_.push_back(std::move(entry));
    return entries_.size() - 1;
}

void TurnLog::AddFailedTurn(const std::vector<std::string>& problems) {
    std::string text = "Turn " + std::to_string(NextTurnNumber()) + " not completed";
    for (std::size_t i = 0; i < problems.size(); ++i)
        text += (i == 0 ? ": " : "; ") + problems[i];
    AddNote(std::move(text));
}

void TurnLog::AddCancelledTurn() {
    AddNote("Turn " + std::to_string(NextTurnNumber()) + " cancelled at the table");
}

void TurnLog::AddMechAdded(const std::string& name) {
    AddNote("'Mech added: " + name);
}

void TurnLog::AddMechRemoved(const std::string& name) {
    AddNote("'Mech removed: " + name);
}

void TurnLog::Clear() {
    ++generation_;
    entries_.clear();
    completed_ = 0;
}

void TurnLog::MarkUndone(std::size_t entry) {
    LogEntry& turn = entries_.at(entry);
    if (turn.What != LogEntry::Kind::Turn || turn.Undone)
        return; // a note, or a turn taken back already
    turn.Undone = true;
    --completed_;
}

void TurnLog::Restore(std::vector<LogEntry> entries) {
    ++generation_;
    entries_ = std::move(entries);
    completed_ = 0;
    for (const LogEntry& entry : entries_)
        if (entry.What == LogEntry::Kind::Turn && !entry.Undone)
            completed_ = entry.Number;
}

void TurnLog::AddNote(std::string text) {
    LogEntry entry;
    entry.Text = std::move(text);
    entries_.push_back(std::move(entry));
}

std::string RollText(const RollRecord& roll) {
    std::string text = roll.Kind == Danger::Shutdown ? "shutdown" : "ammo explosion";
    text += ", avoid on " + std::to_string(roll.AvoidOn) + "+: ";
    const Dice& d = roll.Rolled;
    if (d.AtTable)
        text += "rolled " + std::to_string(d.DiceTotal) + " at the table";
    else
        text += std::to_string(d.Die1) + " + " + std::to_string(d.Die2) + " = " +
                std::to_string(d.DiceTotal);
    return text + (roll.Avoided ? ", avoided" : ", not avoided");
}

std::string TurnLog::AsText() const {
    std::string text = "Turn\t'Mech\tHeat before\tHeat after\tHeat of turn\tFire modifier\t"
                       "Movement\tShutdown\tAmmo explosion\tRolls\n";
    for (const LogEntry& entry : entries_) {
        if (entry.What == LogEntry::Kind::Note) {
            text += Cell(entry.Text) + "\n";
            continue;
        }
        std::string turn = std::to_string(entry.Number) + (entry.Undone ? " (undone)" : "");
        for (const MechTurnLine& m : entry.Mechs) {
            std::string rolls;
            for (const RollRecord& roll : m.Effects.Rolls)
                rolls += (rolls.empty() ? "" : "; ") + RollText(roll);
            text += turn + "\t" + Cell(m.Name) + "\t" + std::to_string(m.Before) + "\t" +
                    std::to_string(m.After) + "\t" + std::to_string(m.TurnHeat) + "\t" +
                    std::string(m.Effects.Mod2Fier) + "\t" + std::string(m.Effects.MP) + "\t" +
                    std::string(m.Effects.Shutdown) + "\t" + std::string(m.Effects.AmmoExp) + "\t" +
                    rolls + "\n";
        }
    }
    return text;
}

} // namespace caldrix

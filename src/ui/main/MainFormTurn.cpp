// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// "Next Turn": the driver that takes every 'Mech through the turn rules.

#include "platform/Controls.h"
#include "ui/main/MainForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <limits>
#include <vector>

namespace caldrix {

namespace {

std::int16_t Narrow(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// Holds the heat-scale panel for the length of a turn.
class HeldScale {
public:
    explicit HeldScale(HeatScale& scale) : scale_(scale) { scale_.Hold(); }
    ~HeldScale() { scale_.Release(); }
    HeldScale(const HeldScale&) = delete;
    HeldScale& operator=(const HeldScale&) = delete;

private:
    HeatScale& scale_;
};

// The players roll their own dice and type the total.
class TableDice : public DiceSourceInterface {
public:
    TableDice(MessageBoxInterface& messages, HeatScale& scale, QString name)
        : messages_(messages), scale_(scale), name_(std::move(name)) {}

    std::optional<Dice> Roll(Danger danger, int level, int avoidOn) override {
        const QString what = danger == Danger::Shutdown ? QStringLiteral("a shutdown")
                                                        : QStringLiteral("an ammunition explosion");
        // One pass of arg(), so a name holding "%1" stays as typed.
        const QString text =
            QStringLiteral("%1 is at heat %2. Roll two dice against %3: %4 or more avoids it.")
                .arg(name_, QString::number(level), what, QString::number(avoidOn));
        scale_.Release(); // the players see this 'Mech's heat scale behind the box
        const std::optional<int> total = messages_.AskDiceTotal(text);
        scale_.Hold();
        if (!total)
            return std::nullopt;
        Dice dice;
        dice.DiceTotal = static_cast<std::int16_t>(*total);
        dice.AtTable = true;
        return dice;
    }

private:
    MessageBoxInterface& messages_;
    HeatScale& scale_;
    QString name_;
};

} // namespace

MechEntries MainForm::ReadEntries() const {
    const MainFormControls& c = ui_;
    MechEntries e;
    e.CarriedHeat = turn_.CurrentHeat;
    e.OtherHeat = static_cast<std::int16_t>(c.OtherHeat->value());
    e.MovementType = c.MovementType->currentText().toStdString();
    e.HexesJumped = c.HexesJumpedText->text().toStdString();
    e.AttemptsToStand = c.AttemptsToStand->text().toStdString();
    e.WeaponHeat = c.HeatGeneratedByWeapons->text().toStdString();
    e.HeatSinks = c.HeatSinks->text().toStdString();
    e.EngineHits = c.EngineHits->currentText().toStdString();
    e.FireHexes = c.WalkingThroughFireHexes->text().toStdString();
    e.DoubleHeatSinks = c.DHS->isChecked();
    e.Fire = c.Fire->isChecked();
    e.WalkingThroughFire = c.WalkingThroughFire->isChecked();
    e.StandingInFire = c.StandingInFire->isChecked();
    return e;
}

void MainForm::ShowConditions(const HeatEffects& effects) {
    ui_.ConditionMod2Fier->setText(QString::fromStdString(effects.Mod2Fier));
    ui_.ConditionShutdown->setText(QString::fromStdString(effects.Shutdown));
    ui_.ConditionAmmoExp->setText(QString::fromStdString(effects.AmmoExp));
    ui_.ConditionMP->setText(QString::fromStdString(effects.MP));
}

void MainForm::NextTurn_Click() {
    const int mechs = ui_.MechNames->count();
    if (mechs == 0)
        return; // no 'Mechs, no turn

    // Nothing is drawn while the handler runs, except behind a message box:
    // the panel is painted for real only then and at the end.
    HeldScale held(ui_.Scale);
    auto say = [this](const QString& text) {
        ui_.Scale.Release();
        services_.Messages.Inform(text);
        ui_.Scale.Hold();
    };
    turnRunning_ = true;

    // All a turn changes, kept to undo it later or to abandon it at the
    // table: loading a record writes back the values it already holds.
    std::vector<TurnState> before;
    for (int i = 1; i <= mechs; ++i)
        before.push_back(store_.TurnStateOf(i));

    // The driver selects rows itself and loads each record explicitly, so
    // the selection handler is kept quiet instead of loading twice.
    SelectMechQuietly(0);
    turn_.TurnError = 0;
    services_.Random.Reseed();

    // Validation pass: show each 'Mech, read its entries back, and work out
    // its new level. Heat is committed only if no entry of any 'Mech failed.
    std::vector<std::int16_t> NewHeat(kSlotCount, 0);
    std::vector<std::int64_t> turnHeat(kSlotCount, 0);
    std::vector<std::string> problems;
    for (int i = 1; i <= mechs; ++i) {
        SelectMechQuietly(i - 1);
        turn_.CurrentHeat = store_.MechHeat(i);
        turn_.TurnHeat = 0;
        services_.Random.Reseed();
        LoadMechRecord(i);

        const EntryCheck check = CheckEntries(ReadEntries());
        for (const std::string& message : check.Messages) {
            say(QString::fromStdString(message));
            problems.push_back(MechName(i - 1).toStdString() + ": " + message);
        }
        if (!check.Messages.empty())
            turn_.TurnError = 1;

        if (turn_.TurnError == 0) {
            const HeatBalance& balance = *check.Balance;
            turn_.HeatSinkCount = Narrow(balance.HeatSinkCount);
            turn_.TurnHeat = Narrow(balance.HeatSinkCount - balance.TurnHeat);
            turn_.CurrentHeat = balance.NewLevel;
            NewHeat[static_cast<std::size_t>(i)] = balance.NewLevel;
            turnHeat[static_cast<std::size_t>(i)] = balance.TurnHeat;
        } else {
            say(QString::fromLatin1(messages::kTurnNotCompleted));
        }
    }

    if (turn_.TurnError != 0) {
        // A failed turn changes no record: every entry stays as typed.
        log_.AddFailedTurn(problems);
    } else {
        for (int i = 1; i <= mechs; ++i)
            store_.MechHeat(i) = NewHeat[static_cast<std::size_t>(i)];

        // Effects pass: the selection stays on the last 'Mech while each
        // one's level is painted, rolled for and stored.
        GeneratorDice generator(services_.Random);
        std::vector<MechTurnLine> lines;
        bool cancelled = false;
        for (int i = 1; i <= mechs && !cancelled; ++i) {
            turn_.CurrentHeat = store_.MechHeat(i);
            PaintHeatScale(turn_.CurrentHeat);
            TableDice table(services_.Messages, ui_.Scale, MechName(i - 1));
            DiceSourceInterface& dice = ui_.mnuTableDice->isChecked()
                                            ? static_cast<DiceSourceInterface&>(table)
                                            : generator;
            const std::optional<HeatEffects> effects = ApplyHeatEffects(turn_.CurrentHeat, dice);
            if (!effects) {
                cancelled = true;
                break;
            }
            if (!effects->Rolls.empty()) {
                const Dice& last = effects->Rolls.back().Rolled;
                turn_.Die1 = last.Die1;
                turn_.Die2 = last.Die2;
                turn_.DiceTotal = last.DiceTotal;
            }
            ShowConditions(*effects);
            StoreMechConditions(i);
            lines.push_back({MechName(i - 1).toStdString(), before[std::size_t(i - 1)].Heat,
                             turn_.CurrentHeat, turnHeat[static_cast<std::size_t>(i)], *effects});
        }

        if (cancelled) {
            for (int i = 1; i <= mechs; ++i)
                store_.RestoreTurnState(i, before[static_cast<std::size_t>(i - 1)]);
            log_.AddCancelledTurn();
        } else {
            // This turn's attempts to stand and weapon heat are spent.
            for (int i = 1; i <= mechs; ++i) {
                store_.MechAttemptsToStand(i) = "0";
                store_.MechWeaponHeat(i) = "0";
            }
            log_.AddTurn(std::move(lines), std::move(before));
        }
    }

    // Both ways end on the first 'Mech, shown from its record.
    SelectMechQuietly(0);
    LoadMechRecord(1);
    turnRunning_ = false;
    RosterChanged();
}

} // namespace caldrix

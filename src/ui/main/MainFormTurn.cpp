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
    if (ui_.MechNames->count() == 0)
        return; // no 'Mechs, no turn

    // Nothing is drawn while the handler runs, except behind a message box:
    // the panel is painted for real only then and at the end.
    HeldScale held(ui_.Scale);
    auto say = [this](const QString& text) {
        ui_.Scale.Release();
        services_.Messages.Inform(text);
        ui_.Scale.Hold();
    };

    // The driver selects rows itself and loads each record explicitly, so
    // the selection handler is kept quiet instead of loading twice.
    SelectMechQuietly(0);
    turn_.TurnError = 0;
    services_.Random.Reseed();

    // Validation pass: show each 'Mech, read its entries back, and work out
    // its new level. Heat is committed only if no entry of any 'Mech failed.
    std::vector<std::int16_t> NewHeat(kSlotCount, 0);
    int count = ui_.MechNames->count();
    for (int i = 1; i <= count; ++i) {
        SelectMechQuietly(i - 1);
        turn_.CurrentHeat = store_.MechHeat(i);
        turn_.TurnHeat = 0;
        services_.Random.Reseed();
        LoadMechRecord(i);

        const EntryCheck check = CheckEntries(ReadEntries());
        for (const std::string& message : check.Messages)
            say(QString::fromStdString(message));
        if (!check.Messages.empty())
            turn_.TurnError = 1;

        if (turn_.TurnError == 0) {
            const HeatBalance& balance = *check.Balance;
            turn_.HeatSinkCount = Narrow(balance.HeatSinkCount);
            turn_.TurnHeat = Narrow(balance.HeatSinkCount - balance.TurnHeat);
            turn_.CurrentHeat = balance.NewLevel;
            NewHeat[static_cast<std::size_t>(i)] = balance.NewLevel;
        } else {
            say(QString::fromLatin1(messages::kTurnNotCompleted));
        }
    }

    if (turn_.TurnError == 0) {
        count = ui_.MechNames->count();
        for (int i = 1; i <= count; ++i)
            store_.MechHeat(i) = NewHeat[static_cast<std::size_t>(i)];

        // Effects pass: the selection stays on the last 'Mech while each
        // one's level is painted, rolled for and stored.
        for (int i = 1; i <= count; ++i) {
            turn_.CurrentHeat = store_.MechHeat(i);
            PaintHeatScale(turn_.CurrentHeat);
            const HeatEffects effects = ApplyHeatEffects(turn_.CurrentHeat, services_.Random);
            if (effects.LastRoll) {
                turn_.Die1 = effects.LastRoll->Die1;
                turn_.Die2 = effects.LastRoll->Die2;
                turn_.DiceTotal = effects.LastRoll->DiceTotal;
            }
            ShowConditions(effects);
            StoreMechConditions(i);
        }
    }

    // Both ways end on the first 'Mech, with this turn's attempts to stand
    // and weapon heat cleared in every record (the boxes are not reloaded).
    SelectMechQuietly(0);
    LoadMechRecord(1);
    count = ui_.MechNames->count();
    for (int i = 1; i <= count; ++i) {
        store_.MechAttemptsToStand(i) = "0";
        store_.MechWeaponHeat(i) = "0";
    }
}

} // namespace caldrix

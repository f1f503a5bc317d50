// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/MainForm.h"

#include "platform/Controls.h"
#include "platform/Theme.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/NewMech.h"
#include "ui/dialogs/PickMechs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <memory>

namespace caldrix {

namespace {

std::string ToStd(const QString& text) {
    return text.toStdString();
}
QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

MainForm::MainForm(MainFormServices services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("MainForm"));
    BuildLayout();
    ConnectHandlers();
    UpdateDeleteMechEnabled();
}

MainForm::~MainForm() {
    DeleteDialogs();
}

void MainForm::DeleteDialogs() {
    delete pickMechs_;
    delete newMech_;
    delete aboutForm_;
    delete forecast_;
    delete history_;
    for (const QPointer<QWidget>& dialog : retired_)
        delete dialog;
    retired_.clear();
}

void MainForm::ConnectHandlers() {
    const MainFormControls& c = ui_;
    connect(c.HeatSinks, &QLineEdit::textChanged, this, &MainForm::HeatSinks_Change);
    connect(c.DHS, &QCheckBox::toggled, this, &MainForm::DHS_Click);
    connect(c.EngineHits, &platform::ComboBox::Change, this, &MainForm::EngineHits_Change);
    connect(c.EngineHits, &platform::ComboBox::Click, this, &MainForm::EngineHits_Click);
    connect(c.MovementType, &platform::ComboBox::Change, this, &MainForm::MovementType_Change);
    connect(c.MovementType, &platform::ComboBox::Click, this, &MainForm::MovementType_Click);
    connect(c.HexesJumpedText, &QLineEdit::textChanged, this, &MainForm::HexesJumpedText_Change);
    connect(c.AttemptsToStand, &QLineEdit::textChanged, this, &MainForm::AttemptsToStand_Change);
    connect(c.HeatGeneratedByWeapons, &QLineEdit::textChanged, this,
            &MainForm::HeatGeneratedByWeapons_Change);
    connect(c.OtherHeat, &QScrollBar::valueChanged, this, &MainForm::OtherHeat_Change);
    connect(c.Fire, &QCheckBox::toggled, this, &MainForm::Fire_Click);
    connect(c.WalkingThroughFire, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            WalkingThroughFire_Click();
    });
    connect(c.StandingInFire, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            StandingInFire_Click();
    });
    connect(c.WalkingThroughFireHexes, &QLineEdit::textChanged, this,
            &MainForm::WalkingThroughFireHexes_Change);
    connect(c.MechNames, &QListWidget::itemSelectionChanged, this, [this] {
        if (!quietSelection_)
            MechNames_Click();
        UpdateDeleteMechEnabled();
    });
    connect(c.NextTurn, &QPushButton::clicked, this, &MainForm::NextTurn_Click);

    connect(c.StartNewGame, &QAction::triggered, this, &MainForm::StartNewGame_Click);
    connect(c.Exit, &QAction::triggered, this, &MainForm::Exit_Click);
    connect(c.mnuNewMech, &QAction::triggered, this, &MainForm::mnuNewMech_Click);
    connect(c.mnuDeleteMech, &QAction::triggered, this, &MainForm::mnuDeleteMech_Click);
    connect(c.About, &QAction::triggered, this, &MainForm::About_Click);
}

int MainForm::CurrentMechSlot() const {
    return caldrix::CurrentMechSlot(platform::SelectedIndex(ui_.MechNames));
}

// ---- Start-up and shutdown -------------------------------------------------

void MainForm::Form_Load() {
    services_.Help.SetHelpFile(QStringLiteral("caldrix.hlp"));
    ShowPickMechs();
    store_.ResetMechRecords();
    ui_.OtherHeat->setValue(0);
    platform::CentreOnScreen(this);
}

void MainForm::closeEvent(QCloseEvent* event) {
    // Form_QueryUnload: any request to close the main window ends the program.
    EndProgram();
    event->accept();
}

void MainForm::Exit_Click() {
    EndProgram();
}

void MainForm::EndProgram() {
    if (ended_)
        return;
    ended_ = true;
    // Every window goes at once; no dialog gets to run a handler of its own.
    DeleteDialogs();
    hide();
    emit programEnded();
}

// ---- Heat scale and conditions ---------------------------------------------

void MainForm::PaintHeatScale(int level) {
    ui_.Scale.Paint(level);
}

void MainForm::StoreMechConditions(int slot) {
    store_.MechConditionMod2Fier(slot) = ToStd(ui_.ConditionMod2Fier->text());
    store_.MechConditionMP(slot) = ToStd(ui_.ConditionMP->text());
    store_.MechConditionAmmoExp(slot) = ToStd(ui_.ConditionAmmoExp->text());
    store_.MechConditionShutdown(slot) = ToStd(ui_.ConditionShutdown->text());
}

// ---- Editing ---------------------------------------------------------------
// Each handler takes the slot before it reads its control, and stores the
// value exactly as it stands; nothing is checked until a turn is resolved.

void MainForm::HeatSinks_Change() {
    const int slot = CurrentMechSlot();
    store_.MechHeatSinks(slot) = ToStd(ui_.HeatSinks->text());
    Edited(slot);
}

void MainForm::DHS_Click() {
    const int slot = CurrentMechSlot();
    store_.MechDHS(slot) = ui_.DHS->isChecked() ? 1 : 0;
    Edited(slot);
}

void MainForm::EngineHits_Change() {
    const int slot = CurrentMechSlot();
    store_.MechEngineHits(slot) = ToStd(ui_.EngineHits->currentText());
    Edited(slot);
}

void MainForm::EngineHits_Click() {
    EngineHits_Change();
}

void MainForm::MovementType_Change() {
    const int slot = CurrentMechSlot();
    const bool jumping = ui_.MovementType->currentText() == QLatin1String("Jumping");
    ui_.HexesJumpedLabel->setEnabled(jumping);
    ui_.HexesJumpedText->setEnabled(jumping);
    store_.MechMovementType(slot) = ToStd(ui_.MovementType->currentText());
    Edited(slot);
}

void MainForm::MovementType_Click() {
    MovementType_Change();
}

void MainForm::HexesJumpedText_Change() {
    const int slot = CurrentMechSlot();
    store_.MechHexesJumped(slot) = ToStd(ui_.HexesJumpedText->text());
    Edited(slot);
}

void MainForm::AttemptsToStand_Change() {
    const int slot = CurrentMechSlot();
    store_.MechAttemptsToStand(slot) = ToStd(ui_.AttemptsToStand->text());
    Edited(slot);
}

void MainForm::HeatGeneratedByWeapons_Change() {
    const int slot = CurrentMechSlot();
    store_.MechWeaponHeat(slot) = ToStd(ui_.HeatGeneratedByWeapons->text());
    Edited(slot);
}

void MainForm::OtherHeat_Change() {
    const int slot = CurrentMechSlot();
    const int value = ui_.OtherHeat->value();
    store_.MechOtherHeat(slot) = static_cast<std::int16_t>(value);
    ui_.OtherHeatText->setText(QString::number(value));
    Edited(slot);
}

void MainForm::Fire_Click() {
    const int slot = CurrentMechSlot();
    SetFireInputsEnabled();
    store_.MechFire(slot) = ui_.Fire->isChecked() ? 1 : 0;
    Edited(slot);
}

// The options are usable while Fire is ticked; the fire-hexes box while Fire
// is ticked and "Walking Through" is the chosen option.
void MainForm::SetFireInputsEnabled() {
    const bool fire = ui_.Fire->isChecked();
    ui_.StandingInFire->setEnabled(fire);
    ui_.WalkingThroughFire->setEnabled(fire);
    const bool hexes = fire && ui_.WalkingThroughFire->isChecked();
    ui_.WalkingThroughFireHexes->setEnabled(hexes);
    ui_.Label6->setEnabled(hexes);
}

// The record mirrors the option group: one choice at a time.
void MainForm::WalkingThroughFire_Click() {
    const int slot = CurrentMechSlot();
    SetFireInputsEnabled();
    store_.MechWalkingThroughFire(slot) = true;
    store_.MechStandingInFire(slot) = false;
    Edited(slot);
}

void MainForm::StandingInFire_Click() {
    const int slot = CurrentMechSlot();
    SetFireInputsEnabled();
    store_.MechStandingInFire(slot) = true;
    store_.MechWalkingThroughFire(slot) = false;
    Edited(slot);
}

void MainForm::WalkingThroughFireHexes_Change() {
    const int slot = CurrentMechSlot();
    store_.MechFireHexes(slot) = ToStd(ui_.WalkingThroughFireHexes->text());
    Edited(slot);
}

// ---- Selection -------------------------------------------------------------

void MainForm::MechNames_Click() {
    const int slot = CurrentMechSlot();
    if (slot == 0)
        return; // nothing selected: the scratch slot is never shown
    LoadMechRecord(slot);
}

void MainForm::LoadMechRecord(int slot) {
    MainFormControls& c = ui_;
    PaintHeatScale(store_.MechHeat(slot));
    c.OtherHeat->setValue(store_.MechOtherHeat(slot));
    c.MovementType->SetText(ToQ(store_.MechMovementType(slot)));
    platform::SetBoxText(c.HexesJumpedText, ToQ(store_.MechHexesJumped(slot)));
    platform::SetBoxText(c.AttemptsToStand, ToQ(store_.MechAttemptsToStand(slot)));
    platform::SetBoxText(c.HeatGeneratedByWeapons, ToQ(store_.MechWeaponHeat(slot)));

    // The fire inputs always describe the loaded 'Mech, ticked or not. Read
    // the record first: the handlers these assignments run write back into it.
    const bool fire = store_.MechFire(slot) == 1;
    const bool walking = store_.MechWalkingThroughFire(slot);
    const bool standing = store_.MechStandingInFire(slot) && !walking;
    const QString fireHexes = ToQ(store_.MechFireHexes(slot));
    c.Fire->setChecked(fire);
    if (walking) {
        platform::SetOptionSelected(c.WalkingThroughFire, true);
    } else if (standing) {
        platform::SetOptionSelected(c.StandingInFire, true);
    } else {
        platform::SetOptionSelected(c.WalkingThroughFire, false);
        platform::SetOptionSelected(c.StandingInFire, false);
    }
    platform::SetBoxText(c.WalkingThroughFireHexes, fireHexes);
    SetFireInputsEnabled();

    platform::SetBoxText(c.HeatSinks, ToQ(store_.MechHeatSinks(slot)));
    c.DHS->setChecked(store_.MechDHS(slot) == 1);
    c.EngineHits->SetText(ToQ(store_.MechEngineHits(slot)));

    c.ConditionMod2Fier->setText(ToQ(store_.MechConditionMod2Fier(slot)));
    c.ConditionMP->setText(ToQ(store_.MechConditionMP(slot)));
    c.ConditionAmmoExp->setText(ToQ(store_.MechConditionAmmoExp(slot)));
    c.ConditionShutdown->setText(ToQ(store_.MechConditionShutdown(slot)));
}

void MainForm::SelectMechQuietly(int row) {
    // The selection handler still keeps Delete Mech's state; it only skips the load.
    quietSelection_ = true;
    platform::SetSelectedIndex(ui_.MechNames, row);
    quietSelection_ = false;
}

void MainForm::UpdateDeleteMechEnabled() {
    ui_.mnuDeleteMech->setEnabled(platform::SelectedIndex(ui_.MechNames) >= 0);
}

// ---- Roster and dialogs ----------------------------------------------------

void MainForm::AppendMechNames(const QStringList& names) {
    bool refused = false;
    for (const QString& name : names) {
        if (!AddMech(name)) {
            refused = true;
            break;
        }
    }
    RosterChanged();
    if (refused)
        services_.Messages.Inform(kRosterFullMessage);
}

bool MainForm::AddMech(const QString& name) {
    if (ui_.MechNames->count() >= kMaxMechs)
        return false;
    ui_.MechNames->addItem(name);
    log_.AddMechAdded(name.toStdString());
    return true;
}

void MainForm::ShowPickMechs() {
    if (!pickMechs_) {
        pickMechs_ = new PickMechs;
        connect(pickMechs_, &PickMechs::continued, this, [this](const QStringList& names) {
            show();
            AppendMechNames(names);
        });
        // Closed with its close control during a new game: bring the
        // hidden main window back rather than leave no window at all.
        connect(pickMechs_, &PickMechs::closedByUser, this, [this] {
            Retire(pickMechs_);
            pickMechs_ = nullptr;
            if (!ended_ && !isVisible())
                show();
        });
    }
    pickMechs_->show();
    pickMechs_->activateWindow();
}

void MainForm::StartNewGame_Click() {
    hide();
    ShowPickMechs();
    store_.ResetMechRecords();
    ui_.MechNames->clear();
    UpdateDeleteMechEnabled();
    log_.Clear();
    RosterChanged();
}

void MainForm::mnuNewMech_Click() {
    if (!newMech_) {
        newMech_ = new NewMech;
        connect(newMech_, &NewMech::nameChosen, this,
                [this](const QString& name) { AppendMechNames({name}); });
        connect(newMech_, &NewMech::closedByUser, this, [this] {
            Retire(newMech_);
            newMech_ = nullptr;
        });
    }
    newMech_->ShowSelected();
}

void MainForm::mnuDeleteMech_Click() {
    const int row = platform::SelectedIndex(ui_.MechNames);
    if (row < 0)
        return; // the menu entry is disabled then; keep roster and store in step
    if (!services_.Messages.ConfirmYesNo(QStringLiteral("Delete currently selected 'Mech"),
                                         QStringLiteral("Delete 'Mech")))
        return;
    store_.RemoveMechRecord(row + 1);
    // Taking the item would move the selection to a neighbour and load it.
    quietSelection_ = true;
    const std::unique_ptr<QListWidgetItem> item(ui_.MechNames->takeItem(row));
    platform::SetSelectedIndex(ui_.MechNames, -1);
    quietSelection_ = false;
    UpdateDeleteMechEnabled();
    log_.AddMechRemoved(item->text().toStdString());
    RosterChanged();
}

void MainForm::About_Click() {
    if (!aboutForm_) {
        aboutForm_ = new AboutForm;
        connect(aboutForm_, &AboutForm::closedByUser, this, [this] {
            Retire(aboutForm_);
            aboutForm_ = nullptr;
        });
    }
    aboutForm_->show();
    aboutForm_->activateWindow();
}

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ComboBox.h"
#include "platform/HelpService.h"
#include "platform/MessageBoxInterface.h"
#include "state/MechRecordStore.h"
#include "turn/HeatBalance.h"
#include "turn/HeatEffects.h"
#include "turn/TurnLog.h"
#include "ui/dialogs/RosterView.h"
#include "ui/main/HeatScale.h"

#include <QMainWindow>
#include <QPointer>

#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/HeatForecast.h"
#include "ui/dialogs/NewMech.h"
#include "ui/dialogs/PickMechs.h"
#include "ui/dialogs/TurnHistory.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace caldrix {

// Every control of the main window, named as its objectName.
struct MainFormControls {
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QListWidget* MechNames = nullptr;
    QPushButton* NextTurn = nullptr;

    platform::ComboBox* MovementType = nullptr;
    QLabel* HexesJumpedLabel = nullptr;
    QLineEdit* HexesJumpedText = nullptr;
    QLineEdit* AttemptsToStand = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* HeatGeneratedByWeapons = nullptr;
    QLabel* Label5 = nullptr;
    QCheckBox* Fire = nullptr;
    QLabel* Label11 = nullptr;
    QScrollBar* OtherHeat = nullptr;
    QLabel* OtherHeatText = nullptr;
    QRadioButton* WalkingThroughFire = nullptr;
    QLineEdit* WalkingThroughFireHexes = nullptr;
    QLabel* Label6 = nullptr;
    QRadioButton* StandingInFire = nullptr;

    QLineEdit* HeatSinks = nullptr;
    QLabel* Label7 = nullptr;
    QCheckBox* DHS = nullptr;
    QLabel* Label12 = nullptr;
    platform::ComboBox* EngineHits = nullptr;

    QLabel* ConditionShutdown = nullptr;
    QLabel* ConditionAmmoExp = nullptr;
    QLabel* ConditionMod2Fier = nullptr;
    QLabel* ConditionMP = nullptr;

    QLabel* Label1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;

    QMenu* File = nullptr;
    QAction* StartNewGame = nullptr;
    QAction* Heiphen2 = nullptr;
    QAction* Exit = nullptr;
    QMenu* mnuMechs = nullptr;
    QAction* mnuNewMech = nullptr;
    QAction* mnuDeleteMech = nullptr;
    QMenu* Help = nullptr;
    QAction* About = nullptr;

    // The roster's context menu: the turn tools.
    QMenu* RosterMenu = nullptr;
    QAction* mnuForecast = nullptr;
    QAction* mnuHistory = nullptr;
    QAction* mnuUndoTurn = nullptr;
    QAction* mnuTableDice = nullptr;
    QAction* mnuUnitFiles = nullptr;

    HeatScale Scale; // Label2(0..30) and Label3(0..30)
};

inline const QString kRosterFullMessage =
    QStringLiteral("The roster is full: a game holds at most 256 'Mechs");

// The working values of one turn (16-bit, as the players' tables are).
struct TurnValues {
    std::int16_t CurrentHeat = 0;
    std::int16_t TurnHeat = 0;
    std::int16_t TurnError = 0;
    std::int16_t HeatSinkCount = 0;
    std::int16_t Die1 = 0;
    std::int16_t Die2 = 0;
    std::int16_t DiceTotal = 0;
};

// What the main window needs from outside; tests pass doubles.
struct MainFormServices {
    MessageBoxInterface& Messages;
    RandomSourceInterface& Random;
    HelpInterface& Help;
};

// The main window. It owns the roster (the items of MechNames) and the
// record store, and moves data between the controls and the turn rules.
class MainForm : public QMainWindow, public RosterView {
    Q_OBJECT
public:
    explicit MainForm(MainFormServices services, QWidget* parent = nullptr);
    ~MainForm() override;

    // Start-up set-up, run once before the window is first shown.
    void Form_Load();

    MechRecordStore& Store() { return store_; }
    const TurnValues& Turn() const { return turn_; }
    int CurrentMechSlot() const;

    // Turn resolution.
    void NextTurn_Click();
    void PaintHeatScale(int level);
    void StoreMechConditions(int slot);

    // Editing: each stores its control's value into the selected 'Mech's slot.
    void HeatSinks_Change();
    void DHS_Click();
    void EngineHits_Change();
    void EngineHits_Click();
    void MovementType_Change();
    void MovementType_Click();
    void HexesJumpedText_Change();
    void AttemptsToStand_Change();
    void HeatGeneratedByWeapons_Change();
    void OtherHeat_Change();
    void Fire_Click();
    void WalkingThroughFire_Click();
    void StandingInFire_Click();
    void WalkingThroughFireHexes_Change();

    // Selection.
    void MechNames_Click();
    void LoadMechRecord(int slot);

    // Menus.
    void StartNewGame_Click();
    void Exit_Click();
    void mnuNewMech_Click();
    void mnuDeleteMech_Click();
    void About_Click();

    // Appends names to the roster, refusing those past 256 'Mechs.
    void AppendMechNames(const QStringList& names);

    PickMechs* PickMechsDialog() const { return pickMechs_; }
    NewMech* NewMechDialog() const { return newMech_; }
    AboutForm* AboutDialog() const { return aboutForm_; }
    HeatForecast* ForecastWindow() const { return forecast_; }
    TurnHistory* HistoryWindow() const { return history_; }

    // The turn tools of the roster's context menu.
    void mnuForecast_Click();
    void mnuHistory_Click();
    void mnuUndoTurn_Click();
    void ShowRosterMenu(const QPoint& position);
    // Adds one 'Mech per unit file, in order; a message for each file refused.
    void AddUnitFiles(const QStringList& paths);
    const TurnLog& Log() const { return log_; }

    // RosterView.
    int MechCount() const override;
    QString MechName(int row) const override;
    MechRecord MechRecordAt(int row) const override;

signals:
    // The program ends: the main window is closed or File > Exit chosen.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void ConnectHandlers();
    void ShowPickMechs();
    void EndProgram();
    void UpdateDeleteMechEnabled();
    // Selects a row without running MechNames_Click; the caller loads.
    void SelectMechQuietly(int row);
    void SetFireInputsEnabled();
    MechEntries ReadEntries() const;
    void ShowConditions(const HeatEffects& effects);
    // A record was edited: the forecast follows, except during a turn.
    void Edited(int slot);
    // The roster, the records or the history changed as a whole.
    void RosterChanged();
    void BuildRosterMenu();
    // Forget a dialog closed by its close control: it is already on its way out.
    void Retire(QWidget* dialog);
    void DeleteDialogs();
    // Appends one 'Mech with a default record; false when the roster is full.
    bool AddMech(const QString& name);

    MainFormControls ui_;
    MechRecordStore store_;
    TurnValues turn_;
    MainFormServices services_;
    bool quietSelection_ = false;
    bool ended_ = false;
    bool turnRunning_ = false;
    TurnLog log_;

    QPointer<PickMechs> pickMechs_;
    QPointer<NewMech> newMech_;
    QPointer<AboutForm> aboutForm_;
    QPointer<HeatForecast> forecast_;
    QPointer<TurnHistory> history_;
    // Closed dialogs whose deferred deletion has not run yet.
    QList<QPointer<QWidget>> retired_;
};

} // namespace caldrix

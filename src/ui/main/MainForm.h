// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"
#include "platform/AutoSave.h"
#include "platform/HelpService.h"
#include "platform/MessageBoxInterface.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/HeatForecast.h"
#include "ui/dialogs/NewMech.h"
#include "ui/dialogs/PickMechs.h"
#include "ui/dialogs/TableRoll.h"
#include "ui/dialogs/TurnHistory.h"
#include "ui/main/HeatScale.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMenu;

namespace caldrix {

class MechPanel;
class RosterList;

inline const QString kRosterFullMessage =
    QStringLiteral("The roster is full: a game holds at most 256 'Mechs");

// What the main window needs from outside; tests pass doubles.
struct MainFormServices {
    MessageBoxInterface& Messages;
    RandomSourceInterface& Random;
    HelpInterface& Help;
    TableRollInterface& TableRoll;
};

// The main window. It owns the game and shows it: the heat scale, the
// roster, the selected 'Mech's panel; its handlers forward every player
// action to the game and show what comes back.
class MainForm : public QMainWindow, private DiceQuestionInterface {
    Q_OBJECT
public:
    explicit MainForm(MainFormServices services, QWidget* parent = nullptr);
    ~MainForm() override;

    // Start-up set-up, run once before the window is first shown. With a
    // saved game that opens, the game replaces the new-game dialog.
    // True when the game given opened.
    bool Start(const QString& gameFile = {});

    // The game the window shows. Whoever changes it from outside the
    // window's own handlers calls ShowGame afterwards.
    Game& CurrentGame() { return game_; }
    void ShowGame();

    void NextTurn();
    void SelectFromList();
    void StartNewGame();
    void Quit();
    void ShowNewMech();
    void DeleteMech();
    void ShowAbout();

    // The turn tools of the roster's context menu.
    void ShowForecast();
    void ShowHistory();
    void UndoTurn();
    // Adds one 'Mech per unit file, in order; a message for each file refused.
    void AddUnitFiles(const QStringList& paths);

    // Saved games. Opening replaces the game in progress, which stays in the
    // autosaves; a file that cannot be opened changes nothing. True when opened.
    bool OpenGame(const QString& path);
    // Writes the game to `path`, adding ".caldrix" when missing; a message
    // when it cannot.
    void SaveGameAs(QString path);
    void ChooseGameToOpen();
    void ChooseWhereToSave();
    void ResumeLastGame();
    AutoSave& Saver() { return autoSave_; }

    PickMechs* PickMechsDialog() const { return pickMechs_; }
    NewMech* NewMechDialog() const { return newMech_; }
    AboutForm* AboutDialog() const { return aboutForm_; }
    HeatForecast* ForecastWindow() const { return forecast_; }
    TurnHistory* HistoryWindow() const { return history_; }

signals:
    // The program ends: the main window is closed or File > Exit chosen.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void BuildMenus();
    void BuildRosterMenu();
    void ShowRosterMenu(const QPoint& position);
    void ShowPickMechs();
    bool OpenGame(const QString& path, bool resume);
    // Where Open Game and Save Game As start.
    QString GameFolder() const;
    // The empty roster's hint and the Resume entry follow the last autosave.
    void UpdateResume();
    void EndProgram();
    // Appends names to the roster, refusing those past 256 'Mechs.
    void AppendMechNames(const QStringList& names);
    // Selects a row and shows its 'Mech from its record, selected or not before.
    void ShowMech(int row);
    // Delete Mech is greyed while no 'Mech is selected.
    void UpdateDeleteMech();
    // The roster list follows the game's names and selection, quietly.
    void SyncRoster();
    // The game changed as a whole: the list, the tool windows, the menus follow.
    void GameChanged();
    void Edited(int slot);
    // Forget a dialog closed by its close control: it is already on its way out.
    void Retire(QWidget* dialog);
    void DeleteDialogs();

    // DiceQuestionInterface: the players see the 'Mech they roll for.
    std::optional<int> AskTotal(const RollRequest& request, const std::string& question) override;

    MainFormServices services_;
    Game game_;
    HeatScale scale_;
    AutoSave autoSave_;
    MechPanel* panel_ = nullptr;
    RosterList* MechNames = nullptr;
    QAction* mnuDeleteMech = nullptr;
    QMenu* RosterMenu = nullptr;
    QAction* mnuUndoTurn = nullptr;
    QAction* mnuTableDice = nullptr;
    QAction* mnuResumeGame = nullptr;
    QString gameFolder_; // where the player last opened or saved a game
    bool quietSelection_ = false;
    bool ended_ = false;

    QPointer<PickMechs> pickMechs_;
    QPointer<NewMech> newMech_;
    QPointer<AboutForm> aboutForm_;
    QPointer<HeatForecast> forecast_;
    QPointer<TurnHistory> history_;
    // Closed dialogs whose deferred deletion has not run yet.
    QList<QPointer<QWidget>> retired_;
};

} // namespace caldrix

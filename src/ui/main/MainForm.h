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
    MessageBoxInterface& messages;
    RandomSourceInterface& random;
    HelpInterface& help;
    TableRollInterface& tableRoll;
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
    bool start(const QString& gameFile = {});

    // The game the window shows. Whoever changes it from outside the
    // window's own handlers calls ShowGame afterwards.
    Game& currentGame() { return game_; }
    void showGame();

    void nextTurn();
    void selectFromList();
    void startNewGame();
    void quit();
    void showNewMech();
    void deleteMech();
    void showAbout();

    // The turn tools of the roster's context menu.
    void showForecast();
    void showHistory();
    void undoTurn();
    // Adds one 'Mech per unit file, in order; a message for each file refused.
    void addUnitFiles(const QStringList& paths);

    // Saved games. Opening replaces the game in progress, which stays in the
    // autosaves; a file that cannot be opened changes nothing. True when opened.
    bool openGame(const QString& path);
    // Writes the game to `path`, adding ".caldrix" when missing; a message
    // when it cannot.
    void saveGameAs(QString path);
    void chooseGameToOpen();
    void chooseWhereToSave();
    void resumeLastGame();
    AutoSave& saver() { return autoSave_; }

    PickMechs* pickMechsDialog() const { return pickMechs_; }
    NewMech* newMechDialog() const { return newMech_; }
    AboutForm* aboutDialog() const { return aboutForm_; }
    HeatForecast* forecastWindow() const { return forecast_; }
    TurnHistory* historyWindow() const { return history_; }

signals:
    // The program ends: the main window is closed or File > Exit chosen.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void buildMenus();
    void buildRosterMenu();
    void showRosterMenu(const QPoint& position);
    void showPickMechs();
    bool openGame(const QString& path, bool resume);
    // Where Open Game and Save Game As start.
    QString gameFolder() const;
    // The empty roster's hint and the Resume entry follow the last autosave.
    void updateResume();
    void endProgram();
    // Appends names to the roster, refusing those past 256 'Mechs.
    void appendMechNames(const QStringList& names);
    // Selects a row and shows its 'Mech from its record, selected or not before.
    void showMech(int row);
    // Delete Mech is greyed while no 'Mech is selected.
    void updateDeleteMech();
    // The roster list follows the game's names and selection, quietly.
    void syncRoster();
    // The game changed as a whole: the list, the tool windows, the menus follow.
    void gameChanged();
    void edited(int slot);
    // Forget a dialog closed by its close control: it is already on its way out.
    void retire(QWidget* dialog);
    void deleteDialogs();

    // DiceQuestionInterface: the players see the 'Mech they roll for.
    std::optional<int> askTotal(const RollRequest& request, const std::string& question) override;

    MainFormServices services_;
    Game game_;
    HeatScale scale_;
    AutoSave autoSave_;
    MechPanel* panel_ = nullptr;
    RosterList* mechNames_ = nullptr;
    QAction* mnuDeleteMech_ = nullptr;
    QMenu* rosterMenu_ = nullptr;
    QAction* mnuUndoTurn_ = nullptr;
    QAction* mnuTableDice_ = nullptr;
    QAction* mnuResumeGame_ = nullptr;
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

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"
#include "platform/AutoSave.h"
#include "platform/DialogWindow.h"
#include "platform/HelpService.h"
#include "platform/MessageBoxInterface.h"
#include "ui/dialogs/TableRoll.h"
#include "ui/main/HeatScale.h"

#include <QDialog>
#include <QMainWindow>

#include <memory>
#include <type_traits>

class QAction;
class QLabel;

namespace caldrix {

class AboutForm;
class GameRules;
class HeatForecast;
class MechPanel;
class NewMech;
class PickMechs;
class RosterList;
class SavedGames;
class TurnHistory;

inline const QString kRosterFullMessage =
    QStringLiteral("The roster is full: a game holds at most 256 'Mechs");

// A window of the main window's own, one rule for all: made when first
// shown; closed by the player (its close control or Escape), it is made
// afresh when next shown; its own OK only hides it; it goes with the main
// window, whose program end takes every one at once.
template <typename T> class OwnedWindow {
public:
    T* get() const { return closed_ ? nullptr : window_.get(); }
    // The window, made first if need be; `make` gives a new one.
    template <typename Make> T* ensure(Make make) {
        if (closed_) { // deleted here, never inside its own handlers
            left_ = window_->geometry();
            window_.reset();
        }
        closed_ = false;
        if (!window_) {
            window_ = make();
            // The tool windows keep their place; the fixed dialogs open afresh.
            if (!std::is_base_of_v<platform::DialogWindow, T> && left_.isValid())
                window_->setGeometry(left_);
            QObject::connect(window_.get(), &QDialog::finished, window_.get(),
                             [this] { closed_ = true; });
        }
        return window_.get();
    }
    void reset() { window_.reset(); }

private:
    std::unique_ptr<T> window_;
    bool closed_ = false;
    QRect left_; // where the last one was when the player closed it
};

// What the main window works with; tests pass doubles.
struct MainFormServices {
    Game& game;
    MessageBoxInterface& messages;
    HelpInterface& help;
    TableRollInterface& tableRoll;
    QString autoSaveFolder = AutoSave::defaultFolder();
};

// The main window. It shows the game: the heat scale, the roster, the
// selected 'Mech's panel. Every player action is an operation on the game,
// after which the window shows the game afresh; the controls never write
// back what they show. The tool windows are made when first opened, hidden
// when closed, and go with the main window.
class MainForm : public QMainWindow, private DiceQuestionInterface {
    Q_OBJECT
public:
    explicit MainForm(MainFormServices services, QWidget* parent = nullptr);
    ~MainForm() override;

    // Start-up, once: shows the window with the new-game dialog in front,
    // or, when the game given opens, with that game. True when it opened.
    bool start(const QString& gameFile = {});

    // Shows the game afresh, for whoever changed it from outside.
    void showGame();

signals:
    // The program ends: the main window is closed or File > Exit chosen.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void buildMenus();
    void buildRosterMenu();
    // Exactly the fixed layout's size where the screen has room, else within the screen.
    void fitToScreen();

    // The player's operations.
    void nextTurn();
    void chooseRow(int row);
    void storeEdit(const RecordEdit& edit);
    void startNewGame();
    void quit();
    void showNewMech();
    void deleteMech();
    void showAbout();
    void showForecast();
    void showHistory();
    void undoTurn();
    void chooseUnitFiles();
    // Adds one 'Mech per unit file, in order; a message for each file refused.
    void addUnitFiles(const QStringList& paths);
    // Appends names to the roster, refusing those past 256 'Mechs.
    void appendMechNames(const QStringList& names);

    void showPickMechs();
    // The panel and the entries that follow the selection.
    void showSelection();
    // Resume Last Game is open while another kept game exists.
    void showResume();
    // What the optional rules in play add to the window.
    void showRules();
    void showGameRules();
    // Shows one 'Mech in the list and the panel without selecting it in the game.
    void showMech(int row);
    void endProgram();
    // What a tool window opening keeps clear of: the menu bar, the other tool window.
    QList<QRect> keptClear() const;

    // DiceQuestionInterface: the players see the 'Mech they roll for.
    std::optional<int> askTotal(const RollRequest& request, const std::string& question) override;

    MainFormServices services_;
    Game& game_;
    HeatScale scale_;
    QWidget* client_ = nullptr; // the fixed layout, inside its scroll area
    SavedGames* saved_ = nullptr;
    MechPanel* panel_ = nullptr;
    RosterList* roster_ = nullptr;
    QAction* deleteMechEntry_ = nullptr;
    QAction* undoEntry_ = nullptr;
    QAction* tableDiceEntry_ = nullptr;
    QAction* resumeEntry_ = nullptr;
    QLabel* announcer_ = nullptr; // what a screen reader hears after a turn
    int shownRow_ = -1;           // the 'Mech a turn's question or message shows
    bool ended_ = false;

    OwnedWindow<PickMechs> pickMechs_;
    OwnedWindow<NewMech> newMech_;
    OwnedWindow<AboutForm> about_;
    OwnedWindow<GameRules> gameRules_;
    OwnedWindow<HeatForecast> forecast_;
    OwnedWindow<TurnHistory> history_;
};

} // namespace caldrix

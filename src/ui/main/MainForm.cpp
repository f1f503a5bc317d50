// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/MainForm.h"

#include "platform/Controls.h"
#include "platform/FileRead.h"
#include "platform/GameFile.h"
#include "platform/Theme.h"
#include "turn/Forecast.h"
#include "ui/dialogs/AboutForm.h"
#include "ui/dialogs/GameRules.h"
#include "ui/dialogs/HeatForecast.h"
#include "ui/dialogs/NewMech.h"
#include "ui/dialogs/PickMechs.h"
#include "ui/dialogs/TurnHistory.h"
#include "ui/main/MechPanel.h"
#include "ui/main/RosterList.h"
#include "ui/main/SavedGames.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>

namespace caldrix {

using platform::twipRect;

namespace {
const QColor kWindowGrey{192, 192, 192};
// The client area in twips, and its width with the optional rules' column.
constexpr int kClientWidth = 9540, kClientHeight = 6705, kWideClientWidth = 12855;

// A menu entry named `name` that runs `handler`.
template <typename Handler>
QAction* addEntry(QMenu* menu, const char* name, const QString& caption, MainForm* form,
                  Handler handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, form, handler);
    return action;
}

// Brings a tool window up in front, where it was left.
void raiseWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

MainForm::MainForm(MainFormServices services, QWidget* parent)
    : QMainWindow(parent), services_(services), game_(services.game) {
    setObjectName(QStringLiteral("MainForm"));
    game_.setDiceQuestion(*this);
    saved_ = new SavedGames(game_, services_.messages, services_.autoSaveFolder, this);
    connect(saved_, &SavedGames::fileChanged, this, [this](const QString& path) {
        // The game's own file names the window; message boxes keep "Caldrix".
        setWindowTitle(path.isEmpty() ? kApplicationTitle
                                      : QFileInfo(path).completeBaseName() +
                                            QStringLiteral(" \u2014 ") + kApplicationTitle);
    });
    // A game written may be one Resume, Recent Games and the hint offer now.
    connect(&saved_->autoSave(), &AutoSave::written, this, [this] {
        showResume();
        if (game_.mechCount() == 0)
            roster_->setHint(saved_->emptyRosterHint());
    });
    connect(saved_, &SavedGames::opened, this, [this] {
        if (PickMechs* pick = pickMechs_.get()) // an opened game needs no new-game dialog
            pick->hide();
        show();
        showGame();
        showResume();
    });
    buildLayout();
    showGame();
}

MainForm::~MainForm() = default;

void MainForm::buildLayout() {
    platform::makeFixedWindow(this, kApplicationTitle);
    setWindowIcon(platform::programIcon());
    setFont(platform::programFont(8));

    client_ = new QWidget(this);
    QWidget* client = client_;
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(platform::px(kClientWidth), platform::px(kClientHeight));
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, kWindowGrey);
    client->setPalette(clientPalette);
    client->setAutoFillBackground(true);
    // The fixed layout scrolls inside a window that fits a small screen.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ClientScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(client);
    setCentralWidget(scroll);

    // Heat scale: levels 30..6 on the left, 5..0 at the top of the middle.
    QGroupBox* frame2 =
        platform::makeFrame(client, QStringLiteral("Frame2"), QStringLiteral("Heat Scale"),
                            twipRect(120, 0, 2775, 6615));
    QGroupBox* frame1 =
        platform::makeFrame(client, QStringLiteral("Frame1"), QStringLiteral("Heat Scale"),
                            twipRect(2880, 0, 3495, 1815));
    // The expanded scale's levels 50..31, in a column beside the window.
    QGroupBox* frame7 = platform::makeFrame(client, QStringLiteral("Frame7"),
                                            QStringLiteral("Heat Scale, levels 31 to 50"),
                                            twipRect(9600, 0, 3135, 5295));
    scale_.build(frame2, frame1, frame7);
    // One panel tells the level (the left frame); the other is not a second "Heat Scale".
    frame1->setAccessibleName(QStringLiteral("Heat Scale, levels 5 to 0"));

    roster_ = new RosterList(client);
    roster_->setObjectName(QStringLiteral("MechNames"));
    roster_->setGeometry(twipRect(3000, 1920, 3255, 2430));
    roster_->setAccessibleName(QStringLiteral("'Mechs in play"));
    roster_->setRowTip([this](int row) {
        return platform::toQ(forecastLine(forecast(game_.mechRecord(row), game_.rules())));
    });
    connect(roster_, &RosterList::rowChosen, this, &MainForm::chooseRow);
    connect(roster_, &RosterList::unitFilesDropped, this, &MainForm::addUnitFiles);

    // Title panel.
    QGroupBox* frame6 = platform::makeFrame(client, QStringLiteral("Frame6"), QString(),
                                            twipRect(2880, 4440, 3495, 1575));
    const auto title = [frame6](const char* name, const QString& caption, int top, int height,
                                qreal points) {
        QLabel* label = platform::makeLabel(frame6, QString::fromLatin1(name), caption,
                                            twipRect(120, top, 3255, height), Qt::AlignHCenter);
        label->setFont(platform::programFont(points));
    };
    title("Label1", QStringLiteral("Caldrix"), 240, 375, 18);
    title("Label8", QStringLiteral("By:"), 600, 255, 8);
    title("Label9", QStringLiteral("The Caldrix team"), 840, 255, 12);
    title("Label10", platform::contactLine(), 1080, 255, 9.75);

    auto* nextTurn = new QPushButton(QStringLiteral("Next Turn"), client);
    nextTurn->setObjectName(QStringLiteral("NextTurn"));
    nextTurn->setGeometry(twipRect(5160, 6240, 1095, 375));
    // Enter on the focused button presses it; Enter in a box never does.
    nextTurn->setAutoDefault(true);
    connect(nextTurn, &QPushButton::clicked, this, &MainForm::nextTurn);

    announcer_ = platform::makeAnnouncer(client, QStringLiteral("TurnAnnouncement"));

    panel_ = new MechPanel(scale_, client);
    connect(panel_, &MechPanel::edited, this, &MainForm::storeEdit);

    buildMenus();
    buildRosterMenu();

    // Focus order; disabled controls are skipped.
    QList<QWidget*> order = panel_->focusOrder();
    order << nextTurn << roster_ << panel_->otherHeatBar();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    order.first()->setFocus();

    fitToScreen();
}

void MainForm::fitToScreen() {
    const QSize full = client_->size() + QSize(0, menuBar()->sizeHint().height());
    const QRect area = screen() ? screen()->availableGeometry() : QRect();
    if (area.isEmpty() || (full.width() <= area.width() && full.height() <= area.height())) {
        setFixedSize(full); // where it fits, exactly the fixed layout
        return;
    }
    // Room for the title bar and the frame, which are not known before the
    // window is first shown; scroll bars take the rest.
    const QSize room = area.size() - QSize(16, 48);
    setMinimumSize(full.boundedTo(room).boundedTo(QSize(240, 160)));
    setMaximumSize(full);
    resize(full.boundedTo(room));
}

void MainForm::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    const auto menu = [bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    QMenu* file = menu("File", QStringLiteral("&File"));
    addEntry(file, "StartNewGame", QStringLiteral("&Start New Game"), this,
             &MainForm::startNewGame);
    file->addSeparator()->setObjectName(QStringLiteral("Heiphen2"));
    addEntry(file, "Exit", QStringLiteral("&Exit"), this, &MainForm::quit);
    QMenu* mechs = menu("mnuMechs", QStringLiteral("&Mechs"));
    addEntry(mechs, "mnuNewMech", QStringLiteral("&New Mech"), this, &MainForm::showNewMech);
    deleteMechEntry_ = addEntry(mechs, "mnuDeleteMech", QStringLiteral("&Delete Mech"), this,
                                &MainForm::deleteMech);
    QMenu* help = menu("Help", QStringLiteral("&Help"));
    addEntry(help, "About", QStringLiteral("&About"), this, &MainForm::showAbout);
}

void MainForm::buildRosterMenu() {
    QMenu* menu = roster_->menu();
    const auto entry = [this, menu](const char* name, const QString& caption, auto handler) {
        QAction* action = addEntry(menu, name, caption, this, handler);
        addAction(action); // its shortcut works anywhere in the main window
        return action;
    };
    entry("mnuForecast", tr("Heat &Forecast"), &MainForm::showForecast);
    entry("mnuHistory", tr("Turn &History"), &MainForm::showHistory);
    undoEntry_ = entry("mnuUndoTurn", tr("&Undo Last Turn"), &MainForm::undoTurn);
    undoEntry_->setShortcut(QKeySequence::Undo);
    menu->addSeparator();
    tableDiceEntry_ = entry("mnuTableDice", tr("Roll Dice at the &Table"), [] {});
    tableDiceEntry_->setCheckable(true);
    connect(tableDiceEntry_, &QAction::toggled, this, [this](bool atTable) {
        game_.setDiceAtTable(atTable); // showing the game sets it quietly
        saved_->autoSave().saveSoon();
    });
    entry("mnuGameRules", tr("Game Ru&les\u2026"), &MainForm::showGameRules);
    entry("mnuUnitFiles", tr("&Add 'Mechs from Unit Files\u2026"), &MainForm::chooseUnitFiles);
    menu->addSeparator();
    entry("mnuOpenGame", tr("&Open Game\u2026"), [this] {
        saved_->chooseGameToOpen();
    })->setShortcut(QKeySequence::Open);
    entry("mnuSaveGame", tr("&Save Game"), [this] {
        saved_->save();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    entry("mnuSaveGameAs", tr("Sa&ve Game As\u2026"), [this] {
        saved_->chooseWhereToSave();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    resumeEntry_ =
        entry("mnuResumeGame", tr("&Resume Last Game"), [this] { saved_->resumeLastGame(); });
    // The kept autosaves but the game in progress, each as the hint tells it.
    QMenu* recent = menu->addMenu(tr("Recent &Games"));
    recent->setObjectName(QStringLiteral("mnuRecentGames"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        saved_->autoSave().flush(); // each game described as it last stood
        recent->clear();
        const QDateTime now = QDateTime::currentDateTime();
        for (const QString& path : saved_->autoSave().otherGames()) {
            const QString about = SavedGames::describe(path);
            if (about.isEmpty())
                continue;
            const qint64 minutes = QFileInfo(path).lastModified().secsTo(now) / 60;
            const auto count = [](qint64 n, const char* unit) {
                return QStringLiteral("%1 %2%3 ago")
                    .arg(n)
                    .arg(QLatin1String(unit), n == 1 ? QString() : QStringLiteral("s"));
            };
            const QString ago = minutes < 1      ? tr("just now")
                                : minutes < 120  ? count(minutes, "minute")
                                : minutes < 2880 ? count(minutes / 60, "hour")
                                                 : count(minutes / 1440, "day");
            QAction* game = recent->addAction(about + QStringLiteral(" \u2014 ") + ago);
            connect(game, &QAction::triggered, this, [this, path] { saved_->open(path, true); });
        }
    });
}

// ---- Start-up and shutdown -------------------------------------------------

bool MainForm::start(const QString& gameFile) {
    services_.help.setHelpFile(QStringLiteral("caldrix.hlp"));
    const bool opened = !gameFile.isEmpty() && saved_->open(gameFile);
    if (!opened) {
        game_.newGame();
        saved_->autoSave().startNewFile();
        showGame();
    }
    showResume();
    platform::centreOnScreen(this);
    show();
    if (!opened)
        showPickMechs(); // in front of the main window
    return opened;
}

void MainForm::closeEvent(QCloseEvent* event) {
    // Any request to close the main window ends the program.
    endProgram();
    event->accept();
}

void MainForm::quit() {
    endProgram();
}

void MainForm::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    saved_->autoSave().saveNow(); // the edits of the last second too
    saved_->autoSave().flush();   // on disk before the program goes
    // Every window goes at once; no dialog gets to run a handler of its own.
    pickMechs_.reset();
    newMech_.reset();
    about_.reset();
    gameRules_.reset();
    forecast_.reset();
    history_.reset();
    hide();
    emit programEnded();
}

// ---- Showing the game ------------------------------------------------------

void MainForm::showGame() {
    showRules();
    roster_->showGame(game_);
    showSelection();
    const int undo = game_.undoTurnNumber();
    undoEntry_->setEnabled(undo > 0);
    undoEntry_->setText(undo > 0 ? tr("&Undo Turn %1").arg(undo) : tr("&Undo Last Turn"));
    const QSignalBlocker showOnly(tableDiceEntry_); // showing the game is no toggle
    tableDiceEntry_->setChecked(game_.diceAtTable());
    if (HeatForecast* forecast = forecast_.get(); forecast && forecast->isVisible())
        forecast->refreshAll();
    if (TurnHistory* history = history_.get(); history && history->isVisible())
        history->refresh();
    saved_->autoSave().saveNow();
    if (game_.mechCount() == 0) // the hint shows only on an empty roster
        roster_->setHint(saved_->emptyRosterHint());
}

void MainForm::showRules() {
    const OptionalRules& rules = game_.rules();
    scale_.setExpanded(rules.expandedScale);
    panel_->setRules(rules);
    // The column of the expanded scale and the rules' read-outs widens the window.
    const bool wide = rules.expandedScale || rules.coolantFailure;
    const int width = platform::px(wide ? kWideClientWidth : kClientWidth);
    if (client_->width() != width) {
        client_->setFixedWidth(width);
        fitToScreen();
    }
}

void MainForm::showGameRules() {
    GameRules* rules = gameRules_.ensure([this] {
        auto made = std::make_unique<GameRules>(this);
        connect(made.get(), &GameRules::rulesChosen, this, [this](const OptionalRules& chosen) {
            const AutoSave::Hold hold(saved_->autoSave());
            if (game_.setRules(chosen))
                showGame();
        });
        return made;
    });
    rules->showRules(game_.rules());
    rules->open();
}

void MainForm::showResume() {
    // The other kept games change only when the game in progress does.
    resumeEntry_->setEnabled(saved_->canResume());
}

void MainForm::showMech(int row) {
    if (row == shownRow_)
        return; // a second roll of the same 'Mech: it is up already
    shownRow_ = row;
    roster_->showSelected(row);
    panel_->show(game_.mechRecord(row));
}

void MainForm::showSelection() {
    shownRow_ = -1;
    const bool selected = game_.selected() >= 0;
    if (selected) // with none, the panel keeps what it showed, greyed
        panel_->show(game_.mechRecord(game_.selected()));
    panel_->setEditable(selected);
    deleteMechEntry_->setEnabled(selected);
}

void MainForm::chooseRow(int row) {
    game_.select(row);
    showSelection();
    saved_->autoSave().saveSoon(); // the selection goes with the game, in passing
}

void MainForm::storeEdit(const RecordEdit& edit) {
    if (!game_.edit(edit))
        return;
    saved_->autoSave().saveSoon();
    HeatForecast* forecast = forecast_.get();
    if (game_.selected() >= 0 && forecast && forecast->isVisible())
        forecast->refreshRow(game_.selected());
}

// ---- Turns -----------------------------------------------------------------

void MainForm::nextTurn() {
    if (game_.mechCount() == 0)
        return; // no 'Mechs, no turn
    // The questions and messages run the event loop: nothing is saved
    // until the turn has ended and the window shows where it ends.
    const AutoSave::Hold hold(saved_->autoSave());
    const TurnOutcome outcome = game_.nextTurn();
    QString summary = tr("Turn cancelled: nothing changed");
    if (outcome.turn)
        summary = platform::toQ(turnSummary(*outcome.turn));
    else if (!outcome.messages.empty())
        summary = platform::toQ(outcome.messages.front().text);
    // Behind each message the window shows the 'Mech it is about.
    for (const TurnMessage& message : outcome.messages) {
        showMech(message.row);
        services_.messages.inform(platform::toQ(message.text));
    }
    showGame(); // every way ends on the first 'Mech
    platform::announce(announcer_, summary);
}

std::optional<int> MainForm::askTotal(const RollRequest& request, const std::string& question) {
    showMech(request.row);
    return services_.tableRoll.askTotal(platform::toQ(question));
}

void MainForm::undoTurn() {
    const int turn = game_.undoTurnNumber();
    if (!game_.undo())
        return;
    showGame();
    QStringList levels;
    for (int row = 0; row < game_.mechCount(); ++row)
        levels << tr("%1 heat %2")
                      .arg(platform::toQ(game_.mechName(row)),
                           QString::number(game_.mechRecord(row).heat));
    platform::announce(
        announcer_,
        tr("Turn %1 taken back: %2").arg(QString::number(turn), levels.join(QStringLiteral("; "))));
}

// ---- The roster ------------------------------------------------------------

void MainForm::appendMechNames(const QStringList& names) {
    const AutoSave::Hold hold(saved_->autoSave());
    bool refused = false;
    for (const QString& name : names) {
        if (!game_.addMech(name.toStdString())) {
            refused = true;
            break;
        }
    }
    showGame();
    if (refused)
        services_.messages.inform(kRosterFullMessage);
}

void MainForm::deleteMech() {
    const int row = game_.selected();
    if (row < 0)
        return; // the menu entry is disabled then
    const AutoSave::Hold hold(saved_->autoSave());
    if (!services_.messages.confirmYesNo(QStringLiteral("Delete currently selected 'Mech"),
                                         QStringLiteral("Delete 'Mech")))
        return;
    game_.removeMech(row);
    showGame(); // nothing selected: the panel goes on showing the removed 'Mech
}

void MainForm::chooseUnitFiles() {
    addUnitFiles(QFileDialog::getOpenFileNames(this, tr("Add 'Mechs from Unit Files"), QString(),
                                               tr("Unit files (*.mtf)")));
}

void MainForm::addUnitFiles(const QStringList& paths) {
    const AutoSave::Hold hold(saved_->autoSave());
    bool full = false;
    for (const QString& path : paths) {
        if (game_.mechCount() >= kMaxMechs) {
            full = true;
            break;
        }
        const UnitFileResult result = platform::readUnitFile(path);
        if (!result.mech) {
            // One pass of arg(): file names are shown as they are.
            services_.messages.inform(
                QStringLiteral("%1 was not added: %2")
                    .arg(QFileInfo(path).fileName(), platform::toQ(result.problem)));
            continue;
        }
        game_.addUnit(*result.mech);
    }
    showGame();
    if (full)
        services_.messages.inform(kRosterFullMessage);
}

// ---- Games -------------------------------------------------------------------

void MainForm::showPickMechs() {
    raiseWindow(pickMechs_.ensure([this] {
        auto pick = std::make_unique<PickMechs>();
        connect(pick.get(), &PickMechs::continued, this, [this](const QStringList& names) {
            show();
            appendMechNames(names);
        });
        // Closed with its close control during a new game: bring the
        // hidden main window back rather than leave no window at all.
        connect(pick.get(), &PickMechs::closedByUser, this, [this] {
            if (!ended_)
                show();
        });
        return pick;
    }));
}

void MainForm::startNewGame() {
    hide();
    showPickMechs();
    saved_->autoSave().saveNow(); // the game ending stays in the autosaves
    saved_->forgetFile();
    game_.newGame();
    saved_->autoSave().startNewFile();
    panel_->show(MechRecord::defaults()); // not the last game's 'Mech
    showGame();
    showResume();
}

// ---- Tool windows ----------------------------------------------------------

void MainForm::showNewMech() {
    newMech_
        .ensure([this] {
            auto newMech = std::make_unique<NewMech>();
            connect(newMech.get(), &NewMech::nameChosen, this,
                    [this](const QString& name) { appendMechNames({name}); });
            return newMech;
        })
        ->showSelected();
}

void MainForm::showAbout() {
    raiseWindow(about_.ensure([] { return std::make_unique<AboutForm>(); }));
}

QList<QRect> MainForm::keptClear() const {
    QList<QRect> clear{QRect(menuBar()->mapToGlobal(QPoint(0, 0)), menuBar()->size())};
    for (const QWidget* tool : {static_cast<const QWidget*>(forecast_.get()),
                                static_cast<const QWidget*>(history_.get())})
        if (tool && tool->isVisible())
            clear << tool->frameGeometry();
    return clear;
}

void MainForm::showForecast() {
    HeatForecast* forecast = forecast_.ensure([this] {
        auto made = std::make_unique<HeatForecast>(game_);
        platform::placeBeside(made.get(), this, false, keptClear());
        return made;
    });
    forecast->refreshAll();
    raiseWindow(forecast);
}

void MainForm::showHistory() {
    TurnHistory* history = history_.ensure([this] {
        auto made = std::make_unique<TurnHistory>(game_.log());
        platform::placeBeside(made.get(), this, true, keptClear());
        return made;
    });
    history->refresh();
    raiseWindow(history);
}

} // namespace caldrix

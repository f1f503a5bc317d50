// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/MainForm.h"

#include "platform/Controls.h"
#include "platform/GameFile.h"
#include "platform/Theme.h"
#include "ui/main/MechPanel.h"
#include "ui/main/RosterList.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>

#include <memory>

namespace caldrix {

using platform::twipRect;

namespace {
const QColor kWindowGrey{192, 192, 192};
} // namespace

MainForm::MainForm(MainFormServices services, QWidget* parent)
    : QMainWindow(parent), services_(services), game_(services.random, *this),
      autoSave_(game_, services.messages) {
    setObjectName(QStringLiteral("MainForm"));
    buildLayout();
    updateDeleteMech();
}

MainForm::~MainForm() {
    deleteDialogs();
}

void MainForm::buildLayout() {
    platform::makeFixedWindow(this, kApplicationTitle);
    setWindowIcon(platform::programIcon());
    setFont(platform::programFont(8));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(platform::px(9540), platform::px(6705));
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, kWindowGrey);
    client->setPalette(clientPalette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    // Heat scale: levels 30..6 on the left, 5..0 at the top of the middle.
    QGroupBox* frame2 =
        platform::makeFrame(client, QStringLiteral("Frame2"), QStringLiteral("Heat Scale"),
                            twipRect(120, 0, 2775, 6615));
    QGroupBox* frame1 =
        platform::makeFrame(client, QStringLiteral("Frame1"), QStringLiteral("Heat Scale"),
                            twipRect(2880, 0, 3495, 1815));
    scale_.build(frame2, frame1);

    mechNames_ = new RosterList(client);
    mechNames_->setObjectName(QStringLiteral("MechNames"));
    mechNames_->setGeometry(twipRect(3000, 1920, 3255, 2430));
    mechNames_->setSelectionMode(QAbstractItemView::SingleSelection);
    mechNames_->setSortingEnabled(false);
    // One line per 'Mech; spares laying out all 256 names on every selection.
    mechNames_->setUniformItemSizes(true);
    mechNames_->setAccessibleName(QStringLiteral("'Mechs in play"));
    connect(mechNames_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!quietSelection_)
            selectFromList();
        updateDeleteMech();
    });

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

    panel_ = new MechPanel(game_, scale_, client);
    connect(panel_, &MechPanel::edited, this, &MainForm::edited);

    buildMenus();
    buildRosterMenu();

    // Focus order; disabled controls are skipped.
    QList<QWidget*> order = panel_->focusOrder();
    order << nextTurn << mechNames_ << panel_->otherHeatBar();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    order.first()->setFocus();

    adjustSize();
    setFixedSize(sizeHint());
}

void MainForm::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    const auto menu = [bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    const auto entry = [this](QMenu* m, const char* name, const QString& caption,
                              void (MainForm::*handler)()) {
        QAction* action = m->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = menu("File", QStringLiteral("&File"));
    entry(file, "StartNewGame", QStringLiteral("&Start New Game"), &MainForm::startNewGame);
    file->addSeparator()->setObjectName(QStringLiteral("Heiphen2"));
    entry(file, "Exit", QStringLiteral("&Exit"), &MainForm::quit);
    QMenu* mechs = menu("mnuMechs", QStringLiteral("&Mechs"));
    entry(mechs, "mnuNewMech", QStringLiteral("&New Mech"), &MainForm::showNewMech);
    mnuDeleteMech_ =
        entry(mechs, "mnuDeleteMech", QStringLiteral("&Delete Mech"), &MainForm::deleteMech);
    QMenu* help = menu("Help", QStringLiteral("&Help"));
    entry(help, "About", QStringLiteral("&About"), &MainForm::showAbout);
}

// ---- Start-up and shutdown -------------------------------------------------

bool MainForm::start(const QString& gameFile) {
    services_.help.setHelpFile(QStringLiteral("caldrix.hlp"));
    const bool opened = !gameFile.isEmpty() && openGame(gameFile);
    if (!opened) {
        showPickMechs();
        game_.newGame();
        autoSave_.startNewFile();
        panel_->otherHeatBar()->setValue(0);
    }
    updateResume();
    platform::centreOnScreen(this);
    return opened;
}

void MainForm::closeEvent(QCloseEvent* event) {
    // Form_QueryUnload: any request to close the main window ends the program.
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
    autoSave_.saveNow(); // the edits of the last second too
    // Every window goes at once; no dialog gets to run a handler of its own.
    deleteDialogs();
    hide();
    emit programEnded();
}

void MainForm::deleteDialogs() {
    delete pickMechs_;
    delete newMech_;
    delete aboutForm_;
    delete forecast_;
    delete history_;
    for (const QPointer<QWidget>& dialog : retired_)
        delete dialog;
    retired_.clear();
}

void MainForm::retire(QWidget* dialog) {
    retired_.removeAll(nullptr);
    retired_.append(dialog);
}

// ---- Selection and the roster ------------------------------------------------

void MainForm::selectFromList() {
    game_.select(platform::selectedIndex(mechNames_));
    const int slot = game_.currentMechSlot();
    if (slot > 0) // nothing selected: the scratch slot is never shown
        panel_->loadMechRecord(slot);
}

void MainForm::updateDeleteMech() {
    mnuDeleteMech_->setEnabled(platform::selectedIndex(mechNames_) >= 0);
}

void MainForm::showMech(int row) {
    if (platform::selectedIndex(mechNames_) != row)
        platform::setSelectedIndex(mechNames_, row); // its handler selects and loads it
    else
        selectFromList(); // selected already: shown again from its record
}

void MainForm::syncRoster() {
    const std::vector<std::string>& names = game_.mechNames();
    const int count = static_cast<int>(names.size());
    quietSelection_ = true;
    while (mechNames_->count() > count)
        delete mechNames_->takeItem(mechNames_->count() - 1);
    for (int row = 0; row < count; ++row) {
        const QString name = QString::fromStdString(names[static_cast<std::size_t>(row)]);
        if (row >= mechNames_->count())
            mechNames_->addItem(name);
        else if (mechNames_->item(row)->text() != name)
            mechNames_->item(row)->setText(name);
        RosterList::setLevel(mechNames_->item(row), game_.record(row + 1).heat);
    }
    if (platform::selectedIndex(mechNames_) != game_.selected())
        platform::setSelectedIndex(mechNames_, game_.selected());
    quietSelection_ = false;
    updateDeleteMech();
}

void MainForm::appendMechNames(const QStringList& names) {
    const AutoSave::Hold hold(autoSave_);
    bool refused = false;
    for (const QString& name : names) {
        if (!game_.addMech(name.toStdString())) {
            refused = true;
            break;
        }
    }
    gameChanged();
    if (refused)
        services_.messages.inform(kRosterFullMessage);
}

void MainForm::showGame() {
    gameChanged(); // the list first: then the selected 'Mech can be shown
    if (game_.selected() >= 0)
        showMech(game_.selected());
}

// ---- Turns -----------------------------------------------------------------

void MainForm::nextTurn() {
    if (game_.mechCount() == 0)
        return; // no 'Mechs, no turn
    // The questions and messages run the event loop: nothing is saved
    // until the turn has ended and the window shows where it ends.
    const AutoSave::Hold hold(autoSave_);
    const TurnOutcome outcome = game_.nextTurn();
    // Behind each message the window shows the 'Mech it is about.
    for (const TurnMessage& message : outcome.messages) {
        showMech(message.row);
        services_.messages.inform(QString::fromStdString(message.text));
    }
    // Every way ends on the first 'Mech, shown from its record.
    showMech(0);
    gameChanged();
}

std::optional<int> MainForm::askTotal(const RollRequest& request, const std::string& question) {
    showMech(request.row);
    return services_.tableRoll.askTotal(QString::fromStdString(question));
}

void MainForm::undoTurn() {
    if (!game_.undo())
        return;
    showMech(0);
    gameChanged();
}

// ---- Dialogs -----------------------------------------------------------------

void MainForm::showPickMechs() {
    if (!pickMechs_) {
        pickMechs_ = new PickMechs;
        connect(pickMechs_, &PickMechs::continued, this, [this](const QStringList& names) {
            show();
            appendMechNames(names);
        });
        // Closed with its close control during a new game: bring the
        // hidden main window back rather than leave no window at all.
        connect(pickMechs_, &PickMechs::closedByUser, this, [this] {
            retire(pickMechs_);
            pickMechs_ = nullptr;
            if (!ended_)
                show();
        });
    }
    pickMechs_->show();
    pickMechs_->activateWindow();
}

void MainForm::startNewGame() {
    hide();
    showPickMechs();
    autoSave_.saveNow(); // the game ending stays in the autosaves
    game_.newGame();
    autoSave_.startNewFile();
    gameChanged();
}

// ---- Saved games -----------------------------------------------------------

bool MainForm::openGame(const QString& path) {
    return openGame(path, false);
}

bool MainForm::openGame(const QString& path, bool resume) {
    const AutoSave::Hold hold(autoSave_);
    GameFileResult read = readGameFile(path);
    if (!read.state) {
        services_.messages.inform(openProblem(path, read.problem));
        return false;
    }
    autoSave_.saveNow();
    game_.restore(std::move(*read.state));
    if (resume)
        autoSave_.continueIn(path);
    else
        autoSave_.startNewFile();
    // An opened game needs no new-game dialog.
    if (pickMechs_)
        pickMechs_->hide();
    show();
    showGame();
    updateResume(); // the game replaced may now be the one to resume
    return true;
}

void MainForm::chooseGameToOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Game"), gameFolder(),
                                                      tr("Caldrix games (*.caldrix)"));
    if (path.isEmpty())
        return;
    gameFolder_ = QFileInfo(path).absolutePath();
    openGame(path);
}

void MainForm::chooseWhereToSave() {
    saveGameAs(QFileDialog::getSaveFileName(this, tr("Save Game As"), gameFolder(),
                                            tr("Caldrix games (*.caldrix)")));
}

void MainForm::saveGameAs(QString path) {
    if (path.isEmpty())
        return; // the player cancelled
    if (!path.endsWith(kGameFileSuffix))
        path += kGameFileSuffix;
    gameFolder_ = QFileInfo(path).absolutePath();
    const QString problem = writeGameFile(path, autoSave_.json());
    if (!problem.isEmpty())
        services_.messages.inform(
            QStringLiteral("%1 could not be saved: %2").arg(QFileInfo(path).fileName(), problem));
}

QString MainForm::gameFolder() const {
    // The player's own documents: the autosaves' folder is theirs alone.
    return gameFolder_.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               : gameFolder_;
}

void MainForm::resumeLastGame() {
    const QString last = autoSave_.lastGame();
    if (!last.isEmpty())
        openGame(last, true);
}

void MainForm::updateResume() {
    const QString last = autoSave_.lastGame();
    mnuResumeGame_->setEnabled(!last.isEmpty());
    if (game_.mechCount() > 0)
        return;
    QString hint = tr("Right-click here for saved games and the turn tools");
    if (!last.isEmpty()) {
        if (const GameFileResult read = readGameFile(last); read.state) {
            TurnLog log;
            log.restore(read.state->log);
            const auto mechs = static_cast<int>(read.state->names.size());
            hint = tr("Right-click here to resume your last game (%1 %2, turn %3)")
                       .arg(mechs)
                       .arg(mechs == 1 ? tr("'Mech") : tr("'Mechs"))
                       .arg(log.nextTurnNumber());
        }
    }
    mechNames_->setHint(hint);
}

void MainForm::showNewMech() {
    if (!newMech_) {
        newMech_ = new NewMech;
        connect(newMech_, &NewMech::nameChosen, this,
                [this](const QString& name) { appendMechNames({name}); });
        connect(newMech_, &NewMech::closedByUser, this, [this] {
            retire(newMech_);
            newMech_ = nullptr;
        });
    }
    newMech_->showSelected();
}

void MainForm::deleteMech() {
    const int row = platform::selectedIndex(mechNames_);
    if (row < 0)
        return; // the menu entry is disabled then; keep roster and records in step
    const AutoSave::Hold hold(autoSave_);
    if (!services_.messages.confirmYesNo(QStringLiteral("Delete currently selected 'Mech"),
                                         QStringLiteral("Delete 'Mech")))
        return;
    game_.removeMech(row);
    // The window is not reloaded: it goes on showing the removed 'Mech.
    gameChanged();
}

void MainForm::showAbout() {
    if (!aboutForm_) {
        aboutForm_ = new AboutForm;
        connect(aboutForm_, &AboutForm::closedByUser, this, [this] {
            retire(aboutForm_);
            aboutForm_ = nullptr;
        });
    }
    aboutForm_->show();
    aboutForm_->activateWindow();
}

} // namespace caldrix

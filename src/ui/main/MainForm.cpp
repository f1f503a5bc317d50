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

using platform::TwipRect;

namespace {
const QColor kWindowGrey{192, 192, 192};
} // namespace

MainForm::MainForm(MainFormServices services, QWidget* parent)
    : QMainWindow(parent), services_(services), game_(services.Random, *this),
      autoSave_(game_, services.Messages) {
    setObjectName(QStringLiteral("MainForm"));
    BuildLayout();
    UpdateDeleteMech();
}

MainForm::~MainForm() {
    DeleteDialogs();
}

void MainForm::BuildLayout() {
    platform::MakeFixedWindow(this, kApplicationTitle);
    setWindowIcon(platform::ProgramIcon());
    setFont(platform::ProgramFont(8));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(platform::Px(9540), platform::Px(6705));
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, kWindowGrey);
    client->setPalette(clientPalette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    // Heat scale: levels 30..6 on the left, 5..0 at the top of the middle.
    QGroupBox* frame2 =
        platform::MakeFrame(client, QStringLiteral("Frame2"), QStringLiteral("Heat Scale"),
                            TwipRect(120, 0, 2775, 6615));
    QGroupBox* frame1 =
        platform::MakeFrame(client, QStringLiteral("Frame1"), QStringLiteral("Heat Scale"),
                            TwipRect(2880, 0, 3495, 1815));
    scale_.Build(frame2, frame1);

    MechNames = new RosterList(client);
    MechNames->setObjectName(QStringLiteral("MechNames"));
    MechNames->setGeometry(TwipRect(3000, 1920, 3255, 2430));
    MechNames->setSelectionMode(QAbstractItemView::SingleSelection);
    MechNames->setSortingEnabled(false);
    // One line per 'Mech; spares laying out all 256 names on every selection.
    MechNames->setUniformItemSizes(true);
    MechNames->setAccessibleName(QStringLiteral("'Mechs in play"));
    connect(MechNames, &QListWidget::itemSelectionChanged, this, [this] {
        if (!quietSelection_)
            SelectFromList();
        UpdateDeleteMech();
    });

    // Title panel.
    QGroupBox* frame6 = platform::MakeFrame(client, QStringLiteral("Frame6"), QString(),
                                            TwipRect(2880, 4440, 3495, 1575));
    const auto title = [frame6](const char* name, const QString& caption, int top, int height,
                                qreal points) {
        QLabel* label = platform::MakeLabel(frame6, QString::fromLatin1(name), caption,
                                            TwipRect(120, top, 3255, height), Qt::AlignHCenter);
        label->setFont(platform::ProgramFont(points));
    };
    title("Label1", QStringLiteral("Caldrix"), 240, 375, 18);
    title("Label8", QStringLiteral("By:"), 600, 255, 8);
    title("Label9", QStringLiteral("The Caldrix team"), 840, 255, 12);
    title("Label10", platform::ContactLine(), 1080, 255, 9.75);

    auto* nextTurn = new QPushButton(QStringLiteral("Next Turn"), client);
    nextTurn->setObjectName(QStringLiteral("NextTurn"));
    nextTurn->setGeometry(TwipRect(5160, 6240, 1095, 375));
    // Enter on the focused button presses it; Enter in a box never does.
    nextTurn->setAutoDefault(true);
    connect(nextTurn, &QPushButton::clicked, this, &MainForm::NextTurn);

    panel_ = new MechPanel(game_, scale_, client);
    connect(panel_, &MechPanel::edited, this, &MainForm::Edited);

    BuildMenus();
    BuildRosterMenu();

    // Focus order; disabled controls are skipped.
    QList<QWidget*> order = panel_->FocusOrder();
    order << nextTurn << MechNames << panel_->OtherHeatBar();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    order.first()->setFocus();

    adjustSize();
    setFixedSize(sizeHint());
}

void MainForm::BuildMenus() {
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
    entry(file, "StartNewGame", QStringLiteral("&Start New Game"), &MainForm::StartNewGame);
    file->addSeparator()->setObjectName(QStringLiteral("Heiphen2"));
    entry(file, "Exit", QStringLiteral("&Exit"), &MainForm::Quit);
    QMenu* mechs = menu("mnuMechs", QStringLiteral("&Mechs"));
    entry(mechs, "mnuNewMech", QStringLiteral("&New Mech"), &MainForm::ShowNewMech);
    mnuDeleteMech =
        entry(mechs, "mnuDeleteMech", QStringLiteral("&Delete Mech"), &MainForm::DeleteMech);
    QMenu* help = menu("Help", QStringLiteral("&Help"));
    entry(help, "About", QStringLiteral("&About"), &MainForm::ShowAbout);
}

// ---- Start-up and shutdown -------------------------------------------------

bool MainForm::Start(const QString& gameFile) {
    services_.Help.SetHelpFile(QStringLiteral("caldrix.hlp"));
    const bool opened = !gameFile.isEmpty() && OpenGame(gameFile);
    if (!opened) {
        ShowPickMechs();
        game_.NewGame();
        autoSave_.StartNewFile();
        panel_->OtherHeatBar()->setValue(0);
    }
    UpdateResume();
    platform::CentreOnScreen(this);
    return opened;
}

void MainForm::closeEvent(QCloseEvent* event) {
    // Form_QueryUnload: any request to close the main window ends the program.
    EndProgram();
    event->accept();
}

void MainForm::Quit() {
    EndProgram();
}

void MainForm::EndProgram() {
    if (ended_)
        return;
    ended_ = true;
    autoSave_.SaveNow(); // the edits of the last second too
    // Every window goes at once; no dialog gets to run a handler of its own.
    DeleteDialogs();
    hide();
    emit programEnded();
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

void MainForm::Retire(QWidget* dialog) {
    retired_.removeAll(nullptr);
    retired_.append(dialog);
}

// ---- Selection and the roster ------------------------------------------------

void MainForm::SelectFromList() {
    game_.Select(platform::SelectedIndex(MechNames));
    const int slot = game_.CurrentMechSlot();
    if (slot > 0) // nothing selected: the scratch slot is never shown
        panel_->LoadMechRecord(slot);
}

void MainForm::UpdateDeleteMech() {
    mnuDeleteMech->setEnabled(platform::SelectedIndex(MechNames) >= 0);
}

void MainForm::ShowMech(int row) {
    if (platform::SelectedIndex(MechNames) != row)
        platform::SetSelectedIndex(MechNames, row); // its handler selects and loads it
    else
        SelectFromList(); // selected already: shown again from its record
}

void MainForm::SyncRoster() {
    const std::vector<std::string>& names = game_.MechNames();
    const int count = static_cast<int>(names.size());
    quietSelection_ = true;
    while (MechNames->count() > count)
        delete MechNames->takeItem(MechNames->count() - 1);
    for (int row = 0; row < count; ++row) {
        const QString name = QString::fromStdString(names[static_cast<std::size_t>(row)]);
        if (row >= MechNames->count())
            MechNames->addItem(name);
        else if (MechNames->item(row)->text() != name)
            MechNames->item(row)->setText(name);
        RosterList::SetLevel(MechNames->item(row), game_.Record(row + 1).Heat);
    }
    if (platform::SelectedIndex(MechNames) != game_.Selected())
        platform::SetSelectedIndex(MechNames, game_.Selected());
    quietSelection_ = false;
    UpdateDeleteMech();
}

void MainForm::AppendMechNames(const QStringList& names) {
    const AutoSave::Hold hold(autoSave_);
    bool refused = false;
    for (const QString& name : names) {
        if (!game_.AddMech(name.toStdString())) {
            refused = true;
            break;
        }
    }
    GameChanged();
    if (refused)
        services_.Messages.Inform(kRosterFullMessage);
}

void MainForm::ShowGame() {
    GameChanged(); // the list first: then the selected 'Mech can be shown
    if (game_.Selected() >= 0)
        ShowMech(game_.Selected());
}

// ---- Turns -----------------------------------------------------------------

void MainForm::NextTurn() {
    if (game_.MechCount() == 0)
        return; // no 'Mechs, no turn
    // The questions and messages run the event loop: nothing is saved
    // until the turn has ended and the window shows where it ends.
    const AutoSave::Hold hold(autoSave_);
    const TurnOutcome outcome = game_.NextTurn();
    // Behind each message the window shows the 'Mech it is about.
    for (const TurnMessage& message : outcome.Messages) {
        ShowMech(message.Row);
        services_.Messages.Inform(QString::fromStdString(message.Text));
    }
    // Every way ends on the first 'Mech, shown from its record.
    ShowMech(0);
    GameChanged();
}

std::optional<int> MainForm::AskTotal(const RollRequest& request, const std::string& question) {
    ShowMech(request.Row);
    return services_.TableRoll.AskTotal(QString::fromStdString(question));
}

void MainForm::UndoTurn() {
    if (!game_.Undo())
        return;
    ShowMech(0);
    GameChanged();
}

// ---- Dialogs -----------------------------------------------------------------

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
            if (!ended_)
                show();
        });
    }
    pickMechs_->show();
    pickMechs_->activateWindow();
}

void MainForm::StartNewGame() {
    hide();
    ShowPickMechs();
    autoSave_.SaveNow(); // the game ending stays in the autosaves
    game_.NewGame();
    autoSave_.StartNewFile();
    GameChanged();
}

// ---- Saved games -----------------------------------------------------------

bool MainForm::OpenGame(const QString& path) {
    return OpenGame(path, false);
}

bool MainForm::OpenGame(const QString& path, bool resume) {
    const AutoSave::Hold hold(autoSave_);
    GameFileResult read = ReadGameFile(path);
    if (!read.State) {
        services_.Messages.Inform(OpenProblem(path, read.Problem));
        return false;
    }
    autoSave_.SaveNow();
    game_.Restore(std::move(*read.State));
    if (resume)
        autoSave_.ContinueIn(path);
    else
        autoSave_.StartNewFile();
    // An opened game needs no new-game dialog.
    if (pickMechs_)
        pickMechs_->hide();
    show();
    ShowGame();
    UpdateResume(); // the game replaced may now be the one to resume
    return true;
}

void MainForm::ChooseGameToOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Game"), GameFolder(),
                                                      tr("Caldrix games (*.caldrix)"));
    if (path.isEmpty())
        return;
    gameFolder_ = QFileInfo(path).absolutePath();
    OpenGame(path);
}

void MainForm::ChooseWhereToSave() {
    SaveGameAs(QFileDialog::getSaveFileName(this, tr("Save Game As"), GameFolder(),
                                            tr("Caldrix games (*.caldrix)")));
}

void MainForm::SaveGameAs(QString path) {
    if (path.isEmpty())
        return; // the player cancelled
    if (!path.endsWith(kGameFileSuffix))
        path += kGameFileSuffix;
    gameFolder_ = QFileInfo(path).absolutePath();
    const QString problem = WriteGameFile(path, autoSave_.Json());
    if (!problem.isEmpty())
        services_.Messages.Inform(
            QStringLiteral("%1 could not be saved: %2").arg(QFileInfo(path).fileName(), problem));
}

QString MainForm::GameFolder() const {
    // The player's own documents: the autosaves' folder is theirs alone.
    return gameFolder_.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               : gameFolder_;
}

void MainForm::ResumeLastGame() {
    const QString last = autoSave_.LastGame();
    if (!last.isEmpty())
        OpenGame(last, true);
}

void MainForm::UpdateResume() {
    const QString last = autoSave_.LastGame();
    mnuResumeGame->setEnabled(!last.isEmpty());
    if (game_.MechCount() > 0)
        return;
    QString hint = tr("Right-click here for saved games and the turn tools");
    if (!last.isEmpty()) {
        if (const GameFileResult read = ReadGameFile(last); read.State) {
            TurnLog log;
            log.Restore(read.State->Log);
            const auto mechs = static_cast<int>(read.State->Names.size());
            hint = tr("Right-click here to resume your last game (%1 %2, turn %3)")
                       .arg(mechs)
                       .arg(mechs == 1 ? tr("'Mech") : tr("'Mechs"))
                       .arg(log.NextTurnNumber());
        }
    }
    MechNames->SetHint(hint);
}

void MainForm::ShowNewMech() {
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

void MainForm::DeleteMech() {
    const int row = platform::SelectedIndex(MechNames);
    if (row < 0)
        return; // the menu entry is disabled then; keep roster and records in step
    const AutoSave::Hold hold(autoSave_);
    if (!services_.Messages.ConfirmYesNo(QStringLiteral("Delete currently selected 'Mech"),
                                         QStringLiteral("Delete 'Mech")))
        return;
    game_.RemoveMech(row);
    // The window is not reloaded: it goes on showing the removed 'Mech.
    GameChanged();
}

void MainForm::ShowAbout() {
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

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's roster tools: its context menu (heat forecast, turn
// history, undo, dice at the table, unit files), the forecast tooltip, the
// unit files dropped on it, and the windows that follow the game.

#include "platform/Controls.h"
#include "platform/Theme.h"
#include "state/UnitFile.h"
#include "turn/Forecast.h"
#include "ui/main/MainForm.h"
#include "ui/main/RosterList.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QSignalBlocker>
#include <QToolTip>

namespace caldrix {

namespace {

// The local .mtf files among dropped URLs.
QStringList UnitFilePaths(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QLatin1String(".mtf"), Qt::CaseInsensitive))
            paths << url.toLocalFile();
    return paths;
}

// Reads one unit file safely: never more than the limit, never trusted.
UnitFileResult ReadUnitFile(const QString& path) {
    UnitFileResult result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.Problem = "it cannot be read";
        return result;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxUnitFileBytes) + 1);
    if (file.error() != QFile::NoError) {
        result.Problem = "it cannot be read";
        return result;
    }
    return ParseUnitFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

void MainForm::BuildRosterMenu() {
    RosterMenu = new QMenu(this);
    RosterMenu->setObjectName(QStringLiteral("RosterMenu"));
    const auto entry = [this](const char* name, const QString& caption) {
        QAction* action = RosterMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        addAction(action); // its shortcut works anywhere in the main window
        return action;
    };
    QAction* forecast = entry("mnuForecast", tr("Heat &Forecast"));
    QAction* history = entry("mnuHistory", tr("Turn &History"));
    mnuUndoTurn = entry("mnuUndoTurn", tr("&Undo Last Turn"));
    mnuUndoTurn->setShortcut(QKeySequence::Undo);
    mnuUndoTurn->setEnabled(false);
    RosterMenu->addSeparator();
    mnuTableDice = entry("mnuTableDice", tr("Roll Dice at the &Table"));
    mnuTableDice->setCheckable(true);
    QAction* unitFiles = entry("mnuUnitFiles", tr("&Add 'Mechs from Unit Files\u2026"));
    RosterMenu->addSeparator();
    QAction* open = entry("mnuOpenGame", tr("&Open Game\u2026"));
    open->setShortcut(QKeySequence::Open);
    QAction* save = entry("mnuSaveGame", tr("&Save Game As\u2026"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuResumeGame = entry("mnuResumeGame", tr("&Resume Last Game"));
    connect(open, &QAction::triggered, this, &MainForm::ChooseGameToOpen);
    connect(save, &QAction::triggered, this, &MainForm::ChooseWhereToSave);
    connect(mnuResumeGame, &QAction::triggered, this, &MainForm::ResumeLastGame);

    connect(forecast, &QAction::triggered, this, &MainForm::ShowForecast);
    connect(history, &QAction::triggered, this, &MainForm::ShowHistory);
    connect(mnuUndoTurn, &QAction::triggered, this, &MainForm::UndoTurn);
    connect(mnuTableDice, &QAction::toggled, this, [this](bool atTable) {
        game_.SetDiceAtTable(atTable);
        autoSave_.SaveSoon();
    });
    connect(unitFiles, &QAction::triggered, this, [this] {
        AddUnitFiles(QFileDialog::getOpenFileNames(this, tr("Add 'Mechs from Unit Files"),
                                                   QString(), tr("Unit files (*.mtf)")));
    });

    // Right click anywhere on the list, the Menu key or Shift+F10 open it;
    // hovering a 'Mech shows its forecast; unit files may be dropped on it.
    MechNames->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MechNames, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowRosterMenu(MechNames->viewport()->mapToGlobal(at)); });
    MechNames->viewport()->installEventFilter(this);
    MechNames->viewport()->setAcceptDrops(true);
}

void MainForm::ShowRosterMenu(const QPoint& position) {
    RosterMenu->popup(position);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    QListWidget* list = MechNames;
    if (watched != list->viewport())
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int row = list->indexAt(help->pos()).row();
        if (row < 0) { // the rows are the 'Mechs: below them is empty space
            QToolTip::hideText();
            return true;
        }
        const std::string line = ForecastLine(Forecast(game_.Record(row + 1)));
        QToolTip::showText(help->globalPos(), QString::fromStdString(line), list->viewport());
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (UnitFilePaths(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = UnitFilePaths(drop->mimeData());
        if (paths.isEmpty())
            return true;
        drop->acceptProposedAction();
        AddUnitFiles(paths);
        return true;
    }
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

void MainForm::ShowForecast() {
    if (!forecast_) {
        forecast_ = new HeatForecast(game_);
        platform::PlaceBeside(forecast_, this);
    }
    forecast_->RefreshAll();
    forecast_->show();
    forecast_->raise();
    forecast_->activateWindow();
}

void MainForm::ShowHistory() {
    if (!history_) {
        history_ = new TurnHistory(game_.Log());
        platform::PlaceBeside(history_, this, true);
    }
    history_->Refresh();
    history_->show();
    history_->raise();
    history_->activateWindow();
}

void MainForm::AddUnitFiles(const QStringList& paths) {
    const AutoSave::Hold hold(autoSave_);
    bool full = false;
    for (const QString& path : paths) {
        if (game_.MechCount() >= kMaxMechs) {
            full = true;
            break;
        }
        const UnitFileResult result = ReadUnitFile(path);
        if (!result.Mech) {
            // One pass of arg(): file names are shown as they are.
            services_.Messages.Inform(
                QStringLiteral("%1 was not added: %2")
                    .arg(QFileInfo(path).fileName(), QString::fromStdString(result.Problem)));
            continue;
        }
        game_.AddUnit(*result.Mech);
    }
    GameChanged();
    if (full)
        services_.Messages.Inform(kRosterFullMessage);
}

void MainForm::Edited(int slot) {
    autoSave_.SaveSoon();
    if (slot >= 1 && forecast_ && forecast_->isVisible())
        forecast_->RefreshRow(slot - 1);
}

void MainForm::GameChanged() {
    SyncRoster();
    const int undo = game_.UndoTurnNumber();
    mnuUndoTurn->setEnabled(undo > 0);
    mnuUndoTurn->setText(undo > 0 ? tr("&Undo Turn %1").arg(undo) : tr("&Undo Last Turn"));
    const QSignalBlocker showOnly(mnuTableDice); // showing the game is no toggle by the player
    mnuTableDice->setChecked(game_.DiceAtTable());
    if (forecast_ && forecast_->isVisible())
        forecast_->RefreshAll();
    if (history_ && history_->isVisible())
        history_->Refresh();
    autoSave_.SaveNow();
    if (game_.MechCount() == 0) // the hint shows only on an empty roster
        UpdateResume();
}

} // namespace caldrix

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
QStringList unitFilePaths(const QMimeData* mime) {
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
UnitFileResult readUnitFile(const QString& path) {
    UnitFileResult result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.problem = "it cannot be read";
        return result;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxUnitFileBytes) + 1);
    if (file.error() != QFile::NoError) {
        result.problem = "it cannot be read";
        return result;
    }
    return parseUnitFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

void MainForm::buildRosterMenu() {
    rosterMenu_ = new QMenu(this);
    rosterMenu_->setObjectName(QStringLiteral("RosterMenu"));
    const auto entry = [this](const char* name, const QString& caption) {
        QAction* action = rosterMenu_->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        addAction(action); // its shortcut works anywhere in the main window
        return action;
    };
    QAction* forecast = entry("mnuForecast", tr("Heat &Forecast"));
    QAction* history = entry("mnuHistory", tr("Turn &History"));
    mnuUndoTurn_ = entry("mnuUndoTurn", tr("&Undo Last Turn"));
    mnuUndoTurn_->setShortcut(QKeySequence::Undo);
    mnuUndoTurn_->setEnabled(false);
    rosterMenu_->addSeparator();
    mnuTableDice_ = entry("mnuTableDice", tr("Roll Dice at the &Table"));
    mnuTableDice_->setCheckable(true);
    QAction* unitFiles = entry("mnuUnitFiles", tr("&Add 'Mechs from Unit Files\u2026"));
    rosterMenu_->addSeparator();
    QAction* open = entry("mnuOpenGame", tr("&Open Game\u2026"));
    open->setShortcut(QKeySequence::Open);
    QAction* save = entry("mnuSaveGame", tr("&Save Game As\u2026"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuResumeGame_ = entry("mnuResumeGame", tr("&Resume Last Game"));
    connect(open, &QAction::triggered, this, &MainForm::chooseGameToOpen);
    connect(save, &QAction::triggered, this, &MainForm::chooseWhereToSave);
    connect(mnuResumeGame_, &QAction::triggered, this, &MainForm::resumeLastGame);

    connect(forecast, &QAction::triggered, this, &MainForm::showForecast);
    connect(history, &QAction::triggered, this, &MainForm::showHistory);
    connect(mnuUndoTurn_, &QAction::triggered, this, &MainForm::undoTurn);
    connect(mnuTableDice_, &QAction::toggled, this, [this](bool atTable) {
        game_.setDiceAtTable(atTable);
        autoSave_.saveSoon();
    });
    connect(unitFiles, &QAction::triggered, this, [this] {
        addUnitFiles(QFileDialog::getOpenFileNames(this, tr("Add 'Mechs from Unit Files"),
                                                   QString(), tr("Unit files (*.mtf)")));
    });

    // Right click anywhere on the list, the Menu key or Shift+F10 open it;
    // hovering a 'Mech shows its forecast; unit files may be dropped on it.
    mechNames_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mechNames_, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showRosterMenu(mechNames_->viewport()->mapToGlobal(at)); });
    mechNames_->viewport()->installEventFilter(this);
    mechNames_->viewport()->setAcceptDrops(true);
}

void MainForm::showRosterMenu(const QPoint& position) {
    rosterMenu_->popup(position);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    QListWidget* list = mechNames_;
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
        const std::string line = forecastLine(forecast(game_.record(row + 1)));
        QToolTip::showText(help->globalPos(), QString::fromStdString(line), list->viewport());
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (unitFilePaths(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = unitFilePaths(drop->mimeData());
        if (paths.isEmpty())
            return true;
        drop->acceptProposedAction();
        addUnitFiles(paths);
        return true;
    }
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

void MainForm::showForecast() {
    if (!forecast_) {
        forecast_ = new HeatForecast(game_);
        platform::placeBeside(forecast_, this);
    }
    forecast_->refreshAll();
    forecast_->show();
    forecast_->raise();
    forecast_->activateWindow();
}

void MainForm::showHistory() {
    if (!history_) {
        history_ = new TurnHistory(game_.log());
        platform::placeBeside(history_, this, true);
    }
    history_->refresh();
    history_->show();
    history_->raise();
    history_->activateWindow();
}

void MainForm::addUnitFiles(const QStringList& paths) {
    const AutoSave::Hold hold(autoSave_);
    bool full = false;
    for (const QString& path : paths) {
        if (game_.mechCount() >= kMaxMechs) {
            full = true;
            break;
        }
        const UnitFileResult result = readUnitFile(path);
        if (!result.mech) {
            // One pass of arg(): file names are shown as they are.
            services_.messages.inform(
                QStringLiteral("%1 was not added: %2")
                    .arg(QFileInfo(path).fileName(), QString::fromStdString(result.problem)));
            continue;
        }
        game_.addUnit(*result.mech);
    }
    gameChanged();
    if (full)
        services_.messages.inform(kRosterFullMessage);
}

void MainForm::edited(int slot) {
    autoSave_.saveSoon();
    if (slot >= 1 && forecast_ && forecast_->isVisible())
        forecast_->refreshRow(slot - 1);
}

void MainForm::gameChanged() {
    syncRoster();
    const int undo = game_.undoTurnNumber();
    mnuUndoTurn_->setEnabled(undo > 0);
    mnuUndoTurn_->setText(undo > 0 ? tr("&Undo Turn %1").arg(undo) : tr("&Undo Last Turn"));
    const QSignalBlocker showOnly(mnuTableDice_); // showing the game is no toggle by the player
    mnuTableDice_->setChecked(game_.diceAtTable());
    if (forecast_ && forecast_->isVisible())
        forecast_->refreshAll();
    if (history_ && history_->isVisible())
        history_->refresh();
    autoSave_.saveNow();
    if (game_.mechCount() == 0) // the hint shows only on an empty roster
        updateResume();
}

} // namespace caldrix

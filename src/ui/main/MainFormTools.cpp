// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The turn tools of the roster's context menu: heat forecast, turn history,
// undo, dice rolled at the table, and 'Mechs added from unit files.

#include "platform/Controls.h"
#include "state/UnitFile.h"
#include "turn/Forecast.h"
#include "ui/main/MainForm.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
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
    MainFormControls& c = ui_;
    c.RosterMenu = new QMenu(this);
    c.RosterMenu->setObjectName(QStringLiteral("RosterMenu"));
    c.mnuForecast = c.RosterMenu->addAction(tr("Heat &Forecast"));
    c.mnuForecast->setObjectName(QStringLiteral("mnuForecast"));
    c.mnuHistory = c.RosterMenu->addAction(tr("Turn &History"));
    c.mnuHistory->setObjectName(QStringLiteral("mnuHistory"));
    c.mnuUndoTurn = c.RosterMenu->addAction(tr("&Undo Last Turn"));
    c.mnuUndoTurn->setObjectName(QStringLiteral("mnuUndoTurn"));
    c.mnuUndoTurn->setEnabled(false);
    c.RosterMenu->addSeparator();
    c.mnuTableDice = c.RosterMenu->addAction(tr("Roll Dice at the &Table"));
    c.mnuTableDice->setObjectName(QStringLiteral("mnuTableDice"));
    c.mnuTableDice->setCheckable(true);
    c.mnuUnitFiles = c.RosterMenu->addAction(tr("Add 'Mechs from &Unit Files\u2026"));
    c.mnuUnitFiles->setObjectName(QStringLiteral("mnuUnitFiles"));

    connect(c.mnuForecast, &QAction::triggered, this, &MainForm::mnuForecast_Click);
    connect(c.mnuHistory, &QAction::triggered, this, &MainForm::mnuHistory_Click);
    connect(c.mnuUndoTurn, &QAction::triggered, this, &MainForm::mnuUndoTurn_Click);
    connect(c.mnuUnitFiles, &QAction::triggered, this, [this] {
        AddUnitFiles(QFileDialog::getOpenFileNames(this, tr("Add 'Mechs from Unit Files"),
                                                   QString(), tr("Unit files (*.mtf)")));
    });

    // Right click anywhere on the list, the Menu key or Shift+F10 open it;
    // hovering a 'Mech shows its forecast; unit files may be dropped on it.
    c.MechNames->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(c.MechNames, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        ShowRosterMenu(ui_.MechNames->viewport()->mapToGlobal(at));
    });
    c.MechNames->installEventFilter(this);
    c.MechNames->viewport()->installEventFilter(this);
    c.MechNames->viewport()->setAcceptDrops(true);
}

void MainForm::ShowRosterMenu(const QPoint& position) {
    ui_.RosterMenu->popup(position);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    QListWidget* list = ui_.MechNames;
    if (watched == list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (key->key() == Qt::Key_Menu || shiftF10) {
            const QModelIndex current = list->currentIndex();
            const QPoint at =
                current.isValid() ? list->visualRect(current).bottomLeft() : QPoint(0, 0);
            ShowRosterMenu(list->viewport()->mapToGlobal(at));
            return true;
        }
    }
    if (watched != list->viewport())
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int row = list->indexAt(help->pos()).row();
        if (row < 0 || row >= MechCount()) {
            QToolTip::hideText();
            return true;
        }
        const std::string line = ForecastLine(Forecast(MechRecordAt(row)));
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

void MainForm::mnuForecast_Click() {
    if (!forecast_)
        forecast_ = new HeatForecast(*this);
    forecast_->RefreshAll();
    forecast_->show();
    forecast_->raise();
    forecast_->activateWindow();
}

void MainForm::mnuHistory_Click() {
    if (!history_)
        history_ = new TurnHistory(log_);
    history_->Refresh();
    history_->show();
    history_->raise();
    history_->activateWindow();
}

void MainForm::mnuUndoTurn_Click() {
    const std::optional<std::vector<TurnState>> states = log_.Undo();
    if (!states)
        return;
    // Undo ends whenever the roster changes, so the states match it one to one.
    const int mechs = std::min<int>(MechCount(), static_cast<int>(states->size()));
    for (int i = 1; i <= mechs; ++i)
        store_.RestoreTurnState(i, (*states)[static_cast<std::size_t>(i - 1)]);
    if (mechs > 0) {
        SelectMechQuietly(0);
        LoadMechRecord(1);
    }
    RosterChanged();
}

void MainForm::AddUnitFiles(const QStringList& paths) {
    bool full = false;
    for (const QString& path : paths) {
        if (MechCount() >= kMaxMechs) {
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
        AddMech(QString::fromStdString(result.Mech->Name));
        const int slot = MechCount(); // a new 'Mech's slot holds the defaults
        store_.MechHeatSinks(slot) = std::to_string(result.Mech->HeatSinks);
        store_.MechDHS(slot) = result.Mech->DoubleHeatSinks ? 1 : 0;
    }
    RosterChanged();
    if (full)
        services_.Messages.Inform(kRosterFullMessage);
}

int MainForm::MechCount() const {
    return ui_.MechNames->count();
}

QString MainForm::MechName(int row) const {
    const QListWidgetItem* item = ui_.MechNames->item(row);
    return item ? item->text() : QString();
}

MechRecord MainForm::MechRecordAt(int row) const {
    return store_.Record(row + 1);
}

void MainForm::Edited(int slot) {
    if (turnRunning_ || slot < 1 || !forecast_ || !forecast_->isVisible())
        return;
    forecast_->RefreshRow(slot - 1);
}

void MainForm::RosterChanged() {
    ui_.mnuUndoTurn->setEnabled(log_.CanUndo());
    if (forecast_ && forecast_->isVisible())
        forecast_->RefreshAll();
    if (history_ && history_->isVisible())
        history_->Refresh();
}

void MainForm::Retire(QWidget* dialog) {
    retired_.removeAll(nullptr);
    retired_.append(dialog);
}

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/SavedGames.h"

#include "platform/Controls.h"
#include "platform/GameFile.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace caldrix {

namespace {
const char* const kGameFilter = QT_TRANSLATE_NOOP("SavedGames", "Caldrix games (*.caldrix)");
} // namespace

SavedGames::SavedGames(Game& game, MessageBoxInterface& messages, const QString& autoSaveFolder,
                       QWidget* window)
    : QObject(window), game_(game), messages_(messages), window_(window),
      autoSave_(game, messages, this) {
    setObjectName(QStringLiteral("SavedGames"));
    autoSave_.setObjectName(QStringLiteral("AutoSave"));
    autoSave_.setFolder(autoSaveFolder);
}

bool SavedGames::open(const QString& path, bool resume) {
    const AutoSave::Hold hold(autoSave_);
    autoSave_.flush(); // a game just left may still be on its way to this very file
    GameFileResult read = readGameFile(path);
    if (!read.state) {
        messages_.inform(openProblem(path, read.problem));
        return false;
    }
    autoSave_.saveNow(); // the game replaced stays in the autosaves
    game_.restore(std::move(*read.state));
    if (resume)
        autoSave_.continueIn(path);
    else
        autoSave_.startNewFile();
    autoSave_.markSaved(); // no autosave place until it changes
    gameFile_ = resume ? QString() : path;
    emit fileChanged(gameFile_);
    emit opened();
    return true;
}

QString SavedGames::startFolder() const {
    // The player's own documents: the autosaves' folder is the program's.
    return gameFolder_.isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
               : gameFolder_;
}

void SavedGames::chooseGameToOpen() {
    const QString path =
        QFileDialog::getOpenFileName(window_, tr("Open Game"), startFolder(), tr(kGameFilter));
    if (path.isEmpty())
        return;
    gameFolder_ = QFileInfo(path).absolutePath();
    open(path);
}

void SavedGames::save() {
    if (gameFile_.isEmpty())
        chooseWhereToSave();
    else
        saveAs(gameFile_);
}

void SavedGames::forgetFile() {
    gameFile_.clear();
    emit fileChanged(gameFile_);
}

void SavedGames::chooseWhereToSave() {
    saveAs(
        QFileDialog::getSaveFileName(window_, tr("Save Game As"), startFolder(), tr(kGameFilter)));
}

void SavedGames::saveAs(QString path) {
    if (path.isEmpty())
        return; // the player cancelled
    if (!path.endsWith(kGameFileSuffix))
        path += kGameFileSuffix;
    gameFolder_ = QFileInfo(path).absolutePath();
    const QString problem = autoSave_.writeCopy(path);
    if (!problem.isEmpty()) {
        messages_.inform(
            QStringLiteral("%1 could not be saved: %2").arg(QFileInfo(path).fileName(), problem));
        return;
    }
    gameFile_ = path;
    emit fileChanged(gameFile_);
}

void SavedGames::resumeLastGame() {
    autoSave_.flush(); // the kept games as they last stood, not as they stood a moment ago
    QStringList skipped;
    for (const QString& path : autoSave_.otherGames()) {
        const GameFileResult read = readGameFile(path);
        if (read.state) {
            if (!skipped.isEmpty())
                messages_.inform(tr("Caldrix skipped saved games that do not open and kept them "
                                    "beside the others, renamed: %1")
                                     .arg(skipped.join(QStringLiteral(", "))));
            open(path, true);
            return;
        }
        // Renamed aside, never deleted: the player may want it back.
        const QString aside = path + QStringLiteral(".damaged");
        QFile::rename(path, aside);
        skipped << QFileInfo(aside).fileName() + QStringLiteral(" (") + read.problem +
                       QStringLiteral(")");
    }
    if (!skipped.isEmpty())
        messages_.inform(tr("No saved game opens: %1").arg(skipped.join(QStringLiteral(", "))));
}

QString SavedGames::describe(const QString& path) {
    const GameFileResult read = readGameFile(path);
    if (!read.state)
        return {};
    TurnLog log;
    log.restore(read.state->log);
    const std::vector<std::string>& names = *read.state->names;
    QStringList shown;
    for (std::size_t i = 0; i < names.size() && i < 2; ++i)
        shown << platform::toQ(names[i]);
    if (names.size() > 2)
        shown << QStringLiteral("\u2026");
    // One pass of arg(): a name holding "%3" stays as typed.
    return tr("%1: %2, turn %3")
        .arg(mechCount(names.size()), shown.join(QStringLiteral(", ")),
             QString::number(log.nextTurnNumber()));
}

QString SavedGames::mechCount(std::size_t mechs) {
    return mechs == 1 ? tr("1 'Mech") : tr("%1 'Mechs").arg(mechs);
}

QString SavedGames::emptyRosterHint() const {
    const QString last = autoSave_.lastGame();
    if (!last.isEmpty()) {
        if (const GameFileResult read = readGameFile(last); read.state) {
            TurnLog log;
            log.restore(read.state->log);
            return tr("Right-click here to resume your last game (%1, turn %2)")
                .arg(mechCount(read.state->names->size()), QString::number(log.nextTurnNumber()));
        }
    }
    return tr("Right-click here for saved games and the turn tools");
}

} // namespace caldrix

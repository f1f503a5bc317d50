// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"
#include "platform/AutoSave.h"
#include "platform/MessageBoxInterface.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace caldrix {

// The saved-game side of the main window: Open Game, Save Game As, Resume
// Last Game, and the autosave that keeps every game on disk. Opening
// replaces the game in progress, which stays in the autosaves; a file that
// cannot be opened changes nothing.
class SavedGames : public QObject {
    Q_OBJECT
public:
    SavedGames(Game& game, MessageBoxInterface& messages, const QString& autoSaveFolder,
               QWidget* window);

    AutoSave& autoSave() { return autoSave_; }

    // True when opened; a message says why not. An opened game's file is
    // its own, where Save Game writes; a resumed autosave is not.
    bool open(const QString& path, bool resume = false);
    void chooseGameToOpen();
    // Into the game's own file, or, while it has none, where the player chooses.
    void save();
    void chooseWhereToSave();
    // Writes the game to `path`, adding ".caldrix" when missing, and makes
    // it the game's own file; a message when it cannot.
    void saveAs(QString path);
    // Opens the newest autosave that opens; a damaged one is set aside,
    // renamed, and named in one message.
    void resumeLastGame();
    // A new game has no file of its own.
    void forgetFile();
    QString gameFile() const { return gameFile_; }

    bool canResume() const { return !autoSave_.lastGame().isEmpty(); }
    // What the empty roster says: the turn tools, or which game Resume opens.
    QString emptyRosterHint() const;
    // "4 'Mechs: Atlas, Hunchback, …, turn 7", or empty for a file that does not open.
    static QString describe(const QString& path);

signals:
    // A game replaced the one in progress.
    void opened();
    // The game's own file changed (empty: none).
    void fileChanged(const QString& path);

private:
    // "1 'Mech", "3 'Mechs".
    static QString mechCount(std::size_t mechs);

    // Where Open Game and Save Game As start: the player's documents, or
    // where the player last opened or saved a game.
    QString startFolder() const;

    Game& game_;
    MessageBoxInterface& messages_;
    QPointer<QWidget> window_;
    AutoSave autoSave_;
    QString gameFolder_;
    QString gameFile_;
};

} // namespace caldrix

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

    // True when opened; a message says why not.
    bool open(const QString& path, bool resume = false);
    void chooseGameToOpen();
    void chooseWhereToSave();
    // Writes the game to `path`, adding ".caldrix" when missing; a message
    // when it cannot.
    void saveAs(QString path);
    void resumeLastGame();

    bool canResume() const { return !autoSave_.lastGame().isEmpty(); }
    // What the empty roster says: the turn tools, or which game Resume opens.
    QString emptyRosterHint() const;

signals:
    // A game replaced the one in progress.
    void opened();

private:
    // Where Open Game and Save Game As start: the player's documents, or
    // where the player last opened or saved a game.
    QString startFolder() const;

    Game& game_;
    MessageBoxInterface& messages_;
    QPointer<QWidget> window_;
    AutoSave autoSave_;
    QString gameFolder_;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"
#include "platform/GameFile.h"
#include "platform/MessageBoxInterface.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

namespace caldrix {

// Keeps every game on disk as it is played: one file per game in the
// user's data folder, the newest five kept. Only files named as it names
// them are ever listed, resumed or deleted. A save that fails says so once
// and then stays quiet until saving works again; play never waits on it:
// the window's thread only hands over a copy of the game (its history
// shared, not copied), and a thread of its own writes the files, one at a
// time, the newest state last.
class AutoSave : public QObject {
    Q_OBJECT
public:
    static constexpr int kKept = 5;
    static constexpr int kSettleMs = 1000;

    AutoSave(const Game& game, MessageBoxInterface& messages, QObject* parent = nullptr);
    ~AutoSave() override;

    // QStandardPaths' AppDataLocation; tests point it elsewhere.
    static QString defaultFolder();
    void setFolder(const QString& folder) { folder_ = folder; }
    QString folder() const { return folder_; }

    // A new game goes into a file of its own; the older ones stay.
    void startNewFile();
    // The game goes on in an autosave it was opened from.
    void continueIn(const QString& path) { current_ = path; }
    // The game as it stands is on disk already (it was just opened): its
    // file is written, and an oldest one pushed out, only once it changes.
    void markSaved() { saved_ = game_.revision(); }
    QString currentFile() const { return current_; }

    // After an edit: saves once the edits have settled for a second.
    void saveSoon();
    // After a turn, an undo, a roster change: saves at once, or, while an
    // operation holds the saves, as soon as the last hold ends.
    void saveNow();
    // Waits until every save asked for is on disk or has failed, and says
    // so of a failure: at the program's end, and for whoever reads the files.
    void flush();
    // The game as it stands into a file of the player's (Save Game); waits
    // for it. Empty when saved, else why not.
    QString writeCopy(const QString& path);

    // Held for the whole of an operation whose boxes and questions let
    // the event loop run: the game is written only as it is between
    // operations, never half-way through one.
    class Hold {
    public:
        explicit Hold(AutoSave& saver) : saver_(saver) { ++saver_.holds_; }
        ~Hold() { saver_.release(); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        AutoSave& saver_;
    };

    // The autosaves but the game in progress, newest first.
    QStringList otherGames() const;
    // The newest of them, or empty.
    QString lastGame() const;

    // True for the names StartNewFile gives, and only for those.
    static bool isAutoSaveName(const QString& fileName);

signals:
    // A file was written: the kept games may have changed.
    void written();

protected:
    bool event(QEvent* event) override;

private:
    class Worker;
    struct Job;
    struct Done;

    QStringList files() const;
    void prune();
    void release();
    // The writing thread's reports, on the window's thread.
    void collect();

    const Game& game_;
    MessageBoxInterface& messages_;
    QString folder_;
    QString current_;
    QTimer settle_;
    std::optional<std::uint64_t> saved_; // the revision handed over for the file
    bool failing_ = false;
    bool retry_ = false; // the last write failed: the next save writes again
    std::unique_ptr<Worker> worker_;
    int holds_ = 0;
    bool wanted_ = false;     // a save asked for while held
    bool wakePosted_ = false; // the writing thread is woken once the window has drawn
};

} // namespace caldrix

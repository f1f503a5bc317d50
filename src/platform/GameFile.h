// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace caldrix {

// Saved games: one JSON document per game, "caldrix-game" version 2 (the
// README links its description). Reading is strict: anything the program
// could not have written is refused with the reason, and nothing in a file
// is ever run or shown as markup.
inline constexpr qint64 kMaxGameFileBytes = 16 * 1024 * 1024;
inline constexpr int kGameFileVersion = 2;
inline const QString kGameFileSuffix = QStringLiteral(".caldrix");

struct GameFileResult {
    std::optional<GameState> state;
    QString problem; // why the file cannot be opened, "it is not JSON"
};

// Writes a game's JSON document. It keeps the text of what a game never
// changes again (the history's entries, the undo steps but the last) from
// one call to the next, so that saving a long game again writes only what
// is new.
class GameWriter {
public:
    QByteArray json(const GameState& game);

private:
    struct Piece {
        std::shared_ptr<const void> source; // the entry or step written
        std::shared_ptr<const void> next;   // undo: the step after it, when written
        QByteArray json;
    };
    std::vector<Piece> history_, undo_;
};

GameFileResult gameFromJson(const QByteArray& bytes);

// Never more than the limit is read; a failed read gives only the problem.
GameFileResult readGameFile(const QString& path);
// Through QSaveFile, so a file is never left half-written. Empty when saved.
QString writeGameFile(const QString& path, const QByteArray& json);

// "Atlas.caldrix could not be opened: it is not JSON"
QString openProblem(const QString& path, const QString& problem);

} // namespace caldrix

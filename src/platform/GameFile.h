// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace caldrix {

// Saved games: one JSON document per game, "caldrix-game" version 1 (the
// README links its description). Reading is strict: anything the program
// could not have written is refused with the reason, and nothing in a file
// is ever run or shown as markup.
inline constexpr qint64 kMaxGameFileBytes = 16 * 1024 * 1024;
inline constexpr int kGameFileVersion = 1;
inline const QString kGameFileSuffix = QStringLiteral(".caldrix");

struct GameFileResult {
    std::optional<GameState> State;
    QString Problem; // why the file cannot be opened, "it is not JSON"
};

QByteArray GameToJson(const GameState& state);
GameFileResult GameFromJson(const QByteArray& bytes);

// Never more than the limit is read; a failed read gives only the problem.
GameFileResult ReadGameFile(const QString& path);
// Through QSaveFile, so a file is never left half-written. Empty when saved.
QString WriteGameFile(const QString& path, const GameState& state);

// "Atlas.caldrix could not be opened: it is not JSON"
QString OpenProblem(const QString& path, const QString& problem);

} // namespace caldrix

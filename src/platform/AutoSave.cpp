// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AutoSave.h"

#include "platform/GameFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <chrono>

namespace caldrix {

AutoSave::AutoSave(const Game& game, MessageBoxInterface& messages, QObject* parent)
    : QObject(parent), game_(game), messages_(messages), folder_(defaultFolder()) {
    settle_.setParent(this);
    settle_.setObjectName(QStringLiteral("AutoSaveSettle"));
    settle_.setInterval(kSettleMs); // SaveNow stops it: it fires once per pause
    connect(&settle_, &QTimer::timeout, this, &AutoSave::saveNow);
}

QString AutoSave::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void AutoSave::startNewFile() {
    settle_.stop();
    // Named by the moment it began, and its microsecond, so that the names
    // sort as the games do and two games never share a file.
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    current_ = QDir(folder_).filePath(
        QStringLiteral("game-%1-%2.caldrix")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))
            .arg(static_cast<qlonglong>(micros.count()), 16, 10, QLatin1Char('0')));
    saved_.reset();
}

void AutoSave::saveSoon() {
    settle_.start();
}

void AutoSave::saveNow() {
    settle_.stop();
    if (holds_ > 0) {
        wanted_ = true;
        return;
    }
    wanted_ = false;
    // An empty game is not worth a file: it would only push out an older one.
    const bool empty = game_.mechNames().empty() && game_.log().entries().empty();
    if (current_.isEmpty() || (saved_ && game_.revision() <= *saved_) || empty)
        return;
    QString problem;
    if (!QDir(folder_).exists()) { // made once, for its owner alone
        if (QDir().mkpath(folder_))
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        else
            problem = QStringLiteral("the folder cannot be made");
    }
    if (problem.isEmpty())
        problem = writeGameFile(current_, json());
    if (!problem.isEmpty()) {
        const Hold quiet(*this); // no save from inside its own message
        if (!failing_)
            messages_.inform(QStringLiteral("Caldrix could not save the game in %1 (%2). Play "
                                            "goes on, and Caldrix keeps trying.")
                                 .arg(folder_, problem));
        failing_ = true;
        return;
    }
    failing_ = false;
    const bool newFile = !saved_;
    saved_ = game_.revision();
    if (newFile) // only a game's first file can push out the oldest
        prune();
}

void AutoSave::release() {
    if (--holds_ == 0 && wanted_)
        saveNow();
}

bool AutoSave::isAutoSaveName(const QString& fileName) {
    // The start's date and time, then its microsecond since 1970 in 16
    // digits: a player's own "game-10.caldrix" is never taken for one.
    static const QRegularExpression name(
        QStringLiteral("^game-[0-9]{8}-[0-9]{6}-[0-9]{16}\\.caldrix$"));
    return name.match(fileName).hasMatch();
}

QStringList AutoSave::files() const {
    QDir dir(folder_);
    QStringList files = dir.entryList({QStringLiteral("game-*") + kGameFileSuffix}, QDir::Files,
                                      QDir::Name | QDir::Reversed);
    files.removeIf([](const QString& name) { return !isAutoSaveName(name); });
    return files; // the fixed width of every part sorts them by their start
}

void AutoSave::prune() {
    const QStringList names = files();
    for (qsizetype i = kKept; i < names.size(); ++i)
        QFile::remove(QDir(folder_).filePath(names[i]));
}

QStringList AutoSave::otherGames() const {
    QStringList paths;
    for (const QString& name : files())
        if (const QString path = QDir(folder_).filePath(name); path != current_)
            paths << path;
    return paths;
}

QString AutoSave::lastGame() const {
    const QStringList others = otherGames();
    return others.isEmpty() ? QString() : others.first();
}

} // namespace caldrix

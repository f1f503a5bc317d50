// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AutoSave.h"

#include "platform/GameFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace caldrix {

// ---- The writing thread ----------------------------------------------------

// What the window's thread hands over: the game as it stands, shared with
// the game in play until that changes, and where to write it.
struct AutoSave::Job {
    QString path;
    QString folder;                     // the autosaves': made first if need be
    bool firstFile = false;             // the game's first file: an oldest one may go
    std::shared_ptr<QString> copyReply; // a copy of the player's: why it failed, or empty
    GameState game;
};

// A file written, or not.
struct AutoSave::Done {
    QString folder;
    bool firstFile = false;
    QString problem;
};

// Writes the jobs in turn. Of the jobs waiting for one file only the last
// is written.
class AutoSave::Worker {
public:
    explicit Worker(AutoSave& owner) : owner_(owner), thread_([this] { run(); }) {}
    ~Worker() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join(); // every job waiting is written first
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Queued only: waking the thread costs the window's thread a system
    // call and often its processor, so that waits until Wake.
    void add(Job job) {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }

    void wake() { changed_.notify_all(); }

    void waitUntilIdle() {
        wake();
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return jobs_.empty() && !busy_; });
    }

    std::vector<Done> takeDone() {
        const std::lock_guard lock(mutex_);
        return std::exchange(done_, {});
    }

private:
    void run() {
#ifdef __linux__
        // Below the window's thread, so that a write woken by a turn seldom
        // takes the window's processor on a busy machine.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty())
                return; // stopping, and nothing left to write
            std::deque<Job> jobs = std::exchange(jobs_, {});
            busy_ = true;
            lock.unlock();
            std::vector<Done> done = writeAll(jobs);
            lock.lock();
            busy_ = false;
            done_.insert(done_.end(), done.begin(), done.end());
            if (!done.empty()) // reported on the window's thread
                QMetaObject::invokeMethod(&owner_, &AutoSave::collect, Qt::QueuedConnection);
            changed_.notify_all();
        }
    }

    std::vector<Done> writeAll(const std::deque<Job>& jobs) {
        std::vector<Done> done;
        bool firstFile = false;
        for (std::size_t k = 0; k < jobs.size(); ++k) {
            const Job& job = jobs[k];
            firstFile = firstFile || job.firstFile;
            const bool copy = job.copyReply != nullptr;
            // A newer state for the same file follows: only that one is written.
            if (!copy && k + 1 < jobs.size() && !jobs[k + 1].copyReply &&
                jobs[k + 1].path == job.path)
                continue;
            const QString problem = write(job);
            if (copy) {
                *job.copyReply = problem;
                continue;
            }
            done.push_back({job.folder, firstFile, problem});
            firstFile = false;
        }
        return done;
    }

    QString write(const Job& job) {
        if (!job.folder.isEmpty() && !QDir(job.folder).exists()) { // made once, for its owner alone
            if (!QDir().mkpath(job.folder))
                return QStringLiteral("the folder cannot be made");
            QFile::setPermissions(job.folder,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        return writeGameFile(job.path, writer_.json(job.game));
    }

    AutoSave& owner_;
    GameWriter writer_; // keeps the text of what a long game never changes again
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_;
    std::vector<Done> done_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_; // last: it starts once everything above is there
};

// ---- The window's side -----------------------------------------------------

AutoSave::AutoSave(const Game& game, MessageBoxInterface& messages, QObject* parent)
    : QObject(parent), game_(game), messages_(messages), folder_(defaultFolder()),
      worker_(std::make_unique<Worker>(*this)) {
    settle_.setParent(this);
    settle_.setObjectName(QStringLiteral("AutoSaveSettle"));
    settle_.setInterval(kSettleMs); // SaveNow stops it: it fires once per pause
    connect(&settle_, &QTimer::timeout, this, &AutoSave::saveNow);
}

AutoSave::~AutoSave() = default;

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
    if (current_.isEmpty() || (saved_ && game_.revision() <= *saved_ && !retry_) || empty)
        return;
    // Only a game's first file can push out the oldest. Made whole, so that
    // no default game is built only to be replaced.
    worker_->add({.path = current_,
                  .folder = folder_,
                  .firstFile = !saved_,
                  .copyReply = nullptr,
                  .game = game_.state()});
    saved_ = game_.revision();
    retry_ = false;
    // The writing thread starts once the window has drawn what changed:
    // behind the repaint, which Qt posts at low priority too.
    if (!wakePosted_) {
        wakePosted_ = true;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
    }
}

bool AutoSave::event(QEvent* event) {
    if (event->type() != QEvent::User)
        return QObject::event(event);
    wakePosted_ = false;
    worker_->wake();
    return true;
}

void AutoSave::flush() {
    worker_->waitUntilIdle();
    collect();
}

QString AutoSave::writeCopy(const QString& path) {
    const auto reply = std::make_shared<QString>();
    worker_->add({.path = path,
                  .folder = {},
                  .firstFile = false,
                  .copyReply = reply,
                  .game = game_.state()});
    flush();
    return *reply;
}

void AutoSave::collect() {
    bool wroteFile = false;
    for (const Done& done : worker_->takeDone()) {
        if (!done.problem.isEmpty()) {
            retry_ = true;           // the next save writes it again
            const Hold quiet(*this); // no save from inside its own message
            if (!failing_)
                messages_.inform(QStringLiteral("Caldrix could not save the game in %1 (%2). "
                                                "Play goes on, and Caldrix keeps trying.")
                                     .arg(done.folder, done.problem));
            failing_ = true;
            continue;
        }
        failing_ = false;
        wroteFile = true;
        if (done.firstFile)
            prune();
    }
    if (wroteFile)
        emit written();
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

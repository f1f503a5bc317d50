// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: process start to the main window shown and the event loop idle,
// for Caldrix and for a bare Qt main window of the same size, with each
// run's peak memory. Without arguments it runs both in turn and reports.

#include "app/Program.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

int runBare(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setFixedSize(636, 447 + 22);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}

struct Sample {
    double ms;
    long peakKb;
};

Sample runChild(const char* self, const char* mode) {
    pid_t pid = 0;
    char* args[] = {const_cast<char*>(self), const_cast<char*>(mode), nullptr};
    const auto start = std::chrono::steady_clock::now();
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&pid, self, &quiet, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s run failed\n", mode);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <typename F> double median(std::vector<Sample> s, F field) {
    std::vector<double> v;
    for (const Sample& x : s)
        v.push_back(static_cast<double>(field(x)));
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "caldrix") == 0)
        return caldrix::runProgram(1, argv, [] { QApplication::quit(); }); // no arguments
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0)
        return runBare(argc, argv);

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    constexpr int kRuns = 15;
    std::vector<Sample> caldrixRuns, bareRuns;
    runChild("/proc/self/exe", "bare"); // warm the file cache
    runChild("/proc/self/exe", "caldrix");
    for (int i = 0; i < kRuns; ++i) {
        bareRuns.push_back(runChild("/proc/self/exe", "bare"));
        caldrixRuns.push_back(runChild("/proc/self/exe", "caldrix"));
    }
    const auto ms = [](const Sample& s) { return s.ms; };
    const auto kb = [](const Sample& s) { return s.peakKb; };
    const double bareMs = median(bareRuns, ms), caldrixMs = median(caldrixRuns, ms);
    const double bareKb = median(bareRuns, kb), caldrixKb = median(caldrixRuns, kb);
    std::printf("start-up to idle (median of %d, offscreen): bare window %.1f ms, Caldrix %.1f ms, "
                "ratio %.2f (goal <= 1.5)\n",
                kRuns, bareMs, caldrixMs, caldrixMs / bareMs);
    std::printf(
        "peak memory: bare window %.1f MB, Caldrix %.1f MB, difference %.1f MB (goal <= 10)\n",
        bareKb / 1024.0, caldrixKb / 1024.0, (caldrixKb - bareKb) / 1024.0);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Program.h"

#include "app/CommandLine.h"

#include "platform/GameFile.h"
#include "platform/HelpService.h"
#include "platform/QtMessageBox.h"
#include "platform/Theme.h"
#include "turn/ClockRandom.h"
#include "ui/dialogs/TableRoll.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace caldrix {

namespace {

bool hasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int runProgram(int argc, char* argv[], const std::function<void()>& whenShown) {
    const CommandLine command = readCommandLine(argc, argv);
    if (command.exit)
        return *command.exit;
    if (!hasDisplay()) {
        std::fputs("Caldrix needs a desktop session to show its window: no DISPLAY or "
                   "WAYLAND_DISPLAY is set.\n",
                   stderr);
        return 1;
    }
    // For installed-package checks: quit once shown, 0 when the game given
    // opened; a game that would not open ends it at once, with no box to answer.
    const bool quitWhenShown = qEnvironmentVariableIsSet("CALDRIX_QUIT_WHEN_SHOWN");
    if (quitWhenShown && !command.gameFile.isEmpty()) {
        if (const GameFileResult read = readGameFile(command.gameFile); !read.state) {
            std::fputs(qPrintable(openProblem(command.gameFile, read.problem) + "\n"), stderr);
            return 1;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Caldrix"));
    QApplication::setApplicationVersion(QStringLiteral(CALDRIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.github.caldrix.Caldrix"));
    // The program ends with its main window, not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::applyTheme(app);

    QtMessageBox messages;
    ClockRandom random;
    HelpService help(messages);
    QtTableRoll tableRoll;

    Game game(random);
    MainForm mainForm({game, messages, help, tableRoll});
    messages.setOwner(&mainForm);
    tableRoll.setOwner(&mainForm);
    help.setOwner(&mainForm);
    QObject::connect(&mainForm, &MainForm::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    const bool opened = mainForm.start(command.gameFile);
    if (whenShown)
        QTimer::singleShot(0, &app, whenShown);
    if (quitWhenShown)
        QTimer::singleShot(0, &app, [opened, &command] {
            QCoreApplication::exit(command.gameFile.isEmpty() || opened ? 0 : 1);
        });
    return app.exec();
}

} // namespace caldrix

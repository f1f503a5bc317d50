// Caldrix: starts the main window, whose load handler does the set-up.

#include "platform/ClockRandom.h"
#include "platform/HelpService.h"
#include "platform/QtMessageBox.h"
#include "platform/Theme.h"
#include "ui/main/MainForm.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool HasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs("Caldrix needs a desktop session: no DISPLAY or WAYLAND_DISPLAY is set.\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Caldrix"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationVersion(QStringLiteral("1.4.3"));
    QApplication::setDesktopFileName(QStringLiteral("caldrix"));
    // The program ends with its main window, not when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    caldrix::platform::ApplyTheme(app);

    caldrix::QtMessageBox messages;
    caldrix::ClockRandom random;
    caldrix::HelpService help(messages);

    caldrix::MainForm mainForm({messages, random, help});
    QObject::connect(&mainForm, &caldrix::MainForm::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    mainForm.Form_Load();
    mainForm.show();
    if (auto* pick = mainForm.PickMechsDialog()) {
        pick->raise(); // the new-game dialog opens in front
        pick->activateWindow();
    }
    return app.exec();
}

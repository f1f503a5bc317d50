// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// Run at twice the scale (CTest sets QT_SCALE_FACTOR=2): every window the
// program opens lies wholly on the available area of the main window's screen.

#include "MainFormFixture.h"
#include "platform/HelpService.h"
#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>

using namespace caldrix;
using namespace caldrix::test;

class ScreenTest : public QObject {
    Q_OBJECT
private slots:
    void windowsOnScreen() {
        Fixture f;
        QCOMPARE(f.form->devicePixelRatio(), 2);
        f.Roster({QString(600, 'M'), "B"}, {"carried=22 sinks=0", ""});
        f.form->mnuForecast_Click();
        f.form->NextTurn_Click();
        f.form->mnuHistory_Click();
        HelpService help(f.messages);
        help.SetOwner(f.form.get());
        help.SetSearchFolders({CALDRIX_RESOURCES_DIR});
        help.SetHelpFile("caldrix.hlp");
        help.ShowHelp();
        QtMessageBox boxes;
        QtTableRoll table;
        boxes.SetOwner(f.form.get());
        table.SetOwner(f.form.get());
        QMap<QString, QRect> windows;
        for (QWidget* w :
             QList<QWidget*>{f.form->ForecastWindow(), f.form->HistoryWindow(), help.HelpWindow()})
            windows[w->objectName()] = w->frameGeometry();
        QTimer closer; // a modal box is measured as it is up
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                windows[modal->metaObject()->className()] = modal->frameGeometry();
                modal->close();
            }
        });
        closer.start(0);
        boxes.Inform(QString(300, 'x') + " could not be opened: it is not JSON");
        table.AskTotal("Atlas is at heat 22. Roll two dice against a shutdown: 8 or more.");
        QCOMPARE(windows.size(), 5);
        const QRect area = f.form->screen()->availableGeometry();
        for (auto window = windows.cbegin(); window != windows.cend(); ++window)
            QVERIFY2(area.contains(window.value()),
                     qPrintable(window.key() + " leaves the screen"));
    }
};

QTEST_MAIN(ScreenTest)
#include "tst_screen.moc"

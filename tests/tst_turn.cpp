// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The window shows the game: what is up behind each message and each dice
// question, the real message boxes, the forecast and history windows.
// Run at twice the scale (CTest sets QT_SCALE_FACTOR=2): every window the
// program opens lies wholly on the available area of the main window's screen.

#include "MainFormFixture.h"
#include "platform/QtMessageBox.h"
#include "turn/Forecast.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>

using namespace caldrix;
using namespace caldrix::test;

static const QString kNotCompleted = "There was an error, so the turn was not completed";

class NextTurnTest : public QObject {
    Q_OBJECT
private slots:
    // Behind each message or dice question the window shows the 'Mech it is
    // about, whole; a failed turn changes nothing; Undo shows the first
    // 'Mech as the turn found it.
    void theMechAskedAboutIsShown() {
        Fixture f;
        f.roster({"A", "B", "C"}, {"carried=5 move=Running sinks=11",
                                   "carried=10 sinks=", "carried=22 sinks=0 dhs"});
        f.select(0);
        f.type(f.edit("HeatGeneratedByWeapons"), "20");
        QStringList behind;
        f.messages.onShow = [&] {
            behind << QString::asprintf("%d %s %d %lld", f.selected(),
                                        qPrintable(f.edit("HeatSinks")->text()),
                                        int(f.check("DHS")->isChecked()), f.paintErrors(22).size());
        };
        QTest::mouseClick(f.find<QPushButton>("NextTurn"), Qt::LeftButton);
        QCOMPARE(f.messages.shown, (QStringList{"Enter Heat Sinks", kNotCompleted, kNotCompleted}));
        QCOMPARE(f.edit("HeatGeneratedByWeapons")->text(), QString("20"));
        f.select(1), f.type(f.edit("HeatSinks"), "10");
        f.find<QAction>("mnuTableDice")->setChecked(true);
        f.messages.totals = {7, 4, 9};
        f.nextTurn();
        QCOMPARE(behind,
                 (QStringList{"1  0 35", "1  0 35", "2 0 1 0", "0 11 0 17", "2 0 1 0", "2 0 1 0"}));
        QVERIFY(
            f.messages.shown.last().startsWith("? Shutdown not avoided with 4.\nC is at heat 22"));
        // Then the first 'Mech from its record: its spent entries are "0".
        QCOMPARE(f.edit("AttemptsToStand")->text() + f.edit("HeatGeneratedByWeapons")->text(),
                 QString("00"));
        QVERIFY(f.selected() == 0 && f.paintErrors(5 + 2 + 20 - 11).isEmpty());
        QCOMPARE(f.find<QAction>("mnuUndoTurn")->text(), QString("&Undo Turn 1"));
        f.select(2);
        f.trigger("mnuUndoTurn");
        QCOMPARE(f.paintErrors(5), QString()); // the first 'Mech as the turn found it
        QCOMPARE(f.edit("HeatGeneratedByWeapons")->text(), QString("20"));
    }

    // The production path: real message boxes and the real table-roll box,
    // answered from a timer. Each belongs to the main window and carries the
    // program's icon; Enter on the delete confirmation answers No. At twice
    // the scale, every window opened lies wholly on the available area of the
    // main window's screen.
    void realBoxesOnScreen() {
        QtMessageBox real;
        QtTableRoll tableRoll;
        RecordingHelp recorded;
        SequenceRandom random({0});
        Game game(random);
        QTemporaryDir saves;
        MainForm form(MainFormServices{game, real, recorded, tableRoll, saves.path()});
        real.setOwner(&form), tableRoll.setOwner(&form);
        form.show();
        QCOMPARE(form.devicePixelRatio(), 2);
        game.addMech(std::string(600, 'M'));
        form.showGame();
        for (const char* entry : {"mnuForecast", "mnuHistory"})
            form.findChild<QAction*>(entry)->trigger();
        auto* history = Fixture::window<TurnHistory>("TurnHistory");
        QVERIFY2(!QApplication::activeModalWidget(), "a tool window blocks the main window");
        // The main window fits the small screen, its fixed layout scrolling inside it.
        QList<QRect> windows{form.frameGeometry(),
                             Fixture::window<HeatForecast>("HeatForecast")->frameGeometry(),
                             history->frameGeometry()};
        const QRect menu(form.menuBar()->mapToGlobal(QPoint()), form.menuBar()->size());
        QVERIFY2(!windows[1].intersects(menu) && !windows[2].intersects(menu),
                 "a tool window over the menu bar");
        QStringList seen;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal)
                windows << modal->frameGeometry();
            if (auto* total = modal ? modal->findChild<QLineEdit*>("TableRollTotal") : nullptr) {
                total->setText(seen.isEmpty() ? "7" : "x"); // Enter, then Escape: Cancel Turn
                QTest::keyClick(total, seen.isEmpty() ? Qt::Key_Return : Qt::Key_Escape);
                seen << "rolled";
            }
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->windowTitle() + ": " + box->text() +
                            (box->icon() == QMessageBox::NoIcon ? "" : " (icon)") +
                            (box->parentWidget() == &form ? "" : " (elsewhere)") +
                            (box->windowIcon().isNull() ? " (no window icon)" : "");
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        closer.start(0);
        QCOMPARE(tableRoll.askTotal(QString(300, 'x') + " is at heat 22."), std::optional<int>(7));
        QCOMPARE(tableRoll.askTotal("Roll"), std::optional<int>());
        form.findChild<QPushButton*>("NextTurn")->click();
        QCOMPARE(seen.mid(2), (QStringList{"Caldrix: Enter movement type",
                                           "Caldrix: Enter number of engine hits",
                                           "Caldrix: " + kNotCompleted}));
        form.findChild<QListWidget*>("MechNames")->setCurrentRow(0);
        form.findChild<QAction*>("mnuDeleteMech")->trigger();
        QApplication::setActiveWindow(history); // a box belongs to the window in use
        real.inform(QString(300, 'x') + " could not be opened: it is not JSON");
        QCOMPARE(seen.at(seen.size() - 2), "Delete 'Mech: Delete currently selected 'Mech (icon)");
        QVERIFY(game.mechCount() == 1 && seen.last().endsWith(" (elsewhere)"));
        // A long word may break every 40 characters.
        QCOMPARE(seen.last().section(QChar(0x200B), 0, 0), "Caldrix: " + QString(40, 'x'));
        for (const QRect& window : windows)
            QVERIFY(form.screen()->availableGeometry().contains(window));
        QCOMPARE(windows.size(), 10);
    }

    // A total typed at the table is a whole number from 2 to 12; anything
    // else cannot be accepted and says why.
    void tableRollTotals() {
        TableRoll box("Atlas is at heat 22.");
        const auto* ok = box.findChild<QPushButton*>("TableRollOk"); // Enter presses it
        QString taken;
        for (const char* typed : {"1", "2", " 7 ", "12", "13", "x"}) {
            box.findChild<QLineEdit*>("TableRollTotal")->setText(typed);
            taken += QString::number(box.total().value_or(0)) + (ok->isEnabled() ? "+" : "-") +
                     box.findChild<QLabel*>("TableRollWhy")->text().left(1);
        }
        QVERIFY(taken == "0-T2+7+12+0-T0-T" && ok->isDefault());
    }

    // The forecast follows every edit and never rolls. The history copies a
    // spreadsheet's rows, wraps, and keeps its newest turn in view.
    void forecastAndHistory() {
        Fixture f;
        f.random.values = {0.99f};
        f.roster({"Hot", QString(300, 'C')}, {"carried=20 move=Running sinks=0", ""});
        f.trigger("mnuForecast");
        auto* forecast = Fixture::window<HeatForecast>("HeatForecast");
        QTableWidget* table = forecast->table();
        f.select(1);
        f.type(f.edit("HeatSinks"), "");
        table->selectRow(0);
        QCOMPARE(forecast->breakdown()->text(),
                 QString("Hot: movement 2, attempts to stand 0, weapons 0, other heat 0, fire 0, "
                         "engine hits 0, minus heat sinks 0: heat 20 becomes 22."));
        QCOMPARE(table->item(1, HeatForecast::Level)->text(), QString("Enter Heat Sinks"));
        QVERIFY(table->item(0, HeatForecast::Level)->text() == "22");
        for (int column = HeatForecast::HeatNow; column <= HeatForecast::Ammo; ++column)
            QVERIFY2(table->columnWidth(column) >
                         table->fontMetrics().horizontalAdvance(table->item(0, column)->text()),
                     qPrintable(table->item(0, column)->text() + " cut short"));
        QVERIFY2(table->item(1, HeatForecast::Level)->font().bold(), "a problem not in bold");
        QCOMPARE(table->item(1, HeatForecast::Level)->foreground().color(), QColor(192, 0, 0));
        f.type(f.edit("HeatSinks"), "99999"); // a long problem wraps in a taller row
        const QTableWidgetItem* problem = table->item(1, HeatForecast::Level);
        const QRect cell = table->visualItemRect(problem);
        const QFontMetrics metrics(problem->font());
        QVERIFY2(cell.width() < metrics.horizontalAdvance(problem->text()) &&
                     metrics.boundingRect(cell, Qt::TextWordWrap, problem->text()).height() <=
                         cell.height(),
                 "a problem on one wide line, or cut");
        f.type(f.edit("HeatSinks"), "10");
        QCOMPARE(table->item(1, HeatForecast::Shutdown)->text() +
                     table->item(1, HeatForecast::Ammo)->text(),
                 QString("\u2014\u2014"));
        f.nextTurn();
        f.nextTurn();
        QCOMPARE(int(f.random.draws), 8);
        f.type(f.edit("HeatSinks"), "10");
        f.trigger("mnuHistory");
        auto* historyWindow = Fixture::window<TurnHistory>("TurnHistory");
        QPlainTextEdit* history = historyWindow->text();
        for (int turn = 0; turn < 30; ++turn)
            f.nextTurn();
        QVERIFY(history->toPlainText().contains("Turn 1\n    Hot: heat 20 \u2192 22 (turn heat 2); "
                                                "+3 Modifier to fire") &&
                history->toPlainText().contains("\nTurn 2\n") &&
                history->toPlainText().endsWith("\u2192 0 (turn heat 0)"));
        QCOMPARE(history->verticalScrollBar()->value(), history->verticalScrollBar()->maximum());
        QApplication::clipboard()->clear(), QTest::keyClick(history, Qt::Key_Return);
        QVERIFY2(QApplication::clipboard()->text().isEmpty(), "Enter pressed Copy");
        historyWindow->findChild<QPushButton*>("HistoryCopy")->click();
        QVERIFY(QApplication::clipboard()->text().contains("\n1\tHot\t20\t22\t2\t+3 Modifier"));
        while (f.find<QAction>("mnuUndoTurn")->isEnabled())
            f.trigger("mnuUndoTurn");
        QVERIFY(history->toPlainText().startsWith("Turn 1 (undone)\n"));
    }
};

QTEST_MAIN(NextTurnTest)
#include "tst_turn.moc"

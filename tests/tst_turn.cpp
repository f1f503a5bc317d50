// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFormFixture.h"
#include "platform/QtMessageBox.h"
#include "platform/TableRoll.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>

using namespace caldrix;
using namespace caldrix::test;

namespace {

const QString kNotCompleted = "There was an error, so the turn was not completed";

// A record that passes validation.
void Ready(MechRecordStore& store, int slot, const char* move = "Stationary",
           const char* sinks = "10") {
    store.MechMovementType(slot) = move;
    store.MechEngineHits(slot) = "None";
    store.MechHeatSinks(slot) = sinks;
}

} // namespace

class NextTurnTest : public QObject {
    Q_OBJECT
private slots:
    // A failed turn changes no record at all, not even for the 'Mechs before
    // the bad one; once mended, the entries typed before count.
    void failedTurnKeepsEveryEntry() {
        Fixture f;
        f.Roster({"A", "B", "C"});
        for (int slot = 1; slot <= 3; ++slot) {
            Ready(f.Store(), slot, "Running");
            f.Store().MechHeat(slot) = std::int16_t(5 * slot);
        }
        f.Store().MechHeatSinks(2) = "";
        f.Select(0);
        f.Type(f.Edit("HeatGeneratedByWeapons"), "20");
        f.Type(f.Edit("AttemptsToStand"), "1");
        const MechRecord first = f.Store().Record(1);
        // Behind each message the panel shows the 'Mech being checked.
        QStringList lit;
        f.messages.onShow = [&] { lit << QString::number(f.CellColour(10) == kLightRed); };
        f.form->NextTurn_Click();
        QCOMPARE(f.messages.Texts(),
                 (QStringList{"Enter Heat Sinks", kNotCompleted, kNotCompleted}));
        QCOMPARE(lit, (QStringList{"1", "1", "1"}));
        QVERIFY(f.Store().Record(1) == first);
        QCOMPARE(f.Edit("HeatGeneratedByWeapons")->text(), QString("20"));
        QCOMPARE(QString::fromStdString(f.form->Log().Entries().back().Text),
                 QString("Turn 1 not completed: B: Enter Heat Sinks"));

        f.Select(1);
        f.Type(f.Edit("HeatSinks"), "10");
        f.messages.shown.clear();
        f.form->NextTurn_Click();
        QCOMPARE(f.Store().MechHeat(1), std::int16_t{5 + 2 + 1 + 20 - 10});
        // The first 'Mech is then shown from its record: its spent entries are "0".
        QCOMPARE(f.Edit("AttemptsToStand")->text() + f.Edit("HeatGeneratedByWeapons")->text(),
                 QString("00"));
        QVERIFY(f.Selected() == 0 && f.PaintErrors(18).isEmpty());
        f.Select(2); // C, shown later from its record: 15 + 2 - 10
        QVERIFY(f.PaintErrors(7).isEmpty());
    }

    // The production path: real message boxes, answered from a timer. Each
    // is centred on the main window with the program's icon, and Enter on the
    // delete confirmation answers No.
    void realMessageBoxes() {
        QtMessageBox real;
        RecordingHelp help;
        SequenceRandom random({0});
        MainForm form(MainFormServices{real, random, help});
        real.SetOwner(&form);
        form.show();
        form.AppendMechNames({"A"});
        Ready(form.Store(), 1, "Stationary", "");
        QStringList seen;
        bool cancel = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* total = modal ? modal->findChild<QLineEdit*>("TableRollTotal") : nullptr) {
                total->setText("7");
                QTest::keyClick(total, cancel ? Qt::Key_Escape : Qt::Key_Return);
            }
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->windowTitle() + ": " + box->text() +
                            (box->icon() == QMessageBox::NoIcon ? "" : " (icon)") +
                            (box->parentWidget() == &form
                                 ? ""
                                 : " over " + box->parentWidget()->objectName()) +
                            (box->windowIcon().isNull() ? " (no window icon)" : "");
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        closer.start(0);
        form.NextTurn_Click();
        QCOMPARE(seen, (QStringList{"Caldrix: Enter Heat Sinks", "Caldrix: " + kNotCompleted}));
        seen.clear();
        form.findChild<QListWidget*>("MechNames")->setCurrentRow(0);
        form.mnuDeleteMech_Click();
        QCOMPARE(seen, QStringList{"Delete 'Mech: Delete currently selected 'Mech (icon)"});
        QCOMPARE(form.MechCount(), 1);
        QWidget other; // a box belongs to the active window of the program
        other.setObjectName("other");
        other.show();
        QApplication::setActiveWindow(&other);
        real.Inform("Hi");
        QCOMPARE(seen.last(), QString("Caldrix: Hi over other"));
        QCOMPARE(real.AskDiceTotal("Roll"), std::optional<int>(7));
        cancel = true;
        QCOMPARE(real.AskDiceTotal("Roll"), std::optional<int>()); // Escape: Cancel Turn
    }

    // A total typed at the table is a whole number from 2 to 12; anything
    // else cannot be accepted and says why.
    void tableRollTotals() {
        TableRoll box("Atlas is at heat 22.");
        const auto* ok = box.findChild<QPushButton*>("TableRollOk"); // Enter presses it
        QStringList taken;
        for (const char* typed : {"1", "2", " 7 ", "12", "13", "x", ""}) {
            box.findChild<QLineEdit*>("TableRollTotal")->setText(typed);
            taken << QString::number(box.Total().value_or(0)) +
                         (ok->isEnabled() && ok->isDefault() ? "+" : "-") +
                         box.findChild<QLabel*>("TableRollWhy")->text().left(4);
        }
        QCOMPARE(taken, QStringList({"0-Type", "2+", "7+", "12+", "0-Type", "0-Type", "0-Type"}));
    }

    // Dice rolled at the table: asked in the order the program would draw
    // them, never drawn from the generator.
    void diceAtTheTable() {
        Fixture f;
        f.Roster({"Atlas", "Mad Cat", "Locust"});
        for (int slot = 1; slot <= 3; ++slot)
            Ready(f.Store(), slot, "Stationary", "0");
        f.Store().MechHeat(1) = 22;
        f.Store().MechHeat(2) = 30;
        f.Find<QAction>("mnuTableDice")->setChecked(true);
        f.messages.totals = {7, 4, 9};
        // Behind each question the panel shows the 'Mech it is about.
        QStringList lit;
        f.messages.onShow = [&] { lit << QString::number(f.CellColour(23) == kLightRed); };
        f.form->NextTurn_Click();
        QCOMPARE(lit, (QStringList{"0", "0", "1"}));
        QCOMPARE(f.messages.Texts(),
                 (QStringList{"Atlas is at heat 22. Roll two dice against a shutdown: 8 or more "
                              "avoids it.",
                              "Atlas is at heat 22. Roll two dice against an ammunition "
                              "explosion: 4 or more avoids it.",
                              "Mad Cat is at heat 30. Roll two dice against an ammunition "
                              "explosion: 8 or more avoids it."}));
        QVERIFY(f.random.draws == 0 &&
                QString::fromStdString(f.form->Log().AsText()).contains("rolled 7 at the table"));

        // Cancel Turn on the second question: every record as before, the
        // first 'Mech shown from its record.
        f.Select(2);
        f.messages.totals = {12, std::nullopt};
        f.form->NextTurn_Click();
        QCOMPARE(f.PaintErrors(22), QString()); // Atlas, shown from its record
        QCOMPARE(QString::fromStdString(f.form->Log().Entries().back().Text),
                 QString("Turn 2 cancelled at the table"));
    }

    // The history window copies a spreadsheet's rows; the forecast window
    // follows every edit and never rolls.
    void historyAndForecastWindows() {
        Fixture f;
        f.random.values = {0.99f};
        f.Roster({"Hot", "Cold"});
        Ready(f.Store(), 1, "Running", "0");
        Ready(f.Store(), 2);
        f.Store().MechHeat(1) = 20;
        f.form->mnuForecast_Click();
        QTableWidget* table = f.form->ForecastWindow()->Table();
        auto row = [table](int r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                cells << (table->item(r, c) ? table->item(r, c)->text() : "?");
            return cells.join('|');
        };
        QCOMPARE(row(0), QString("Hot|20|2|0|22|-4 Movement Points|+3 Modifier to fire|"
                                 "avoid on 8+ (41.7%)|avoid on 4+ (91.7%)"));
        f.Select(1);
        f.Type(f.Edit("HeatSinks"), "");
        QCOMPARE(row(1), QString("Cold|0|||Enter Heat Sinks||||"));
        QVERIFY(table->item(1, HeatForecast::Level)->font().bold());
        f.Type(f.Edit("HeatSinks"), "10");
        table->selectRow(0);
        QCOMPARE(f.form->ForecastWindow()->Breakdown()->text(),
                 QString("Hot: movement 2, attempts to stand 0, weapons 0, other heat 0, fire 0, "
                         "engine hits 0, minus heat sinks 0: heat 20 becomes 22."));
        QCOMPARE(int(f.random.draws) + f.random.reseeds, 0);

        f.form->NextTurn_Click();
        QCOMPARE(row(0).section('|', 1, 1), QString("22"));
        f.form->mnuHistory_Click();
        QVERIFY(f.form->HistoryWindow()->Text()->toPlainText().contains(
            "Turn 1\n    Hot: heat 20 \u2192 22 (turn heat 2); +3 Modifier to fire"));
        QTest::mouseClick(f.form->HistoryWindow()->findChild<QPushButton*>("HistoryCopy"),
                          Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text().split('\n').mid(3),
                 (QStringList{"1\tHot\t20\t22\t2\t+3 Modifier to fire\t-4 Movement Points\t\t\t"
                              "shutdown, avoid on 8+: 6 + 6 = 12, avoided; ammo explosion, avoid "
                              "on 4+: 6 + 6 = 12, avoided",
                              "1\tCold\t0\t0\t0\t\t\t\t\t", ""}));
    }
};

QTEST_MAIN(NextTurnTest)
#include "tst_turn.moc"

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFormFixture.h"
#include "platform/QtMessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
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
            f.Store().MechConditionMP(slot) = "-1 Movement Points";
        }
        f.Store().MechHeatSinks(2) = "";
        f.Select(0);
        f.Type(f.Edit("HeatGeneratedByWeapons"), "20");
        f.Type(f.Edit("AttemptsToStand"), "1");
        std::vector<MechRecord> before;
        for (int slot = 1; slot <= 3; ++slot)
            before.push_back(f.Store().Record(slot));
        // Behind each message the panel shows the 'Mech being checked.
        QStringList lit;
        f.messages.onShow = [&] { lit << QString::number(f.CellColour(10) == kLightRed); };
        f.form->NextTurn_Click();
        QCOMPARE(f.messages.Texts(),
                 (QStringList{"Enter Heat Sinks", kNotCompleted, kNotCompleted}));
        QCOMPARE(lit, (QStringList{"1", "1", "1"}));
        for (int slot = 1; slot <= 3; ++slot)
            QVERIFY(f.Store().Record(slot) == before[std::size_t(slot - 1)]);
        QCOMPARE(f.Edit("HeatGeneratedByWeapons")->text(), QString("20"));
        QCOMPARE(f.PaintErrors(5), QString());
        QCOMPARE(QString::fromStdString(f.form->Log().Entries().back().Text),
                 QString("Turn 1 not completed: B: Enter Heat Sinks"));

        f.Select(1);
        f.Type(f.Edit("HeatSinks"), "10");
        f.messages.shown.clear();
        f.form->NextTurn_Click();
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(f.Store().MechHeat(1), std::int16_t{5 + 2 + 1 + 20 - 10});
    }

    // Four 'Mechs from cool to melting, with dice that always fail and dice
    // that always succeed; the first 'Mech is then shown from its record.
    void successfulTurn_data() {
        QTest::addColumn<float>("r");
        QTest::newRow("dice always 1") << 0.0f;
        QTest::newRow("dice always 6") << 0.99f;
    }
    void successfulTurn() {
        QFETCH(float, r);
        Fixture f;
        f.random.values = {r};
        f.Roster({"cool", "warm", "hot", "melting"});
        const char* entries[][5] = {{"Stationary", "10", "0", "1.5", "2"}, // 0 + 1.5 + 2 - 10: 0
                                    {"Walking", "0", "0", "0", "8"},       // 0 + 1 + 8: 9
                                    {"Running", "10", "18", "0", "10"},    // 18 + 12 - 10: 20
                                    {"Jumping", "5", "25", "0", "0"}};     // 25 + 6 + 10 - 5: 30
        for (int slot = 1; slot <= 4; ++slot) {
            const auto& e = entries[slot - 1];
            Ready(f.Store(), slot, e[0], e[1]);
            f.Store().MechHeat(slot) = std::int16_t(std::stoi(e[2]));
            f.Store().MechAttemptsToStand(slot) = e[3];
            f.Store().MechWeaponHeat(slot) = e[4];
        }
        f.Store().MechHexesJumped(4) = "6";
        f.Store().MechEngineHits(4) = "2nd Engine Hit";
        f.form->NextTurn_Click();
        QVERIFY(f.messages.shown.empty());
        QStringList results;
        for (int slot = 1; slot <= 4; ++slot) {
            const MechRecord m = f.Store().Record(slot);
            results << QString::number(m.Heat) +
                           QString::fromStdString(" " + m.ConditionMod2Fier + "|" + m.ConditionMP +
                                                  "|" + m.ConditionShutdown + "|" +
                                                  m.ConditionAmmoExp + "|" + m.AttemptsToStand +
                                                  m.WeaponHeat);
        }
        const QString shut = r > 0.5f ? "" : "Shutdown!!!",
                      ammo = r > 0.5f ? "" : "Ammo Explosion!!!";
        QCOMPARE(
            results,
            (QStringList{"0 ||||00", "9 +1 Modifier to fire|-1 Movement Points|||00",
                         "20 +3 Modifier to fire|-4 Movement Points|" + shut + "|" + ammo + "|00",
                         "30 +4 Modifier to fire|-5 Movement Points|Shutdown!!!|" + ammo + "|00"}));
        QCOMPARE(int(f.random.draws), 6); // level 20 rolls twice, level 30 once
        QCOMPARE(int(f.form->Turn().DiceTotal), r > 0.5f ? 12 : 2);
        QCOMPARE(f.Selected(), 0);
        QCOMPARE(f.Edit("AttemptsToStand")->text() + f.Edit("HeatGeneratedByWeapons")->text(),
                 QString("00"));
        QCOMPARE(f.PaintErrors(0), QString());
        f.Select(3); // shown again without rolling
        QCOMPARE(f.Label("ConditionShutdown")->text() + f.PaintErrors(30), QString("Shutdown!!!"));
        QCOMPARE(int(f.random.draws), 6);
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
        form.Store().ResetMechRecords();
        Ready(form.Store(), 1);
        form.Store().MechHeatSinks(1) = "";
        QStringList seen;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* total = modal ? modal->findChild<QLineEdit*>("TableRollTotal") : nullptr) {
                if (seen.isEmpty()) { // a bad total cannot be accepted, and says why
                    total->setText("13");
                    QTest::keyClick(total, Qt::Key_Return);
                    seen << modal->findChild<QLabel*>("TableRollWhy")->text();
                    total->setText("7");
                    QTest::keyClick(total, Qt::Key_Return);
                } else {
                    QTest::keyClick(total, Qt::Key_Escape);
                }
            }
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen << box->windowTitle() + ": " + box->text() +
                            (box->icon() == QMessageBox::NoIcon ? "" : " (icon)") +
                            (box->parentWidget() == &form ? "" : " (no parent)") +
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
        seen.clear();
        QCOMPARE(real.AskDiceTotal("Roll"), std::optional<int>(7));
        QCOMPARE(seen, QStringList{"Type a whole number from 2 to 12"});
        QCOMPARE(real.AskDiceTotal("Roll"), std::optional<int>()); // Escape: Cancel Turn
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
        QCOMPARE(f.Store().MechConditionShutdown(1) + f.Store().MechConditionAmmoExp(1) + "|" +
                     f.Store().MechConditionShutdown(2) + f.Store().MechConditionAmmoExp(2),
                 std::string("Shutdown!!!|Shutdown!!!"));
        QCOMPARE(int(f.random.draws), 0);
        QVERIFY(QString::fromStdString(f.form->Log().AsText()).contains("rolled 7 at the table"));

        // Cancel Turn on the second question: every record as before.
        std::vector<MechRecord> before;
        for (int slot = 1; slot <= 3; ++slot) {
            f.Store().MechWeaponHeat(slot) = "3";
            before.push_back(f.Store().Record(slot));
        }
        f.Select(2);
        f.messages.shown.clear();
        f.messages.totals = {12, std::nullopt};
        f.form->NextTurn_Click();
        QCOMPARE(f.messages.shown.size(), std::size_t{2});
        for (int slot = 1; slot <= 3; ++slot)
            QVERIFY(f.Store().Record(slot) == before[std::size_t(slot - 1)]);
        QCOMPARE(f.Selected(), 0);
        QCOMPARE(f.Edit("HeatGeneratedByWeapons")->text(), QString("3"));
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

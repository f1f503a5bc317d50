// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game without any window: every player action and what it gives back.

#include "Doubles.h"
#include "Records.h"
#include "turn/ClockRandom.h"

#include <QTest>

using namespace caldrix;
using namespace caldrix::test;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A game of 'Mechs named A, B, C... with the given records; every roll fails.
struct Table {
    SequenceRandom random{{0.0f}};
    ScriptedDice dice;
    Game game{random, dice};

    explicit Table(const QStringList& records) {
        for (int i = 0; i < records.size(); ++i) {
            game.AddMech(std::string(1, char('A' + i)));
            Put(i + 1, Rec(records[i]));
        }
    }
    void Put(int slot, MechRecord record) {
        GameState state = game.State();
        state.Records[std::size_t(slot)] = std::move(record);
        game.Restore(std::move(state));
    }
    std::vector<MechRecord> Records() const {
        std::vector<MechRecord> records;
        for (int slot = 1; slot <= game.MechCount(); ++slot)
            records.push_back(game.Record(slot));
        return records;
    }
    QString Conditions(int slot) const {
        const MechRecord& r = game.Record(slot);
        return Q(r.MechConditionMod2Fier + "|" + r.MechConditionMP + "|" + r.MechConditionShutdown +
                 "|" + r.MechConditionAmmoExp);
    }
};

const char* const kNotCompleted = "There was an error, so the turn was not completed";

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    void nextTurn_data() {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("messages"); // "row: text"
        QTest::addColumn<QList<int>>("levels");
        const QString fresh = "move=Movement_Type hits=Engine_Hits";
        QTest::newRow("two fresh 'Mechs")
            << QStringList{fresh, fresh}
            << QStringList{"0: Enter movement type",         "0: Enter number of engine hits",
                           QString("0: ") + kNotCompleted,   "1: Enter movement type",
                           "1: Enter number of engine hits", QString("1: ") + kNotCompleted}
            << QList<int>{0, 0};
        QTest::newRow("only the second has no heat sinks")
            << QStringList{"carried=5 move=Running weapons=9", "carried=6 sinks=", "carried=7"}
            << QStringList{"1: Enter Heat Sinks", QString("1: ") + kNotCompleted,
                           QString("2: ") + kNotCompleted}
            << QList<int>{5, 6, 7};
        QTest::newRow("completed")
            << QStringList{"carried=12 move=Running weapons=8",
                           "carried=25 move=Walking weapons=15 hits=2nd_Engine_Hit", "carried=3"}
            << QStringList{} << QList<int>{12, 30, 0};
    }
    // All or nothing; a completed turn spends attempts and weapon heat.
    void nextTurn() {
        QFETCH(QStringList, records);
        QFETCH(QStringList, messages);
        QFETCH(QList<int>, levels);
        Table t(records);
        t.game.Select(1);
        const std::vector<MechRecord> before = t.Records();
        const TurnOutcome outcome = t.game.NextTurn();
        QStringList shown;
        for (const TurnMessage& m : outcome.Messages)
            shown << QString("%1: %2").arg(m.Row).arg(Q(m.Text));
        QCOMPARE(shown, messages);
        QList<int> after;
        for (const MechRecord& r : t.Records())
            after << r.MechHeat;
        QCOMPARE(after, levels);
        QCOMPARE(t.game.Selected(), 0);
        QCOMPARE(t.random.reseeds, int(records.size()) + 1);
        if (!messages.isEmpty()) {
            QVERIFY(outcome.What == TurnOutcome::Result::Failed && t.Records() == before);
            return;
        }
        QVERIFY(outcome.What == TurnOutcome::Result::Completed && outcome.Mechs.size() == 3);
        QCOMPARE(t.Conditions(2), QString("+4 Modifier to fire|-5 Movement Points|Shutdown!!!|"
                                          "Ammo Explosion!!!"));
        QCOMPARE(t.Conditions(1), QString("+1 Modifier to fire|-2 Movement Points||"));
        for (const MechRecord& r : t.Records())
            QCOMPARE(Q(r.MechAttemptsToStand + r.MechWeaponHeat), QString("00"));
        QCOMPARE(outcome.Mechs[1].TurnHeat, 26);
    }

    // Undo puts back every record as Next Turn found it, entries edited
    // since included, and names the turn it takes back.
    void undo() {
        Table t({"carried=10 move=Running weapons=8", "carried=20"});
        const std::vector<MechRecord> start = t.Records();
        t.game.NextTurn();
        t.game.Set(1, &MechRecord::MechWeaponHeat, std::string("9"));
        t.game.Set(2, &MechRecord::MechHeatSinks, std::string("4"));
        const std::vector<MechRecord> second = t.Records();
        t.game.NextTurn();
        QCOMPARE(t.game.UndoTurnNumber(), 2);
        t.game.Select(1);
        QVERIFY(t.game.Undo() && t.Records() == second && t.game.Selected() == 0);
        QVERIFY(t.game.Undo() && t.Records() == start);
        QVERIFY(!t.game.Undo() && t.game.UndoTurnNumber() == 0);
        QCOMPARE(t.game.Log().NextTurnNumber(), 1);
        // Played again, the turn gives what it gave the first time.
        t.game.NextTurn();
        QCOMPARE(t.game.Record(1).MechHeat, std::int16_t{10});
        QCOMPARE(t.game.UndoTurnNumber(), 1);
        t.game.AddMech("late"); // a roster change ends what can be undone
        QCOMPARE(t.game.UndoTurnNumber(), 0);
    }

    // Dice typed at the table: asked in the order the generator would draw,
    // each question after the first saying how the last roll went.
    void diceAtTheTable() {
        Table t({"carried=22 sinks=0", "carried=30 sinks=0", "carried=3"});
        t.game.SetDiceAtTable(true);
        t.dice.totals = {9, 3, 7};
        QVERIFY(t.game.NextTurn().What == TurnOutcome::Result::Completed);
        QStringList questions;
        for (std::size_t i = 0; i < t.dice.questions.size(); ++i)
            questions << QString("%1 %2: ").arg(t.dice.asked[i].Row).arg(t.dice.asked[i].Level) +
                             Q(t.dice.questions[i]);
        QCOMPARE(questions,
                 (QStringList{"0 22: A is at heat 22. Roll two dice against a shutdown: 8 or more "
                              "avoids it.",
                              "0 22: Shutdown avoided with 9.\nA is at heat 22. Roll two dice "
                              "against an ammunition explosion: 4 or more avoids it.",
                              "1 30: Ammo explosion not avoided with 3.\nB is at heat 30. Roll "
                              "two dice against an ammunition explosion: 8 or more avoids it."}));
        QCOMPARE(t.Conditions(1) + "/" + t.Conditions(2),
                 QString("+3 Modifier to fire|-4 Movement Points||Ammo Explosion!!!/"
                         "+4 Modifier to fire|-5 Movement Points|Shutdown!!!|Ammo Explosion!!!"));
        QCOMPARE(t.random.draws, std::size_t{0});

        // Cancel Turn, or a total no pair of dice gives: nothing changes.
        for (std::optional<int> last : {std::optional<int>(), std::optional<int>(13)}) {
            const std::vector<MechRecord> before = t.Records();
            t.dice.totals = {12, last};
            QVERIFY(t.game.NextTurn().What == TurnOutcome::Result::Cancelled);
            QVERIFY(t.Records() == before);
        }
        QCOMPARE(Q(t.game.Log().Entries().back().Text), QString("Turn 2 cancelled at the table"));
    }

    // The roster and the records stay in step through every change.
    void roster() {
        Table t({"carried=1", "carried=2", "carried=3"});
        t.game.Set(0, &MechRecord::MechHeatSinks, std::string("scratch"));
        QVERIFY(!t.game.RemoveMech(-1) && !t.game.RemoveMech(3));
        t.game.Select(0);
        QVERIFY(t.game.RemoveMech(0));
        QCOMPARE(QList<int>({t.game.Record(1).MechHeat, t.game.Record(2).MechHeat,
                             t.game.Selected(), t.game.MechCount()}),
                 QList<int>({2, 3, -1, 2}));
        QVERIFY(t.game.Record(3) == MechRecord::Defaults() &&
                t.game.Record(256) == MechRecord::Defaults());
        QVERIFY(t.game.AddUnit({"Atlas AS7-D", 20, true}));
        const MechRecord& unit = t.game.Record(3);
        QCOMPARE(Q(unit.MechHeatSinks + unit.MechEngineHits + unit.MechMovementType) +
                     QString::number(unit.MechDHS),
                 QString("20NoneMovement Type1"));
        while (t.game.AddMech("M")) {
        }
        QCOMPARE(t.game.MechCount(), 256);
        t.game.Select(256);
        QCOMPARE(t.game.Selected(), -1);
        t.game.NewGame();
        QVERIFY(t.game.MechCount() == 0 && t.game.Record(1) == MechRecord::Defaults() &&
                t.game.Record(0).MechHeatSinks == "scratch");
    }

    // The program's generator: uniform in [0, 1), a new run after a reseed.
    void generatorRange() {
        ClockRandom random(7);
        float low = 1, high = 0;
        for (int i = 0; i < 100000; ++i) {
            const float r = random.NextFloat();
            QVERIFY(r >= 0.0f && r < 1.0f);
            low = std::min(low, r), high = std::max(high, r);
        }
        QVERIFY(low < 0.001f && high > 0.999f);
        ClockRandom a(1), b(1);
        b.Reseed();
        QVERIFY(a.NextFloat() != b.NextFloat());
    }
};

QTEST_GUILESS_MAIN(GameTest)
#include "tst_game.moc"

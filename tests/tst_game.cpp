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
        GameState state = game.State();
        for (int i = 0; i < records.size(); ++i) {
            state.Names.push_back(std::string(1, char('A' + i)));
            state.Records[std::size_t(i + 1)] = Rec(records[i]);
        }
        game.Restore(state);
    }
    std::vector<MechRecord> Records() const {
        const std::vector<MechRecord> all = game.State().Records;
        return {all.begin() + 1, all.begin() + 1 + game.MechCount()};
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

    // Undo names the turn it takes back, and that number comes again; a
    // roster change ends what can be undone.
    void undoNumbers() {
        Table t({"carried=10 move=Running weapons=8", "carried=20"});
        t.game.NextTurn();
        t.game.NextTurn();
        QCOMPARE(t.game.UndoTurnNumber(), 2);
        QVERIFY(t.game.Undo() && t.game.UndoTurnNumber() == 1 &&
                t.game.Log().NextTurnNumber() == 2);
        t.game.NextTurn();
        QCOMPARE(t.game.UndoTurnNumber(), 2);
        t.game.AddMech("late");
        QVERIFY(t.game.UndoTurnNumber() == 0 && !t.game.Undo());
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

    // Removing shifts the records down; a unit file's 'Mech has no engine
    // hits; a new game keeps the scratch slot.
    void roster() {
        Table t({"carried=1", "carried=2", "carried=3"});
        t.game.Set(0, &MechRecord::MechHeatSinks, std::string("scratch"));
        QVERIFY(!t.game.RemoveMech(-1) && !t.game.RemoveMech(3) && t.game.RemoveMech(0));
        QVERIFY(t.game.Record(2).MechHeat == 3 && t.game.Record(3) == MechRecord::Defaults());
        QVERIFY(t.game.AddUnit({"Atlas AS7-D", 20, true}));
        const MechRecord& unit = t.game.Record(3);
        QCOMPARE(Q(unit.MechHeatSinks + unit.MechEngineHits) + QString::number(unit.MechDHS),
                 QString("20None1"));
        t.game.NewGame();
        QVERIFY(t.game.Record(1) == MechRecord::Defaults() &&
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

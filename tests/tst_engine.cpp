// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules and the game, without any window: numbers, heat balance, heat
// effects and dice, forecast, unit files, and what the game's
// operations give back.

#include "Doubles.h"
#include "Records.h"
#include "turn/ClockRandom.h"
#include "turn/EntryNumber.h"
#include "turn/Forecast.h"

#include <QTest>

using namespace caldrix;
using namespace caldrix::test;

namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Rows of a data table, each a string: its name, then its columns, parted by '|'.
void rows(std::initializer_list<const char*> table) {
    for (const char* row : table) {
        const QStringList cells = QString(row).split('|');
        QTestData& data = QTest::newRow(qPrintable(cells[0]));
        for (const QString& cell : cells.mid(1))
            data << cell;
    }
}

// A game of 'Mechs named A, B, C... with the given records; every roll fails.
struct Table {
    SequenceRandom random{{0.0f}};
    ScriptedDice dice;
    Game game{random, dice};

    explicit Table(const QStringList& records) {
        GameState state = game.state();
        for (int i = 0; i < records.size(); ++i)
            state.names.write().push_back(std::string(1, char('A' + i))),
                state.records.write()[std::size_t(i + 1)] = rec(records[i]);
        game.restore(state);
    }
};

} // namespace

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void numberForms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed"); // "floor rounded", halves to even; "-" refused
        rows({"half to even down|2.50|2 2", "half to even up|3.5|3 4", "negative half|-2.5|-3 -2",
              "negative above half|-2.6|-3 -3", "negative below half|-2.1|-3 -2",
              "negative whole with a point|-3.0|-3 -3", "just above half|2.51|2 3",
              "just below half|2.4999999999999999999|2 2"});
        for (const char* bad : {"", "   ", "-", ".", "1e3", "2,5", "1 000", "0x10", "+-3", "1.2.3"})
            QTest::addRow("refused '%s'", bad) << QString(bad) << QString("-");
    }
    void numberForms() {
        QFETCH(QString, text);
        const auto n = parseEntryNumber(text.toStdString());
        QTEST(n ? QString("%1 %2").arg(n->floor).arg(rounded(*n)) : "-", "parsed");
    }

    // Each item of the balance at its edges, without heat sinks unless a row
    // has them: the new level and the heat of the turn Next Turn records, or
    // why the turn was refused.
    void balance_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("result"); // "level turn-heat", or the first message
        rows({"stationary costs nothing|carried=4|4 0",
              "walking costs 1|move=Walking|1 1",
              "running costs 2|move=Running|2 2",

              "jumping 2 costs 3|move=Jumping hexes=2|3 3",
              "jumping 3 costs 3|move=Jumping hexes=3|3 3",
              "jumping 3.5 costs 4|move=Jumping hexes=3.5|4 4",
              "jumping 4.5 costs 4|move=Jumping hexes=4.5|4 4",
              "jumping 32767|move=Jumping hexes=32767|30 32767",
              "lower case|move=walking|Enter movement type",
              "first engine hit adds 5|hits=1st_Engine_Hit|5 5",
              "second engine hit is 10 in all|hits=2nd_Engine_Hit|10 10",
              "standing in fire adds 1|fire standing|1 1",
              "3 double heat sinks|carried=10 sinks=3 dhs|4 0",
              "none below 0|carried=3 sinks=4|0 0",

              "heat over 30 is lost|carried=25 move=Walking weapons=15 hits=2nd_Engine_Hit|30 26",

              "32767 double heat sinks|carried=30 sinks=32767 dhs|0 0",
              "large entries summed wide|attempts=32767 weapons=32767 sinks=-32768 dhs|30 65534",
              "attempts 32767.4|attempts=32767.4|30 32767",
              "attempts 32767.5|attempts=32767.5|Attempts to stand must be a number from -32768 "
              "to 32767",
              "attempts -32768.5|attempts=-32768.5|0 -32768",
              "attempts -32769|attempts=-32769|Attempts to stand must be a number from -32768 to "
              "32767"});
    }
    void balance() {
        QFETCH(QString, changes);
        Table t({"sinks=0 " + changes});
        const TurnOutcome o = t.game.nextTurn();
        const auto* line = o.turn ? &o.turn->mechs[0] : nullptr;
        QTEST(line ? QString("%1 %2").arg(line->after).arg(line->turnHeat)
                   : q(o.messages.empty() ? "" : o.messages[0].text),
              "result");
    }

    // Temperature: a point a turn for each ten degrees or part above 50 °C;
    // below -30 °C a point off the heat the turn built up, never more.
    void temperature_data() {
        QTest::addColumn<QString>("celsius");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QString>("result"); // level, heat of the turn
        rows({"50 adds nothing|50|carried=4 weapons=3|7 3", "51 adds 1|51|weapons=3|4 4",
              "60 adds 1|60|weapons=3|4 4", "61 adds 2|61|weapons=3|5 5", "200 adds 15|200||15 15",
              "-30 takes nothing|-30|weapons=3|3 3", "-31 takes 1|-31|weapons=3|2 2",
              "-41 takes 2|-41|weapons=3|1 1",
              "-200 takes all built up|-200|carried=9 weapons=3|9 0",
              "-200 leaves a cooling turn|-200|carried=9 weapons=-2|7 -2"});
    }
    void temperature() {
        QFETCH(QString, celsius);
        QFETCH(QString, changes);
        Table t({"sinks=0 " + changes});
        t.game.setRules({false, false, celsius.toInt(), false});
        const MechTurnLine& line = t.game.nextTurn().turn->mechs[0];
        QTEST(QString("%1 %2").arg(line.after).arg(line.turnHeat), "result");
    }

    // Where each effect begins, and the level just below: fire modifier,
    // movement penalty, shutdown and ammunition avoid-on numbers, and on the
    // expanded scale (from 30 up) pilot damage and system failure too (0:
    // none; over 12 or -1: it happens without a roll). Every die is 1, so
    // every roll fails.
    void effects_data() {
        QTest::addColumn<QString>("below"); // the level ends the row's name
        QTest::addColumn<QString>("at");
        rows({"from 5|0 0 0 0|0 1 0 0",
              "from 8|0 1 0 0|1 1 0 0",
              "from 10|1 1 0 0|1 2 0 0",
              "from 13|1 2 0 0|2 2 0 0",
              "from 14|2 2 0 0|2 2 4 0",
              "from 15|2 2 4 0|2 3 4 0",
              "from 17|2 3 4 0|3 3 4 0",
              "from 18|3 3 4 0|3 3 6 0",
              "from 19|3 3 6 0|3 3 6 4",
              "from 20|3 3 6 4|3 4 6 4",
              "from 22|3 4 6 4|3 4 8 4",
              "from 23|3 4 8 4|3 4 8 6",
              "from 24|3 4 8 6|4 4 8 6",
              "from 25|4 4 8 6|4 5 8 6",
              "from 26|4 5 8 6|4 5 10 6",
              "from 28|4 5 10 6|4 5 10 8",
              "from 30|4 5 10 8|4 5 -1 8",
              "expanded from 30|4 5 10 8 0 0|4 5 12 8 0 0",
              "expanded from 31|4 5 12 8 0 0|4 6 12 8 0 0",
              "expanded from 32|4 6 12 8 0 0|4 6 12 8 8 0",
              "expanded from 33|4 6 12 8 8 0|5 6 12 8 8 0",
              "expanded from 34|5 6 12 8 8 0|5 6 14 8 8 0",
              "expanded from 35|5 6 14 8 8 0|5 6 14 10 8 0",
              "expanded from 36|5 6 14 10 8 0|5 6 14 10 8 8",
              "expanded from 37|5 6 14 10 8 8|5 7 14 10 8 8",
              "expanded from 38|5 7 14 10 8 8|5 7 16 10 8 8",
              "expanded from 39|5 7 16 10 8 8|5 7 16 10 10 8",
              "expanded from 40|5 7 16 10 10 8|5 7 16 12 10 8",
              "expanded from 41|5 7 16 12 10 8|6 7 16 12 10 8",
              "expanded from 42|6 7 16 12 10 8|6 7 18 12 10 8",
              "expanded from 43|6 7 18 12 10 8|6 8 18 12 10 8",
              "expanded from 44|6 8 18 12 10 8|6 8 18 12 10 10",
              "expanded from 45|6 8 18 12 10 10|6 8 18 -1 10 10",
              "expanded from 46|6 8 18 -1 10 10|6 8 20 -1 10 10",
              "expanded from 47|6 8 20 -1 10 10|6 8 20 -1 12 10",
              "expanded from 48|6 8 20 -1 12 10|7 8 20 -1 12 10",
              "expanded from 49|7 8 20 -1 12 10|7 9 20 -1 12 10",
              "expanded from 50|7 9 20 -1 12 10|7 9 -1 -1 12 10"});
    }
    void effects() {
        QFETCH(QString, below);
        QFETCH(QString, at);
        const int level = QString(QTest::currentDataTag()).section(' ', -1).toInt();
        for (int l : {level - 1, level}) {
            const QStringList n = (l < level ? below : at).split(' ');
            const bool expanded = n.size() == 6;
            SequenceRandom random({0.0f});
            const HeatEffects e = applyHeatEffects(l, random, {expanded});
            QStringList rolled, expected;
            for (const RollRecord& roll : e.rolls)
                rolled << QString::number(roll.avoidOn);
            for (const QString& number : n.mid(2))
                if (number.toInt() > 0 && number.toInt() <= 12)
                    expected << number;
            QCOMPARE(rolled, expected);
            QCOMPARE(q(e.mod2Fier), n[0] == "0" ? QString() : "+" + n[0] + " Modifier to fire");
            QCOMPARE(q(e.mp), n[1] == "0" ? QString() : "-" + n[1] + " Movement Points");
            const QStringList struck{q(e.shutdown), q(e.ammoExp), q(e.pilot), q(e.system)};
            const QStringList texts{"Shutdown!!!", "Ammo Explosion!!!", "Pilot Hit!!!",
                                    "System Failure!!!"};
            for (int k = 0; k + 2 < n.size(); ++k)
                QCOMPARE(struck[k], n[2 + k] == "0" ? QString() : texts[k]);
        }
    }

    void forecastLines() {
        QStringList lines;
        for (const char* changes :
             {"carried=12 weapons=4 sinks=0", "carried=30 sinks=0", "carried=3"})
            lines << q(forecastLine(forecast(rec(changes))));
        QCOMPARE(lines, QStringList({"heat 12 \u2192 16: -3 Movement Points, +2 Modifier to fire, "
                                     "shutdown avoid on 4+ (91.7%)",
                                     "heat 30 \u2192 30: -5 Movement Points, +4 Modifier to fire, "
                                     "shutdown automatic, ammo explosion avoid on 8+ (41.7%)",
                                     "heat 3 \u2192 0"}));
    }

    void unitFiles_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("result"); // "name/sinks/double" or the problem
        auto row = [](const char* name, const QByteArray& text, const char* result) {
            QTest::newRow(name) << text << QString(result);
        };
        row("keys in any case, values trimmed",
            "Chassis: \t Mad Cat \r\nMODEL: Prime\r\nHeat Sinks: 019 IS Double\r\n",
            "Mad Cat Prime/19/1");
        row("older format", "\xef\xbb\xbfVersion:1.0\nLocust\nLCT-1V\n\nHeat Sinks:10 Single\n",
            "Locust LCT-1V/10/0");
        row("older format, name only", "\n\nVersion:1\nLocust\n", "it has no heat sinks line");
        row("older format, version only", "Version:1\n", "it has no 'Mech name");
        row("older format, sinks as the model", "Version:1\nA\nheat sinks:10",
            "A heat sinks:10/10/0");
        // Every spelling of heat sinks unit files use.
        auto sinks = [](std::initializer_list<const char*> words, const char* result) {
            for (const char* word : words)
                QTest::addRow("heat sinks: '%s'", word)
                    << "chassis:A\nheat sinks:12 " + QByteArray(word) + "\n"
                    << QString(result);
        };
        sinks({"Clan Double", "Double", "DOUBLE", "double", "Laser", "Clan Laser"}, "A/12/1");
        sinks({"Compact", "Single", "single", ""}, "A/12/0");
        row("no name", "heat sinks:10 Single\n", "it has no 'Mech name");
        row("no heat sinks line", "chassis:Atlas\nmodel:AS7-D\n", "it has no heat sinks line");
        for (const char* count : {"many", "-1", "32768"})
            QTest::addRow("heat sinks %s", count)
                << "chassis:Atlas\nheat sinks:" + QByteArray(count) + "\n"
                << QString("its heat sinks line does not start with a count from 0 to 32767");
        row("binary", QByteArray("chassis:Atlas\0\nheat sinks:10\n", 29), "it is not a text file");
        for (const char* bad : {"\x80", "\xc3\xa9\x80", "\xc0\x80", "\xe0\x9f\xbf", "\xe2\x82s",
                                "\xed\xa0\x80", "\xf0\x8f\xbf\xbf", "\xf4\x90\x80\x80"})
            QTest::addRow("not UTF-8: %s", QByteArray(bad).toHex(' ').constData())
                << "chassis:A" + QByteArray(bad) + "\nheat sinks:10\n"
                << QString("it is not a text file");
        row("UTF-8 name", "chassis:\xc3\xa9 \xe0\xa0\x80 \xf4\x8f\xbf\xbf\nheat sinks:32767\n",
            "\u00e9 \u0800 \U0010FFFF/32767/0");
        QTest::newRow("longest name")
            << "heat sinks:1\nchassis:" + QByteArray(999'998, 'A') + "\nmodel:B"
            << QString(999'998, 'A') + " B/1/0";
        row("name too long", "heat sinks:1\nchassis:" + QByteArray(999'999, 'A') + "\nmodel:B",
            "its 'Mech name is too long");
        const QByteArray unit = "chassis:A\nheat sinks:1\n";
        row("exactly 1 MB", unit + QByteArray(1024 * 1024 - unit.size(), ' '), "A/1/0");
        row("over 1 MB", unit + QByteArray(1024 * 1024 - unit.size() + 1, ' '),
            "it is larger than 1 MB");
    }
    void unitFiles() {
        QFETCH(QByteArray, text);
        const UnitFileResult r = parseUnitFile(std::string_view(text.constData(), text.size()));
        QTEST(q(r.mech ? r.mech->name + "/" + std::to_string(r.mech->heatSinks) + "/" +
                             std::to_string(r.mech->doubleHeatSinks)
                       : r.problem),
              "result");
    }

    // Dice typed at the table: asked in the order the generator would draw,
    // each question after the first saying how the last roll went.
    void diceAtTheTable() {
        Table t({"carried=22 sinks=0", "carried=30 sinks=0", "carried=3"});
        t.game.setDiceAtTable(true), t.dice.totals = {9, 2, 7};
        QVERIFY(t.game.nextTurn().what == TurnOutcome::Result::Completed);
        QStringList questions;
        for (std::size_t i = 0; i < t.dice.questions.size(); ++i)
            questions << QString("%1: ").arg(t.dice.asked[i].row) + q(t.dice.questions[i]);
        QCOMPARE(questions,
                 (QStringList{"0: A is at heat 22. Roll two dice against a shutdown: 8 or more "
                              "avoids it.",
                              "0: Shutdown avoided with 9.\nA is at heat 22. Roll two dice "
                              "against an ammunition explosion: 4 or more avoids it.",
                              "1: Ammo explosion not avoided with 2.\nB is at heat 30. Roll "
                              "two dice against an ammunition explosion: 8 or more avoids it."}));
        QVERIFY(t.random.draws == 0 && t.random.reseeds == 4); // at the start, before each 'Mech

        // Cancelled at the second question, and logged so.
        t.dice.totals = {12};
        QVERIFY(t.game.nextTurn().what == TurnOutcome::Result::Cancelled);
        QCOMPARE(q(t.game.log().entries().back()->text), QString("Turn 2 cancelled at the table"));
    }

    // A game that has numbered its last turn plays no other: no number
    // past the last a saved game holds, and no overflow.
    void lastTurnNumber() {
        Table t({"carried=3"});
        GameState state = t.game.state();
        state.log.push_back(std::make_shared<const LogEntry>(
            LogEntry{LogEntry::Kind::Turn, TurnLog::kLastTurn - 1, {}, false, {}}));
        t.game.restore(state);
        QVERIFY(t.game.nextTurn().what == TurnOutcome::Result::Completed);
        QCOMPARE(t.game.log().entries().back()->number, TurnLog::kLastTurn);
        const TurnOutcome last = t.game.nextTurn();
        QVERIFY(last.what == TurnOutcome::Result::Failed && last.messages.size() == 1);
        QCOMPARE(t.game.log().entries().size(), std::size_t(2));
        QCOMPARE(t.game.selected(), 0); // ends on the first 'Mech, as every turn does
    }

    // The program's generator: PCG32 on a 2^-24 grid in [0, 1), a new run
    // after a reseed.
    void generatorStream() {
        ClockRandom a(1), b(1), pcg(7);
        b.reseed();
        QVERIFY(a.nextFloat() != b.nextFloat());
        // PCG32 (XSH RR) seeded through SplitMix64, as a reference model gives it.
        QCOMPARE(QList<float>({pcg.nextFloat(), pcg.nextFloat(), pcg.nextFloat()}),
                 QList<float>({0.7840887308f, 0.7614135146f, 0.7231174707f}));
    }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"

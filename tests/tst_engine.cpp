// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules and the record store, without any window: heat balance, heat
// effects and dice, forecast, turn history, unit files.

#include "state/MechRecordStore.h"
#include "state/UnitFile.h"
#include "turn/EntryNumber.h"
#include "turn/Forecast.h"
#include "turn/HeatBalance.h"
#include "turn/HeatEffects.h"
#include "turn/TurnLog.h"

#include <QTest>

#include <map>
#include <vector>

using namespace caldrix;

namespace {

// A valid 'Mech (stationary, no hits, 10 heat sinks) changed by "key=value"
// pairs; '_' stands for a blank.
MechEntries Entries(const QString& changes) {
    MechEntries e;
    e.MovementType = "Stationary";
    e.HexesJumped = e.AttemptsToStand = e.WeaponHeat = e.FireHexes = "0";
    e.HeatSinks = "10";
    e.EngineHits = "None";
    e.WalkingThroughFire = true;
    const std::map<QString, std::string MechEntries::*> texts{
        {"move", &MechEntries::MovementType},        {"hexes", &MechEntries::HexesJumped},
        {"attempts", &MechEntries::AttemptsToStand}, {"weapons", &MechEntries::WeaponHeat},
        {"sinks", &MechEntries::HeatSinks},          {"hits", &MechEntries::EngineHits},
        {"firehexes", &MechEntries::FireHexes}};
    for (const QString& pair : changes.split(' ', Qt::SkipEmptyParts)) {
        const QString key = pair.section('=', 0, 0);
        const QString value = pair.section('=', 1).replace('_', ' ');
        if (texts.count(key))
            e.*texts.at(key) = value.toStdString();
        else if (key == "carried")
            e.CarriedHeat = std::int16_t(value.toInt());
        else if (key == "other")
            e.OtherHeat = std::int16_t(value.toInt());
        else if (key == "dhs")
            e.DoubleHeatSinks = true;
        else if (key == "fire")
            e.Fire = true;
        else if (key == "standing")
            e.WalkingThroughFire = false, e.StandingInFire = true;
    }
    return e;
}

const QString kRange = " must be a number from -32768 to 32767";

// A record with every field away from its default, told apart by n.
MechRecord Marked(int n) {
    const std::string s = std::to_string(n);
    return {"hs" + s,
            std::int16_t(n % 31),
            1,
            "mt" + s,
            "hj" + s,
            "as" + s,
            "wh" + s,
            1,
            false,
            "fh" + s,
            true,
            "eh" + s,
            "c1" + s,
            "c2" + s,
            "c3" + s,
            "c4" + s,
            std::int16_t(n)};
}

// Gives the scripted numbers in turn, then repeats the last.
class Draws : public RandomSourceInterface {
public:
    explicit Draws(std::vector<float> values) : values(std::move(values)) {}
    float NextFloat() override { return values[std::min(count++, values.size() - 1)]; }
    void Reseed() override {}
    std::vector<float> values;
    std::size_t count = 0;
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void numberForms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("rounded"); // to the nearest, halves to even
        QTest::newRow("half to even down") << "2.5" << true << 2LL;
        QTest::newRow("half to even up") << "3.5" << true << 4LL;
        QTest::newRow("negative half") << "-2.5" << true << -2LL;
        QTest::newRow("negative above half") << "-2.6" << true << -3LL;
        QTest::newRow("sign, blanks") << " +7 " << true << 7LL;
        QTest::newRow("leading point") << ".5" << true << 0LL;
        QTest::newRow("trailing point") << "5." << true << 5LL;
        QTest::newRow("just above half") << "2.5000000000000000001" << true << 3LL;
        for (const char* bad :
             {"", "   ", "-", ".", "1e3", "2,5", "1 000", "0x10", "3abc", "+-3", "1.2.3"})
            QTest::addRow("refused '%s'", bad) << bad << false << 0LL;
    }
    void numberForms() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(qint64, rounded);
        const auto n = ParseEntryNumber(text.toStdString());
        QCOMPARE(n.has_value(), accepted);
        if (n)
            QCOMPARE(Rounded(*n), rounded);
    }

    void balance_data() {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("level");
        QTest::addColumn<qint64>("turnHeat");
        auto row = [](const char* name, const char* entries, int level, qint64 heat) {
            QTest::newRow(name) << QString(entries) << level << heat;
        };
        row("stationary, nothing else", "", 0, 0);
        row("running with weapons", "carried=12 move=Running weapons=8", 12, 10);
        row("double heat sinks", "carried=12 move=Running weapons=8 dhs", 2, 10);
        row("over 30 is lost", "carried=25 move=Walking weapons=15 hits=2nd_Engine_Hit", 30, 26);
        row("jumping 2 costs 3", "move=Jumping hexes=2 sinks=0", 3, 3);
        row("jumping -5 costs 3", "move=Jumping hexes=-5 sinks=0", 3, 3);
        row("jumping 4.5", "move=Jumping hexes=4.5 sinks=0", 4, 4);
        row("jumping 5.5", "move=Jumping hexes=5.5 sinks=0", 6, 6);
        row("weapons 2.5 after stationary", "weapons=2.5 sinks=0", 2, 2);
        row("weapons 2.5 after walking", "move=Walking weapons=2.5 sinks=0", 4, 4);
        row("fraction resolved after each addition", "attempts=1.5 weapons=1.5 sinks=0", 4, 4);
        row("other heat is sunk too", "other=5", 0, 0);
        row("negative heat sinks add heat", "sinks=-4", 4, 0);
        row("empty boxes add nothing", "attempts= weapons= sinks=0", 0, 0);
        row("second engine hit is 10 in all", "hits=2nd_Engine_Hit sinks=0", 10, 10);
        row("32767 other heat on 30", "carried=30 other=32767", 30, 0);
        row("32767 double heat sinks", "carried=30 sinks=32767 dhs", 0, 0);
        row("large entries summed wide", "attempts=32767 weapons=32767 sinks=-32768 dhs", 30,
            65534);
        row("fire ignored unless ticked", "firehexes=2.5 sinks=0", 0, 0);
        row("walking through fire after walking", "fire firehexes=2.5 move=Walking sinks=0", 4, 4);
        row("standing in fire adds 1", "fire standing sinks=0", 1, 1);
    }
    void balance() {
        QFETCH(QString, entries);
        QFETCH(int, level);
        QFETCH(qint64, turnHeat);
        const auto b = ComputeHeatBalance(Entries(entries));
        QVERIFY(b.has_value());
        QCOMPARE(int(b->NewLevel), level);
        QCOMPARE(qint64(b->TurnHeat), turnHeat);
    }

    void validation_data() {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QStringList>("messages");
        auto row = [](const char* name, const QString& entries, const QStringList& messages) {
            QTest::newRow(name) << entries << messages;
        };
        row("a fresh record's prompts", "move=Movement_Type hits=Engine_Hits",
            {"Enter movement type", "Enter number of engine hits"});
        row("lower case", "move=walking", {"Enter movement type"});
        row("trailing blank", "move=Walking_", {"Enter movement type"});
        row("jumping without hexes", "move=Jumping hexes=", {"Enter the # of hexes jumped"});
        row("jumping 0 hexes", "move=Jumping hexes=0", {});
        row("bad hexes ignored unless jumping", "hexes=two", {});
        row("blank heat sinks", "sinks=_", {"Heat sinks" + kRange});
        row("attempts 32767.4", "attempts=32767.4", {});
        row("attempts -32768.5", "attempts=-32768.5", {});
        row("attempts 32767.5", "attempts=32767.5", {"Attempts to stand" + kRange});
        row("attempts -32769", "attempts=-32769", {"Attempts to stand" + kRange});
        row("attempts of 10000 digits", "attempts=" + QString(10000, '9'),
            {"Attempts to stand" + kRange});
        row("every entry bad, in order",
            "move=Jumping hexes=1e2 attempts=a weapons=b fire firehexes=c sinks=d hits=",
            {"The # of hexes jumped" + kRange, "Attempts to stand" + kRange,
             "Heat generated by weapons" + kRange, "The hexes moved through the fire" + kRange,
             "Heat sinks" + kRange, "Enter number of engine hits"});
        row("every entry missing, in order", "move=Sprinting fire firehexes= sinks= hits=none",
            {"Enter movement type", "Enter the number of hexes moved through the fire",
             "Enter Heat Sinks", "Enter number of engine hits"});
    }
    void validation() {
        QFETCH(QString, entries);
        QFETCH(QStringList, messages);
        const MechEntries e = Entries(entries);
        QStringList shown;
        for (const std::string& m : ValidateEntries(e))
            shown << QString::fromStdString(m);
        QCOMPARE(shown, messages);
        QCOMPARE(ComputeHeatBalance(e).has_value(), messages.isEmpty());
    }

    // What each item of a turn adds, as the forecast itemises it: the
    // fractions resolved on the running total (1 + 1.5 = 2.5 gives 2).
    void itemisedHeat() {
        const auto b = ComputeHeatBalance(
            Entries("carried=5 other=3 move=Walking attempts=1.5 weapons=2.5 fire firehexes=2 "
                    "hits=1st_Engine_Hit sinks=4 dhs"));
        QVERIFY(b.has_value());
        QCOMPARE(QList<qint64>({b->Movement, b->Standing, b->Weapons, b->Fire, b->Engine, b->Other,
                                b->HeatSinkCount, b->TurnHeat, b->NewLevel}),
                 QList<qint64>({1, 1, 2, 2, 5, 3, 8, 11, 11}));
    }

    // Level: fire text, movement text, shutdown and ammunition avoid-on
    // numbers (0: no roll, -1: shutdown without a roll).
    void effects_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("fire");
        QTest::addColumn<QString>("movement");
        QTest::addColumn<int>("shutdown");
        QTest::addColumn<int>("ammo");
        auto row = [](int level, const char* fire, const char* movement, int shutdown, int ammo) {
            QTest::addRow("level %d", level) << level << fire << movement << shutdown << ammo;
        };
        row(0, "", "", 0, 0);
        row(4, "", "", 0, 0);
        row(5, "", "-1 Movement Points", 0, 0);
        row(7, "", "-1 Movement Points", 0, 0);
        row(8, "+1 Modifier to fire", "-1 Movement Points", 0, 0);
        row(9, "+1 Modifier to fire", "-1 Movement Points", 0, 0);
        row(10, "+1 Modifier to fire", "-2 Movement Points", 0, 0);
        row(12, "+1 Modifier to fire", "-2 Movement Points", 0, 0);
        row(13, "+2 Modifier to fire", "-2 Movement Points", 0, 0);
        row(14, "+2 Modifier to fire", "-2 Movement Points", 4, 0);
        row(15, "+2 Modifier to fire", "-3 Movement Points", 4, 0);
        row(16, "+2 Modifier to fire", "-3 Movement Points", 4, 0);
        row(17, "+3 Modifier to fire", "-3 Movement Points", 4, 0);
        row(18, "+3 Modifier to fire", "-3 Movement Points", 6, 0);
        row(19, "+3 Modifier to fire", "-3 Movement Points", 6, 4);
        row(20, "+3 Modifier to fire", "-4 Movement Points", 6, 4);
        row(21, "+3 Modifier to fire", "-4 Movement Points", 6, 4);
        row(22, "+3 Modifier to fire", "-4 Movement Points", 8, 4);
        row(23, "+3 Modifier to fire", "-4 Movement Points", 8, 6);
        row(24, "+4 Modifier to fire", "-4 Movement Points", 8, 6);
        row(25, "+4 Modifier to fire", "-5 Movement Points", 8, 6);
        row(26, "+4 Modifier to fire", "-5 Movement Points", 10, 6);
        row(27, "+4 Modifier to fire", "-5 Movement Points", 10, 6);
        row(28, "+4 Modifier to fire", "-5 Movement Points", 10, 8);
        row(29, "+4 Modifier to fire", "-5 Movement Points", 10, 8);
        row(30, "+4 Modifier to fire", "-5 Movement Points", -1, 8);
    }
    void effects() {
        QFETCH(int, level);
        QFETCH(QString, fire);
        QFETCH(QString, movement);
        QFETCH(int, shutdown);
        QFETCH(int, ammo);
        // Dice that always fail (every die 1), then always succeed (every die 6).
        for (float r : {0.0f, 0.99f}) {
            Draws random({r});
            const HeatEffects e = ApplyHeatEffects(level, random);
            const bool unlucky = r == 0.0f;
            QCOMPARE(Q(e.Mod2Fier), fire);
            QCOMPARE(Q(e.MP), movement);
            QCOMPARE(Q(e.Shutdown), shutdown < 0 || (unlucky && shutdown > 0) ? "Shutdown!!!" : "");
            QCOMPARE(Q(e.AmmoExp), unlucky && ammo > 0 ? "Ammo Explosion!!!" : "");
            QList<int> avoidOn;
            for (const RollRecord& roll : e.Rolls) {
                avoidOn << roll.AvoidOn;
                QCOMPARE(int(roll.Rolled.DiceTotal), unlucky ? 2 : 12);
                QCOMPARE(roll.Avoided, !unlucky);
            }
            QList<int> wanted;
            for (int n : {shutdown, ammo})
                if (n > 0)
                    wanted << n;
            QCOMPARE(avoidOn, wanted);
            QCOMPARE(int(random.count), 2 * int(wanted.size()));
        }
        // The forecast names the same rolls before any die is cast.
        MechRecord r = MechRecord::Defaults();
        r.Heat = std::int16_t(level);
        r.MovementType = "Stationary";
        r.EngineHits = "None";
        r.HeatSinks = "0";
        const MechForecast f = Forecast(r);
        QCOMPARE(QList<int>({f.Level, f.ShutdownAutomatic ? -1 : f.ShutdownAvoidOn, f.AmmoAvoidOn}),
                 QList<int>({level, shutdown, ammo}));
        QCOMPARE(Q(f.Mod2Fier) + Q(f.MP), fire + movement);
    }

    // Totals at and just under an avoid-on number; the shutdown roll comes
    // first and Die1 before Die2. Draws: 0 gives 1, 0.2 gives 2, 0.34 gives 3.
    void avoidOnBoundaries_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("14: total 3 shuts down") << 14 << QList<float>{0, 0.2f} << "S";
        QTest::newRow("14: total 4 avoids") << 14 << QList<float>{0, 0.34f} << "";
        QTest::newRow("19: ammo total 3 explodes")
            << 19 << QList<float>{0.99f, 0.99f, 0, 0.2f} << "A";
        QTest::newRow("28: ammo total 7 explodes")
            << 28 << QList<float>{0.99f, 0.99f, 0, 0.99f} << "A";
        QTest::newRow("28: ammo total 8 avoids")
            << 28 << QList<float>{0.99f, 0.99f, 0.2f, 0.99f} << "";
        QTest::newRow("30: only the ammunition roll") << 30 << QList<float>{0, 0.99f} << "SA";
    }
    void avoidOnBoundaries() {
        QFETCH(int, level);
        QFETCH(QList<float>, draws);
        QFETCH(QString, outcome);
        Draws random(std::vector<float>(draws.begin(), draws.end()));
        const HeatEffects e = ApplyHeatEffects(level, random);
        QCOMPARE(QString(e.Shutdown.empty() ? "" : "S") + (e.AmmoExp.empty() ? "" : "A"), outcome);
        const Dice& last = e.Rolls.back().Rolled;
        QCOMPARE(QList<int>({last.Die1, last.Die2}),
                 QList<int>({int(draws[draws.size() - 2] * 6) + 1, int(draws.last() * 6) + 1}));
    }

    // Every one of the 2^24 values the generator gives: each face covers
    // exactly one sixth of [0, 1).
    void everyDrawGivesItsFace() {
        Draws random({0});
        for (std::uint32_t k = 0; k < (1u << 24); ++k) {
            random.values[0] = float(k) / 16777216.0f;
            random.count = 0;
            const int face = int((6ull * k) >> 24) + 1;
            if (RollDie(random) != face)
                QFAIL(qPrintable(QString("draw %1/2^24 gives %2, not %3")
                                     .arg(k)
                                     .arg(RollDie(random))
                                     .arg(face)));
        }
    }

    void odds_data() {
        QTest::addColumn<int>("avoidOn");
        QTest::addColumn<QString>("text");
        QTest::newRow("2+") << 2 << "avoid on 2+ (100.0%)";
        QTest::newRow("4+") << 4 << "avoid on 4+ (91.7%)";
        QTest::newRow("6+") << 6 << "avoid on 6+ (72.2%)";
        QTest::newRow("8+") << 8 << "avoid on 8+ (41.7%)";
        QTest::newRow("10+") << 10 << "avoid on 10+ (16.7%)";
        QTest::newRow("12+") << 12 << "avoid on 12+ (2.8%)";
    }
    void odds() {
        QFETCH(int, avoidOn);
        QFETCH(QString, text);
        QCOMPARE(Q(AvoidOnText(avoidOn)), text);
    }

    void forecastLine_data() {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<int>("heat");
        QTest::addColumn<QString>("line");
        QTest::newRow("shutdown roll")
            << "weapons=4 sinks=0" << 12
            << "heat 12 \u2192 16: +2 Modifier to fire, shutdown avoid on 4+ (91.7%)";
        QTest::newRow("everything")
            << "sinks=0" << 30
            << "heat 30 \u2192 30: +4 Modifier to fire, shutdown automatic, "
               "ammo explosion avoid on 8+ (41.7%)";
        QTest::newRow("no effect") << "" << 3 << "heat 3 \u2192 0";
        QTest::newRow("rejected") << "sinks=" << 7 << "heat 7: Enter Heat Sinks";
    }
    void forecastLine() {
        QFETCH(QString, entries);
        QFETCH(int, heat);
        QFETCH(QString, line);
        const MechEntries e = Entries(entries);
        MechRecord r = MechRecord::Defaults();
        r.Heat = std::int16_t(heat);
        r.MovementType = e.MovementType;
        r.WeaponHeat = e.WeaponHeat;
        r.HeatSinks = e.HeatSinks;
        r.EngineHits = e.EngineHits;
        QCOMPARE(Q(ForecastLine(Forecast(r))), line);
    }

    // The history of a game as a spreadsheet reads it, and what Undo gives back.
    void turnLog() {
        TurnLog log;
        log.AddMechAdded("Atlas");
        log.AddMechAdded("Mad\tCat");
        log.AddFailedTurn({"Atlas: Enter Heat Sinks", "Mad\tCat: Enter movement type"});
        HeatEffects hot;
        hot.Mod2Fier = "+3 Modifier to fire";
        hot.MP = "-4 Movement Points";
        hot.Shutdown = "Shutdown!!!";
        hot.Rolls = {{Danger::Shutdown, 8, {3, 4, 7, false}, false},
                     {Danger::AmmoExplosion, 4, {0, 0, 9, true}, true}};
        TurnState before;
        before.Heat = 2;
        before.WeaponHeat = "12";
        log.AddTurn({{"Atlas", 2, 22, 25, hot}, {"Mad\tCat", 0, 0, 1, {}}}, {before, {}});
        QVERIFY(log.CanUndo());
        QCOMPARE(log.NextTurnNumber(), 2);
        log.AddCancelledTurn();
        const auto undone = log.Undo();
        QVERIFY(undone && undone->size() == 2 && (*undone)[0].WeaponHeat == "12");
        QVERIFY(!log.CanUndo() && !log.Undo());
        QCOMPARE(
            Q(log.AsText()).split('\n'),
            QStringList({"Turn\t'Mech\tHeat before\tHeat after\tHeat of turn\tFire modifier\t"
                         "Movement\tShutdown\tAmmo explosion\tRolls",
                         "'Mech added: Atlas", "'Mech added: Mad Cat",
                         "Turn 1 not completed: Atlas: Enter Heat Sinks; Mad Cat: Enter "
                         "movement type",
                         "1 (undone)\tAtlas\t2\t22\t25\t+3 Modifier to fire\t-4 Movement "
                         "Points\tShutdown!!!\t\tshutdown, avoid on 8+: 3 + 4 = 7, not "
                         "avoided; ammo explosion, avoid on 4+: rolled 9 at the table, avoided",
                         "1 (undone)\tMad Cat\t0\t0\t1\t\t\t\t\t", "Turn 2 cancelled at the table",
                         ""}));
        log.AddTurn({}, {});
        log.AddMechRemoved("Atlas"); // a roster change ends what can be undone
        QVERIFY(!log.CanUndo());
        log.Clear();
        QVERIFY(log.Entries().empty() && log.NextTurnNumber() == 1);
    }

    void unitFiles_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("result"); // "name/sinks/double" or the problem
        auto row = [](const char* name, const QByteArray& text, const char* result) {
            QTest::newRow(name) << text << QString(result);
        };
        row("good", "chassis:Atlas\nmodel:AS7-D\nheat sinks:20 Single\n", "Atlas AS7-D/20/0");
        row("keys in any case, values trimmed",
            "Chassis:  Mad Cat \r\nMODEL: Prime\r\nHeat Sinks: 17 IS Double\r\n",
            "Mad Cat Prime/17/1");
        row("laser heat sinks", "chassis:Hunchback\nmodel:HBK-4G\nheat sinks:13 Laser\n",
            "Hunchback HBK-4G/13/1");
        row("older format", "Version:1.0\nLocust\nLCT-1V\n\nHeat Sinks:10 Single\n",
            "Locust LCT-1V/10/0");
        row("chassis alone", "chassis:Urbanmech\nheat sinks:10\n", "Urbanmech/10/0");
        row("no name", "heat sinks:10 Single\n", "it has no 'Mech name");
        row("no heat sinks line", "chassis:Atlas\nmodel:AS7-D\n", "it has no heat sinks line");
        row("heat sinks not a number", "chassis:Atlas\nheat sinks:many\n",
            "its heat sinks line does not start with a count from 0 to 32767");
        row("heat sinks too many", "chassis:Atlas\nheat sinks:40000\n",
            "its heat sinks line does not start with a count from 0 to 32767");
        row("binary", QByteArray("chassis:Atlas\0\nheat sinks:10\n", 29), "it is not a text file");
        row("not UTF-8", "chassis:Atl\xe9s\nheat sinks:10\n", "it is not a text file");
        row("cut UTF-8", "chassis:Atlas\nheat sinks:10\xc3", "it is not a text file");
        row("UTF-8 name", "chassis:Atl\xc3\xa9s\nheat sinks:10\n", "Atl\u00e9s/10/0");
        row("over 1 MB", "chassis:A\nheat sinks:1\n" + QByteArray(1024 * 1024, ' '),
            "it is larger than 1 MB");
    }
    void unitFiles() {
        QFETCH(QByteArray, text);
        QFETCH(QString, result);
        const UnitFileResult r = ParseUnitFile(std::string_view(text.constData(), text.size()));
        QCOMPARE(r.Mech ? QString("%1/%2/%3")
                              .arg(Q(r.Mech->Name))
                              .arg(r.Mech->HeatSinks)
                              .arg(int(r.Mech->DoubleHeatSinks))
                        : Q(r.Problem),
                 result);
    }

    void resetsLeaveSlotZeroAlone() {
        MechRecordStore store;
        for (int slot : {0, 1, 256})
            QVERIFY(store.Record(slot) == MechRecord{}); // empty texts, zeros, clear flags
        store.SetRecord(0, Marked(7));
        store.SetRecord(9, Marked(9));
        store.ResetMechRecords();
        QVERIFY(store.Record(0) == Marked(7));
        for (int slot = 1; slot <= kLastSlot; ++slot)
            QVERIFY(store.Record(slot) == MechRecord::Defaults());
        const MechRecord d = MechRecord::Defaults();
        QCOMPARE(d.HeatSinks + d.MovementType + d.EngineHits,
                 std::string("1Movement TypeEngine Hits"));
        QVERIFY(d.WalkingThroughFire && !d.StandingInFire);
    }

    void remove_data() {
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("roster");
        QTest::newRow("first of three") << 1 << 3;
        QTest::newRow("middle of five") << 3 << 5;
        QTest::newRow("slot 1 of a full roster") << 1 << 256;
        QTest::newRow("slot 256 of a full roster") << 256 << 256;
    }
    void remove() {
        QFETCH(int, removed);
        QFETCH(int, roster);
        MechRecordStore store;
        store.ResetMechRecords();
        for (int slot = 0; slot <= roster; ++slot)
            store.SetRecord(slot, Marked(slot));
        store.RemoveMechRecord(removed);
        for (int slot = 0; slot < roster; ++slot)
            QVERIFY(store.Record(slot) == Marked(slot < removed ? slot : slot + 1));
        for (int slot = roster; slot <= kLastSlot; ++slot)
            QVERIFY(store.Record(slot) == MechRecord::Defaults());
    }

    void outOfRangeThrowsAndChangesNothing() {
        MechRecordStore store;
        store.SetRecord(256, Marked(3));
        for (int slot : {-1, 257, -100000}) {
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, store.MechHeat(slot) = 5);
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, store.ResetMechRecord(slot));
            QVERIFY_THROWS_EXCEPTION(std::out_of_range, store.RemoveMechRecord(slot));
        }
        QVERIFY(store.Record(256) == Marked(3));
        QVERIFY(store.Record(1) == MechRecord{});
    }

    void turnStateRoundTrip() {
        MechRecordStore store;
        store.SetRecord(5, Marked(5));
        const TurnState state = store.TurnStateOf(5);
        store.SetRecord(5, Marked(6));
        store.RestoreTurnState(5, state);
        MechRecord expected = Marked(6);
        const MechRecord five = Marked(5);
        expected.Heat = five.Heat;
        expected.ConditionMod2Fier = five.ConditionMod2Fier;
        expected.ConditionMP = five.ConditionMP;
        expected.ConditionShutdown = five.ConditionShutdown;
        expected.ConditionAmmoExp = five.ConditionAmmoExp;
        expected.AttemptsToStand = five.AttemptsToStand;
        expected.WeaponHeat = five.WeaponHeat;
        QVERIFY(store.Record(5) == expected);
    }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"

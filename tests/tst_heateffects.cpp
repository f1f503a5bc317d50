#include "Doubles.h"
#include "platform/ClockRandom.h"
#include "turn/HeatEffects.h"

#include <QTest>

#include <array>

using namespace caldrix;
using caldrix::test::FixedRandom;
using caldrix::test::SequenceRandom;

class HeatEffectsTest : public QObject {
    Q_OBJECT
private slots:
    void dieFaces_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("face");
        QTest::newRow("zero") << 0.0f << 1;
        QTest::newRow("just below a sixth") << 0.1666f << 1;
        QTest::newRow("a sixth") << 1.0f / 6.0f << 2;
        QTest::newRow("a half") << 0.5f << 4;
        QTest::newRow("five sixths") << 5.0f / 6.0f << 6;
        QTest::newRow("0.99") << 0.99f << 6;
        QTest::newRow("largest float below 1") << 0.99999994f << 6;
    }
    void dieFaces() {
        QFETCH(float, r);
        QFETCH(int, face);
        FixedRandom random(r);
        QCOMPARE(RollDie(random), face);
    }

    void avoidanceRollDrawsDie1ThenDie2() {
        SequenceRandom random({0.0f, 0.99f}); // 1, then 6
        Dice dice;
        QVERIFY(AvoidanceRoll(7, random, dice));
        QCOMPARE(int(dice.Die1), 1);
        QCOMPARE(int(dice.Die2), 6);
        QCOMPARE(int(dice.DiceTotal), 7);
        QVERIFY(!AvoidanceRoll(13, random, dice)); // the sequence goes on with 0.99: 6 + 6
        QCOMPARE(int(dice.DiceTotal), 12);
    }

    // Every level against its four texts, with dice that always fail
    // (generator 0: every die 1) and always succeed (0.99: every die 6).
    void everyLevel_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("fire");
        QTest::addColumn<QString>("movement");
        QTest::addColumn<int>("shutdownAvoidOn"); // 0 no roll, -1 shut down without a roll
        QTest::addColumn<int>("ammoAvoidOn");     // 0 no roll

        for (int level = 0; level <= 30; ++level) {
            QString fire;
            if (level >= 24)
                fire = "+4 Modifier to fire";
            else if (level >= 17)
                fire = "+3 Modifier to fire";
            else if (level >= 13)
                fire = "+2 Modifier to fire";
            else if (level >= 8)
                fire = "+1 Modifier to fire";
            QString move;
            if (level >= 25)
                move = "-5 Movement Points";
            else if (level >= 20)
                move = "-4 Movement Points";
            else if (level >= 15)
                move = "-3 Movement Points";
            else if (level >= 10)
                move = "-2 Movement Points";
            else if (level >= 5)
                move = "-1 Movement Points";
            const int shutdown = level == 30   ? -1
                                 : level >= 26 ? 10
                                 : level >= 22 ? 8
                                 : level >= 18 ? 6
                                 : level >= 14 ? 4
                                               : 0;
            const int ammo = level >= 28 ? 8 : level >= 23 ? 6 : level >= 19 ? 4 : 0;
            QTest::addRow("level %d", level) << level << fire << move << shutdown << ammo;
        }
    }
    void everyLevel() {
        QFETCH(int, level);
        QFETCH(QString, fire);
        QFETCH(QString, movement);
        QFETCH(int, shutdownAvoidOn);
        QFETCH(int, ammoAvoidOn);
        const int rolls = (shutdownAvoidOn > 0 ? 1 : 0) + (ammoAvoidOn > 0 ? 1 : 0);

        FixedRandom failing(0.0f);
        const HeatEffects bad = ApplyHeatEffects(level, failing);
        QCOMPARE(QString::fromStdString(bad.Mod2Fier), fire);
        QCOMPARE(QString::fromStdString(bad.MP), movement);
        QCOMPARE(QString::fromStdString(bad.Shutdown),
                 shutdownAvoidOn != 0 ? QString("Shutdown!!!") : QString());
        QCOMPARE(QString::fromStdString(bad.AmmoExp),
                 ammoAvoidOn > 0 ? QString("Ammo Explosion!!!") : QString());
        QCOMPARE(failing.draws, 2 * rolls);
        QCOMPARE(bad.LastRoll.has_value(), rolls > 0);
        if (bad.LastRoll)
            QCOMPARE(int(bad.LastRoll->DiceTotal), 2);

        FixedRandom lucky(0.99f);
        const HeatEffects good = ApplyHeatEffects(level, lucky);
        QCOMPARE(QString::fromStdString(good.Mod2Fier), fire);
        QCOMPARE(QString::fromStdString(good.MP), movement);
        QCOMPARE(QString::fromStdString(good.Shutdown),
                 shutdownAvoidOn < 0 ? QString("Shutdown!!!") : QString());
        QCOMPARE(QString::fromStdString(good.AmmoExp), QString());
        QCOMPARE(lucky.draws, 2 * rolls);
    }

    // Totals just under and at each avoid-on number: the roll is made against it.
    void avoidOnThresholds_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<bool>("shutdown");
        QTest::addColumn<bool>("explosion");
        const float one = 0.0f, two = 0.2f, three = 0.34f, four = 0.5f, six = 0.99f;
        QTest::newRow("14: total 3 shuts down") << 14 << QList<float>{one, two} << true << false;
        QTest::newRow("14: total 4 avoids") << 14 << QList<float>{one, three} << false << false;
        QTest::newRow("19: ammo total 3 explodes")
            << 19 << QList<float>{six, six, one, two} << false << true;
        QTest::newRow("19: ammo total 4 avoids")
            << 19 << QList<float>{six, six, two, two} << false << false;
        QTest::newRow("26: total 9 shuts down")
            << 26 << QList<float>{three, six, six, six} << true << false;
        QTest::newRow("26: total 10 avoids")
            << 26 << QList<float>{four, six, six, six} << false << false;
        QTest::newRow("27: ammo total 4 explodes")
            << 27 << QList<float>{six, six, one, three} << false << true;
        QTest::newRow("28: ammo total 7 explodes (avoid on 8)")
            << 28 << QList<float>{six, six, one, six} << false << true;
        QTest::newRow("28: ammo total 8 avoids")
            << 28 << QList<float>{six, six, two, six} << false << false;
        QTest::newRow("30: ammo total 7 explodes") << 30 << QList<float>{one, six} << true << true;
    }
    void avoidOnThresholds() {
        QFETCH(int, level);
        QFETCH(QList<float>, draws);
        QFETCH(bool, shutdown);
        QFETCH(bool, explosion);
        SequenceRandom random(std::vector<float>(draws.begin(), draws.end()));
        const HeatEffects effects = ApplyHeatEffects(level, random);
        QCOMPARE(!effects.Shutdown.empty(), shutdown);
        QCOMPARE(!effects.AmmoExp.empty(), explosion);
        QCOMPARE(int(random.next), int(draws.size()));
    }

    // 36,000 rolls of a seeded real generator: each total near its 2d6 share.
    void totalsFollowTwoDice() {
        ClockRandom random(20261206);
        std::array<int, 13> counts{};
        constexpr int kRolls = 36000;
        Dice dice;
        for (int i = 0; i < kRolls; ++i) {
            AvoidanceRoll(2, random, dice);
            ++counts[static_cast<std::size_t>(dice.DiceTotal)];
        }
        for (int total = 2; total <= 12; ++total) {
            const int ways = 6 - std::abs(total - 7);
            const double expected = kRolls * ways / 36.0;
            const double off =
                std::abs(counts[static_cast<std::size_t>(total)] - expected) / expected;
            QVERIFY2(off < 0.08, qPrintable(QString("total %1: %2 against %3")
                                                .arg(total)
                                                .arg(counts[static_cast<std::size_t>(total)])
                                                .arg(expected)));
        }
    }

    void reseedsDifferWithinOneTick() {
        ClockRandom random;
        random.Reseed();
        const float a = random.NextFloat();
        random.Reseed();
        const float b = random.NextFloat();
        random.Reseed();
        const float c = random.NextFloat();
        QVERIFY(!(a == b && b == c));
    }
};

QTEST_GUILESS_MAIN(HeatEffectsTest)
#include "tst_heateffects.moc"

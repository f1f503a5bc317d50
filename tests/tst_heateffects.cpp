#include "Doubles.h"
#include "platform/ClockRandom.h"
#include "turn/HeatEffects.h"

#include <QTest>

#include <array>

using namespace caldrix;
using caldrix::test::SequenceRandom;

class HeatEffectsTest : public QObject {
    Q_OBJECT
private slots:
    // Every level against its four texts, with dice that always fail
    // (generator 0: every die 1) and always succeed (0.99: every die 6).
    void everyLevel_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("fire");
        QTest::addColumn<QString>("movement");
        QTest::addColumn<int>("rolls");
        const char* fire[] = {"", "+1 Modifier to fire", "+2 Modifier to fire",
                              "+3 Modifier to fire", "+4 Modifier to fire"};
        for (int level = 0; level <= 30; ++level) {
            const int f = level >= 24 ? 4 : level >= 17 ? 3 : level >= 13 ? 2 : level >= 8 ? 1 : 0;
            const int mp = std::min(level / 5, 5);
            const QString move = mp ? QString("-%1 Movement Points").arg(mp) : QString();
            // Shutdown rolls at 14..29 (30 shuts down without one), ammunition from 19.
            const int rolls = (level >= 14 && level < 30) + (level >= 19);
            QTest::addRow("level %d", level) << level << QString(fire[f]) << move << rolls;
        }
    }
    void everyLevel() {
        QFETCH(int, level);
        QFETCH(QString, fire);
        QFETCH(QString, movement);
        QFETCH(int, rolls);
        for (float r : {0.0f, 0.99f}) {
            SequenceRandom random({r});
            const HeatEffects e = ApplyHeatEffects(level, random);
            const bool unlucky = r == 0.0f;
            QCOMPARE(QString::fromStdString(e.Mod2Fier), fire);
            QCOMPARE(QString::fromStdString(e.MP), movement);
            QCOMPARE(e.Shutdown == "Shutdown!!!", level == 30 || (unlucky && level >= 14));
            QCOMPARE(e.AmmoExp == "Ammo Explosion!!!", unlucky && level >= 19);
            QCOMPARE(int(random.draws), 2 * rolls);
            if (!e.Rolls.empty())
                QCOMPARE(int(e.Rolls.back().Rolled.DiceTotal), unlucky ? 2 : 12);
        }
    }

    // Totals at and just under each avoid-on number. Dice: 0 gives 1,
    // 0.2 gives 2, 0.34 gives 3, 0.5 gives 4, 0.99 gives 6.
    void avoidOnNumbers_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("14: total 3 shuts down") << 14 << QList<float>{0, 0.2f} << "S";
        QTest::newRow("14: total 4 avoids") << 14 << QList<float>{0, 0.34f} << "";
        QTest::newRow("19: ammo total 3 explodes")
            << 19 << QList<float>{0.99f, 0.99f, 0, 0.2f} << "A";
        QTest::newRow("26: total 9 shuts down")
            << 26 << QList<float>{0.34f, 0.99f, 0.99f, 0.99f} << "S";
        QTest::newRow("26: total 10 avoids") << 26 << QList<float>{0.5f, 0.99f, 0.99f, 0.99f} << "";
        QTest::newRow("28: ammo total 7 explodes")
            << 28 << QList<float>{0.99f, 0.99f, 0, 0.99f} << "A";
        QTest::newRow("28: ammo total 8 avoids")
            << 28 << QList<float>{0.99f, 0.99f, 0.2f, 0.99f} << "";
        QTest::newRow("30: die 1 before die 2") << 30 << QList<float>{0, 0.99f} << "SA";
    }
    void avoidOnNumbers() {
        QFETCH(int, level);
        QFETCH(QList<float>, draws);
        QFETCH(QString, outcome);
        SequenceRandom random(std::vector<float>(draws.begin(), draws.end()));
        const HeatEffects e = ApplyHeatEffects(level, random);
        QCOMPARE(QString(e.Shutdown.empty() ? "" : "S") + (e.AmmoExp.empty() ? "" : "A"), outcome);
        QCOMPARE(int(e.Rolls.back().Rolled.Die1), int(6 * draws[draws.size() - 2] + 1));
    }

    // 36,000 rolls of a seeded real generator: each total near its 2d6 share.
    void totalsFollowTwoDice() {
        ClockRandom random(20261206);
        std::array<int, 13> counts{};
        Dice dice;
        for (int i = 0; i < 36000; ++i) {
            AvoidanceRoll(2, random, dice);
            ++counts[std::size_t(dice.DiceTotal)];
        }
        for (int total = 2; total <= 12; ++total) {
            const double expected = 1000.0 * (6 - std::abs(total - 7));
            QVERIFY2(
                std::abs(counts[std::size_t(total)] - expected) < 0.08 * expected,
                qPrintable(QString("total %1: %2").arg(total).arg(counts[std::size_t(total)])));
        }
    }
};

QTEST_GUILESS_MAIN(HeatEffectsTest)
#include "tst_heateffects.moc"

#include "turn/EntryNumber.h"
#include "turn/HeatBalance.h"

#include <QTest>

using namespace caldrix;

namespace {

// A 'Mech that passes validation: stationary, no hits, 10 heat sinks.
MechEntries Valid() {
    MechEntries e;
    e.MovementType = "Stationary";
    e.HexesJumped = "0";
    e.AttemptsToStand = "0";
    e.WeaponHeat = "0";
    e.HeatSinks = "10";
    e.EngineHits = "None";
    e.FireHexes = "0";
    e.WalkingThroughFire = true;
    return e;
}

QStringList Messages(const MechEntries& e) {
    QStringList list;
    for (const std::string& m : ValidateEntries(e))
        list.append(QString::fromStdString(m));
    return list;
}

} // namespace

Q_DECLARE_METATYPE(MechEntries)

class HeatBalanceTest : public QObject {
    Q_OBJECT
private slots:
    void numberForms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("rounded"); // to the nearest, halves to even
        QTest::newRow("whole") << "3" << true << 3LL;
        QTest::newRow("negative") << "-2" << true << -2LL;
        QTest::newRow("plus sign") << "+4" << true << 4LL;
        QTest::newRow("half to even down") << "2.5" << true << 2LL;
        QTest::newRow("half to even up") << "3.5" << true << 4LL;
        QTest::newRow("negative half") << "-2.5" << true << -2LL;
        QTest::newRow("negative half up") << "-3.5" << true << -4LL;
        QTest::newRow("negative below half") << "-2.4" << true << -2LL;
        QTest::newRow("negative above half") << "-2.6" << true << -3LL;
        QTest::newRow("leading point") << ".5" << true << 0LL;
        QTest::newRow("trailing point") << "5." << true << 5LL;
        QTest::newRow("blanks around") << " 7 " << true << 7LL;
        QTest::newRow("just above half") << "2.5000000000000000001" << true << 3LL;
        QTest::newRow("just below half") << "2.4999999999999999999" << true << 2LL;
        QTest::newRow("zero fraction") << "6.000" << true << 6LL;
        QTest::newRow("empty") << "" << false << 0LL;
        QTest::newRow("blanks only") << "   " << false << 0LL;
        QTest::newRow("sign only") << "-" << false << 0LL;
        QTest::newRow("point only") << "." << false << 0LL;
        QTest::newRow("exponent") << "1e3" << false << 0LL;
        QTest::newRow("comma") << "2,5" << false << 0LL;
        QTest::newRow("thousands") << "1 000" << false << 0LL;
        QTest::newRow("hex") << "0x10" << false << 0LL;
        QTest::newRow("text after") << "3abc" << false << 0LL;
        QTest::newRow("letters") << "abc" << false << 0LL;
        QTest::newRow("two signs") << "+-3" << false << 0LL;
        QTest::newRow("two points") << "1.2.3" << false << 0LL;
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("\xd9\xa3") << false << 0LL;
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

    void hugeNumbersSaturateSafely() {
        const std::string digits(10000, '9');
        const auto n = ParseEntryNumber(digits);
        QVERIFY(n.has_value());
        QVERIFY(!FitsInt16(*n));
        const auto m = ParseEntryNumber("-" + digits + ".5");
        QVERIFY(m.has_value());
        QVERIFY(!FitsInt16(*m));
    }

    void balance_data() {
        QTest::addColumn<MechEntries>("entries");
        QTest::addColumn<int>("level");
        QTest::addColumn<qint64>("turnHeat");
        QTest::addColumn<qint64>("heatSunk");

        MechEntries e = Valid();
        QTest::newRow("stationary, nothing else") << e << 0 << 0LL << 10LL;

        e = Valid();
        e.CarriedHeat = 12;
        e.MovementType = "Running";
        e.WeaponHeat = "8";
        QTest::newRow("running with weapons") << e << 12 << 10LL << 10LL;
        e.DoubleHeatSinks = true;
        QTest::newRow("running with double heat sinks") << e << 2 << 10LL << 20LL;

        e = Valid();
        e.CarriedHeat = 25;
        e.MovementType = "Walking";
        e.WeaponHeat = "15";
        e.EngineHits = "2nd Engine Hit";
        QTest::newRow("over 30 is lost") << e << 30 << 26LL << 10LL;

        e = Valid();
        e.HeatSinks = "0";
        e.MovementType = "Jumping";
        for (const char* hexes : {"0", "2", "-5", "2.9"}) {
            e.HexesJumped = hexes;
            QTest::addRow("jumping %s hexes costs 3", hexes) << e << 3 << 3LL << 0LL;
        }
        e.HexesJumped = "5";
        QTest::newRow("jumping 5") << e << 5 << 5LL << 0LL;
        e.HexesJumped = "4.5";
        QTest::newRow("jumping 4.5") << e << 4 << 4LL << 0LL;
        e.HexesJumped = "5.5";
        QTest::newRow("jumping 5.5") << e << 6 << 6LL << 0LL;
        e.HexesJumped = "3.4";
        QTest::newRow("jumping 3.4") << e << 3 << 3LL << 0LL;

        e = Valid();
        e.HeatSinks = "0";
        e.WeaponHeat = "2.5";
        QTest::newRow("weapon 2.5 after stationary") << e << 2 << 2LL << 0LL;
        e.MovementType = "Walking";
        QTest::newRow("weapon 2.5 after walking") << e << 4 << 4LL << 0LL;
        e.MovementType = "Stationary";
        e.AttemptsToStand = "1.5";
        e.WeaponHeat = "1.5";
        QTest::newRow("fractions resolved after each addition") << e << 4 << 4LL << 0LL;

        e = Valid();
        e.OtherHeat = 5;
        QTest::newRow("other heat is sunk too") << e << 0 << 0LL << 10LL;
        e.HeatSinks = "0";
        QTest::newRow("other heat with no sinks") << e << 5 << 0LL << 0LL;

        e = Valid();
        e.HeatSinks = "-4";
        QTest::newRow("negative heat sinks add heat") << e << 4 << 0LL << -4LL;

        e = Valid();
        e.HeatSinks = "0";
        e.AttemptsToStand = "";
        e.WeaponHeat = "";
        QTest::newRow("empty attempts and weapons add nothing") << e << 0 << 0LL << 0LL;
        e.WeaponHeat = "-3";
        e.EngineHits = "1st Engine Hit";
        QTest::newRow("negative weapon heat lowers the heat") << e << 2 << 2LL << 0LL;

        e = Valid();
        e.HeatSinks = "0";
        e.EngineHits = "1st Engine Hit";
        QTest::newRow("first engine hit") << e << 5 << 5LL << 0LL;
        e.EngineHits = "2nd Engine Hit";
        QTest::newRow("second engine hit is 10 in all") << e << 10 << 10LL << 0LL;

        e = Valid();
        e.CarriedHeat = 30;
        e.OtherHeat = 32767;
        QTest::newRow("32767 other heat on 30 carried") << e << 30 << 0LL << 10LL;

        e = Valid();
        e.CarriedHeat = 30;
        e.HeatSinks = "32767";
        e.DoubleHeatSinks = true;
        QTest::newRow("32767 double heat sinks") << e << 0 << 0LL << 65534LL;

        e = Valid();
        e.HeatSinks = "-32768";
        e.DoubleHeatSinks = true;
        e.AttemptsToStand = "32767";
        e.WeaponHeat = "32767";
        QTest::newRow("large entries summed wide") << e << 30 << 65534LL << -65536LL;

        // Fire counts only while Fire is ticked.
        e = Valid();
        e.HeatSinks = "0";
        e.FireHexes = "2.5";
        e.WalkingThroughFire = true;
        QTest::newRow("fire hexes ignored without fire") << e << 0 << 0LL << 0LL;
        e.Fire = true;
        QTest::newRow("walking through fire 2.5") << e << 2 << 2LL << 0LL;
        e.MovementType = "Walking";
        QTest::newRow("walking through fire after walking") << e << 4 << 4LL << 0LL;
        e.MovementType = "Stationary";
        e.WalkingThroughFire = false;
        e.StandingInFire = true;
        QTest::newRow("standing in fire adds 1") << e << 1 << 1LL << 0LL;
        e.StandingInFire = false;
        QTest::newRow("fire without an option adds nothing") << e << 0 << 0LL << 0LL;
    }
    void balance() {
        QFETCH(MechEntries, entries);
        QFETCH(int, level);
        QFETCH(qint64, turnHeat);
        QFETCH(qint64, heatSunk);
        const auto b = ComputeHeatBalance(entries);
        QVERIFY2(b.has_value(), qPrintable(Messages(entries).join(" | ")));
        QCOMPARE(int(b->NewLevel), level);
        QCOMPARE(qint64(b->TurnHeat), turnHeat);
        QCOMPARE(qint64(b->HeatSinkCount), heatSunk);
    }

    void validation_data() {
        QTest::addColumn<MechEntries>("entries");
        QTest::addColumn<QStringList>("messages");

        MechEntries e = Valid();
        QTest::newRow("valid") << e << QStringList{};

        MechEntries fresh; // the prompts of a new record
        fresh.MovementType = "Movement Type";
        fresh.EngineHits = "Engine Hits";
        fresh.HeatSinks = "1";
        fresh.HexesJumped = fresh.AttemptsToStand = fresh.WeaponHeat = fresh.FireHexes = "0";
        QTest::newRow("fresh record")
            << fresh << QStringList{"Enter movement type", "Enter number of engine hits"};

        for (const char* move : {"walking", "Walking ", "Jump", "", "JUMPING"}) {
            e = Valid();
            e.MovementType = move;
            QTest::addRow("movement '%s'", move) << e << QStringList{"Enter movement type"};
        }

        e = Valid();
        e.MovementType = "Jumping";
        e.HexesJumped = "";
        QTest::newRow("jumping without hexes") << e << QStringList{"Enter the # of hexes jumped"};
        e.HexesJumped = "0";
        QTest::newRow("jumping zero hexes") << e << QStringList{};
        e.HexesJumped = "two";
        QTest::newRow("jumping bad hexes")
            << e << QStringList{"The # of hexes jumped must be a number from -32768 to 32767"};
        e.MovementType = "Walking";
        QTest::newRow("bad hexes ignored unless jumping") << e << QStringList{};

        e = Valid();
        e.HeatSinks = "";
        QTest::newRow("empty heat sinks") << e << QStringList{"Enter Heat Sinks"};
        e.HeatSinks = " ";
        QTest::newRow("blank heat sinks")
            << e << QStringList{"Heat sinks must be a number from -32768 to 32767"};

        e = Valid();
        e.EngineHits = "none";
        QTest::newRow("engine hits lower case") << e << QStringList{"Enter number of engine hits"};

        e = Valid();
        e.Fire = true;
        e.WalkingThroughFire = true;
        e.FireHexes = "";
        QTest::newRow("walking through fire without hexes")
            << e << QStringList{"Enter the number of hexes moved through the fire"};
        e.FireHexes = "x";
        QTest::newRow("walking through fire bad hexes")
            << e
            << QStringList{
                   "The hexes moved through the fire must be a number from -32768 to 32767"};
        e.Fire = false;
        QTest::newRow("fire hexes unchecked without fire") << e << QStringList{};

        // Range limits: the rounded value must fit 16 bits.
        const QString attemptsBad = "Attempts to stand must be a number from -32768 to 32767";
        for (const char* ok : {"32767", "-32768", "32766.5", "-32768.5", "32767.4"}) {
            e = Valid();
            e.AttemptsToStand = ok;
            QTest::addRow("attempts %s in range", ok) << e << QStringList{};
        }
        for (const char* bad : {"32768", "-32769", "32767.5", "-32768.6", "99999999999999999999"}) {
            e = Valid();
            e.AttemptsToStand = bad;
            QTest::addRow("attempts %s out of range", bad) << e << QStringList{attemptsBad};
        }

        // Every entry at once, in the order the players see them.
        e.MovementType = "Jumping";
        e.HexesJumped = "1e2";
        e.AttemptsToStand = "a";
        e.WeaponHeat = "b";
        e.Fire = true;
        e.WalkingThroughFire = true;
        e.FireHexes = "c";
        e.HeatSinks = "d";
        e.EngineHits = "";
        QTest::newRow("every entry bad")
            << e
            << QStringList{"The # of hexes jumped must be a number from -32768 to 32767",
                           attemptsBad,
                           "Heat generated by weapons must be a number from -32768 to 32767",
                           "The hexes moved through the fire must be a number from -32768 to 32767",
                           "Heat sinks must be a number from -32768 to 32767",
                           "Enter number of engine hits"};
        e.MovementType = "Sprinting";
        e.FireHexes = "";
        e.HeatSinks = "";
        QTest::newRow("every entry missing")
            << e
            << QStringList{"Enter movement type",
                           attemptsBad,
                           "Heat generated by weapons must be a number from -32768 to 32767",
                           "Enter the number of hexes moved through the fire",
                           "Enter Heat Sinks",
                           "Enter number of engine hits"};
    }
    void validation() {
        QFETCH(MechEntries, entries);
        QFETCH(QStringList, messages);
        QCOMPARE(Messages(entries), messages);
        QCOMPARE(ComputeHeatBalance(entries).has_value(), messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(HeatBalanceTest)
#include "tst_heatbalance.moc"

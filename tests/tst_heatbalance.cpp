#include "turn/EntryNumber.h"
#include "turn/HeatBalance.h"

#include <QTest>

#include <map>

using namespace caldrix;

namespace {

// A valid 'Mech (stationary, no hits, 10 heat sinks) changed by "key=value"
// pairs; '_' stands for a blank.
MechEntries Spec(const QString& spec) {
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
    for (const QString& pair : spec.split(' ', Qt::SkipEmptyParts)) {
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

} // namespace

class HeatBalanceTest : public QObject {
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
        QTest::addColumn<QString>("spec");
        QTest::addColumn<int>("level");
        QTest::addColumn<qint64>("turnHeat");
        auto row = [](const char* name, const char* spec, int level, qint64 heat) {
            QTest::newRow(name) << QString(spec) << level << heat;
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
        QFETCH(QString, spec);
        QFETCH(int, level);
        QFETCH(qint64, turnHeat);
        const auto b = ComputeHeatBalance(Spec(spec));
        QVERIFY(b.has_value());
        QCOMPARE(int(b->NewLevel), level);
        QCOMPARE(qint64(b->TurnHeat), turnHeat);
    }

    void validation_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<QStringList>("messages");
        auto row = [](const char* name, const QString& spec, const QStringList& messages) {
            QTest::newRow(name) << spec << messages;
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
        QFETCH(QString, spec);
        QFETCH(QStringList, messages);
        const MechEntries entries = Spec(spec);
        QStringList shown;
        for (const std::string& m : ValidateEntries(entries))
            shown << QString::fromStdString(m);
        QCOMPARE(shown, messages);
        QCOMPARE(ComputeHeatBalance(entries).has_value(), messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(HeatBalanceTest)
#include "tst_heatbalance.moc"

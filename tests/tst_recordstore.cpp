#include "state/MechRecordStore.h"

#include <QTest>

using namespace caldrix;

namespace {

// A record with every field away from its default, told apart by n.
MechRecord Marked(int n) {
    MechRecord r;
    const std::string s = std::to_string(n);
    r.HeatSinks = "hs" + s;
    r.Heat = static_cast<std::int16_t>(n % 31);
    r.DHS = 1;
    r.MovementType = "mt" + s;
    r.HexesJumped = "hj" + s;
    r.AttemptsToStand = "as" + s;
    r.WeaponHeat = "wh" + s;
    r.Fire = 1;
    r.WalkingThroughFire = false;
    r.FireHexes = "fh" + s;
    r.StandingInFire = true;
    r.EngineHits = "eh" + s;
    r.ConditionMod2Fier = "c1" + s;
    r.ConditionMP = "c2" + s;
    r.ConditionShutdown = "c3" + s;
    r.ConditionAmmoExp = "c4" + s;
    r.OtherHeat = static_cast<std::int16_t>(n);
    return r;
}

} // namespace

class RecordStoreTest : public QObject {
    Q_OBJECT
private slots:
    void createdEmpty() {
        MechRecordStore store;
        for (int slot : {0, 1, 128, 256})
            QVERIFY(store.Record(slot) == MechRecord{});
    }

    void defaultsAreThePromptsAndZeros() {
        const MechRecord d = MechRecord::Defaults();
        QCOMPARE(d.HeatSinks, std::string("1"));
        QCOMPARE(d.MovementType, std::string("Movement Type"));
        QCOMPARE(d.EngineHits, std::string("Engine Hits"));
        QCOMPARE(d.HexesJumped, std::string("0"));
        QCOMPARE(d.AttemptsToStand, std::string("0"));
        QCOMPARE(d.WeaponHeat, std::string("0"));
        QCOMPARE(d.FireHexes, std::string("0"));
        QVERIFY(d.WalkingThroughFire);
        QVERIFY(!d.StandingInFire);
        QCOMPARE(d.Heat, std::int16_t{0});
        QCOMPARE(d.ConditionShutdown, std::string());
    }

    void resetsLeaveSlotZeroAlone() {
        MechRecordStore store;
        store.SetRecord(0, Marked(7));
        store.ResetMechRecords();
        QVERIFY(store.Record(0) == Marked(7));
        for (int slot = 1; slot <= kLastSlot; ++slot)
            QVERIFY2(store.Record(slot) == MechRecord::Defaults(), std::to_string(slot).c_str());
    }

    void remove_data() {
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("roster");
        QTest::newRow("first of three") << 1 << 3;
        QTest::newRow("middle of five") << 3 << 5;
        QTest::newRow("last of three") << 3 << 3;
        QTest::newRow("only one") << 1 << 1;
        QTest::newRow("slot 256 of a full roster") << 256 << 256;
        QTest::newRow("slot 1 of a full roster") << 1 << 256;
    }
    void remove() {
        QFETCH(int, removed);
        QFETCH(int, roster);
        MechRecordStore store;
        store.ResetMechRecords();
        for (int slot = 1; slot <= roster; ++slot)
            store.SetRecord(slot, Marked(slot));
        store.SetRecord(0, Marked(999));

        store.RemoveMechRecord(removed);

        for (int slot = 1; slot < removed; ++slot)
            QVERIFY(store.Record(slot) == Marked(slot));
        for (int slot = removed; slot < roster; ++slot)
            QVERIFY2(store.Record(slot) == Marked(slot + 1), std::to_string(slot).c_str());
        for (int slot = roster; slot <= kLastSlot; ++slot)
            QVERIFY2(store.Record(slot) == MechRecord::Defaults(), std::to_string(slot).c_str());
        QVERIFY(store.Record(0) == Marked(999));
    }

    void outOfRangeThrowsAndChangesNothing_data() {
        QTest::addColumn<int>("slot");
        QTest::newRow("minus one") << -1;
        QTest::newRow("257") << 257;
        QTest::newRow("far below") << -100000;
        QTest::newRow("far above") << 100000;
    }
    void outOfRangeThrowsAndChangesNothing() {
        QFETCH(int, slot);
        MechRecordStore store;
        store.ResetMechRecords();
        store.SetRecord(256, Marked(3));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, store.MechHeat(slot) = 5);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, (void)store.MechHeatSinks(slot));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, store.ResetMechRecord(slot));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, store.RemoveMechRecord(slot));
        QVERIFY(store.Record(256) == Marked(3));
        QVERIFY(store.Record(1) == MechRecord::Defaults());
    }

    void textsStoredExactly() {
        MechRecordStore store;
        const std::string odd = "  12abc\t\xC3\xA9 ";
        store.MechHeatSinks(5) = odd;
        store.MechHeatSinks(6) = "";
        QCOMPARE(store.MechHeatSinks(5), odd);
        QCOMPARE(store.MechHeatSinks(6), std::string());
    }

    void currentSlotFollowsSelection() {
        QCOMPARE(CurrentMechSlot(-1), 0);
        QCOMPARE(CurrentMechSlot(0), 1);
        QCOMPARE(CurrentMechSlot(255), 256);
    }
};

QTEST_GUILESS_MAIN(RecordStoreTest)
#include "tst_recordstore.moc"

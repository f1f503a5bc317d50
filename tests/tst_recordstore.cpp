#include "state/MechRecordStore.h"

#include <QTest>

using namespace caldrix;

namespace {

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

} // namespace

class RecordStoreTest : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(RecordStoreTest)
#include "tst_recordstore.moc"

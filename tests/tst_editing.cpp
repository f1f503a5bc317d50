// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFormFixture.h"

#include <QAbstractItemView>
#include <QSignalSpy>

using namespace caldrix;
using namespace caldrix::test;

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void jumpInputsFollowExactJumping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Jumping") << "Jumping" << true;
        QTest::newRow("lower case") << "jumping" << false;
        QTest::newRow("trailing blank") << "Jumping " << false;
    }
    void jumpInputsFollowExactJumping() {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        Fixture f;
        QLineEdit* move = f.Combo("MovementType")->lineEdit();
        move->selectAll();
        for (QChar c : typed) { // letter by letter: only the whole word enables
            QTest::keyClick(move, c.toLatin1());
            QCOMPARE(f.Edit("HexesJumpedText")->isEnabled(), move->text() == "Jumping");
        }
        QSignalSpy click(f.Combo("MovementType"), &platform::ComboBox::Click);
        QTest::keyClick(move, Qt::Key_Return);
        emit move->editingFinished();  // as when the focus leaves
        QCOMPARE(click.count(), 0);    // typing never raises Click
        QCOMPARE(move->text(), typed); // no completion, nothing added to the list
        QCOMPARE(f.Combo("MovementType")->count(), 4);
        QCOMPARE(f.Label("HexesJumpedLabel")->isEnabled(), enabled);
    }

    // Typing or setting raises Change; picking from the list, by mouse or by
    // the arrow keys, raises Click and not Change as well.
    void comboEvents() {
        Fixture f;
        platform::ComboBox* combo = f.Combo("MovementType");
        QSignalSpy change(combo, &platform::ComboBox::Change),
            click(combo, &platform::ComboBox::Click);
        f.Type(combo, "Run"); // emptied, then three letters
        combo->SetText("Walking");
        QCOMPARE(QList<int>({int(change.count()), int(click.count())}), QList<int>({5, 0}));
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        const QModelIndex jumping = view->model()->index(3, 0);
        view->setCurrentIndex(jumping);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(jumping).center());
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(QList<int>({int(change.count()), int(click.count())}), QList<int>({5, 2}));
    }

    // The list's current item follows the shown text, so the arrow keys step
    // from what the player sees.
    void comboFollowsItsText_data() {
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Up from Jumping") << "Jumping" << int(Qt::Key_Up) << "Running";
        QTest::newRow("Down from Jumping") << "Jumping" << int(Qt::Key_Down) << "Jumping";
        QTest::newRow("Down from the prompt")
            << "Movement Type" << int(Qt::Key_Down) << "Stationary";
    }
    void comboFollowsItsText() {
        QFETCH(QString, loaded);
        QFETCH(int, key);
        QFETCH(QString, shown);
        Fixture f;
        f.Roster({"A", "B"}, {"", "move=" + QString(loaded).replace(' ', '_')});
        f.Select(0);
        f.Type(f.Combo("MovementType"), "Running"); // the list's item is now Running
        f.Select(1);
        QTest::keyClick(f.Combo("MovementType"), Qt::Key(key));
        QCOMPARE(f.Combo("MovementType")->currentText(), shown);
        QCOMPARE(QString::fromStdString(f.Play().Record(2).MechMovementType), shown);
    }

    // Other heat stops at 32767, the most a record holds.
    void otherHeatRange() {
        Fixture f;
        f.Find<QScrollBar>("OtherHeat")->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(f.Play().Record(0).MechOtherHeat, std::int16_t{32767});
        QCOMPARE(f.Label("OtherHeatText")->text(), QString("32767"));
    }

    // A list closed without a choice is not a pick: setting the text then
    // still raises Change.
    void listClosedUnchosen() {
        Fixture f;
        platform::ComboBox* combo = f.Combo("EngineHits");
        QCOMPARE(combo->currentText(), QString("None")); // as the window opens
        combo->showPopup();
        combo->hidePopup();
        QCoreApplication::processEvents();
        QSignalSpy change(combo, &platform::ComboBox::Change);
        combo->setEditText("2nd Engine Hit");
        QCOMPARE(change.count(), 1);
    }

    // After a load the fire inputs describe the loaded 'Mech, never the one
    // shown before (which had fire, "Walking Through" and 5 hexes).
    void fireInputsDescribeTheLoadedMech_data() {
        QTest::addColumn<QString>("loaded");
        QTest::newRow("fire, standing in") << "fire standing firehexes=2";
        QTest::newRow("no fire, walking through") << "firehexes=2";
    }
    void fireInputsDescribeTheLoadedMech() {
        QFETCH(QString, loaded);
        Fixture f;
        f.Roster({"before", "loaded"}, {"fire firehexes=5", loaded});
        const MechRecord before = f.Play().Record(1), r = f.Play().Record(2);
        for (int row : {0, 1, 0, 1}) // shown twice, after the other each time
            f.Select(row);
        const bool fire = r.MechFire == 1, walking = r.MechWalkingThroughFire;
        QCOMPARE(
            QList<bool>(
                {f.Check("Fire")->isChecked(), f.Option("WalkingThroughFire")->isChecked(),
                 f.Option("StandingInFire")->isChecked(), f.Option("StandingInFire")->isEnabled(),
                 f.Edit("WalkingThroughFireHexes")->isEnabled(), f.Label("Label6")->isEnabled()}),
            QList<bool>(
                {fire, walking, r.MechStandingInFire, fire, fire && walking, fire && walking}));
        QCOMPARE(f.Edit("WalkingThroughFireHexes")->text(), QString("2"));
        QVERIFY(f.Play().Record(1) == before && f.Play().Record(2) == r);
    }
};

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"

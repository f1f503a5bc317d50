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
    void paint_data() {
        QTest::addColumn<QList<int>>("levels");
        QTest::newRow("level 0") << QList<int>{0};
        QTest::newRow("level 30") << QList<int>{30};
        QTest::newRow("20, then 3") << QList<int>{20, 3};
    }
    void paint() {
        QFETCH(QList<int>, levels);
        Fixture f;
        for (int level : levels)
            f.form->PaintHeatScale(level);
        QCOMPARE(f.PaintErrors(levels.last()), QString());
        QCOMPARE(f.Label("Label3(28)")->text(), QString("Ammo Explosion, avoid on 8+"));
        QCOMPARE(f.Label("Label2(4)")->accessibleDescription(),
                 levels.last() >= 4 ? "lit" : "not lit");
    }

    // Each box stores exactly what was typed into the selected 'Mech's slot,
    // or slot 0 with nothing selected, and touches no other slot.
    void textsStoredExactly_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selected");
        QTest::newRow("heat sinks, letters") << "HeatSinks"
                                             << "12ab" << 1;
        QTest::newRow("heat sinks emptied") << "HeatSinks"
                                            << "" << 0;
        QTest::newRow("hexes jumped, a blank") << "HexesJumpedText"
                                               << " " << 2;
        QTest::newRow("attempts, nothing selected") << "AttemptsToStand"
                                                    << "7.5" << -1;
        QTest::newRow("weapons, markup") << "HeatGeneratedByWeapons"
                                         << "<b>x</b> & %1 &&" << 1;
        QTest::newRow("fire hexes, non-ASCII") << "WalkingThroughFireHexes"
                                               << "\u00e9t\u00e9" << 0;
        QTest::newRow("engine hits typed") << "EngineHits"
                                           << "3rd" << -1;
    }
    void textsStoredExactly() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(int, selected);
        Fixture f;
        f.Roster({"A", "B", "C"});
        f.Select(selected);
        f.Find(control)->setEnabled(true);
        const MechRecord before0 = f.Store().Record(0);
        if (auto* combo = qobject_cast<QComboBox*>(f.Find(control)))
            f.Type(combo, typed);
        else
            f.Type(f.Edit(control), typed);
        const MechRecord r = f.Store().Record(selected + 1);
        const std::map<QString, std::string> stored{{"HeatSinks", r.HeatSinks},
                                                    {"HexesJumpedText", r.HexesJumped},
                                                    {"AttemptsToStand", r.AttemptsToStand},
                                                    {"HeatGeneratedByWeapons", r.WeaponHeat},
                                                    {"WalkingThroughFireHexes", r.FireHexes},
                                                    {"EngineHits", r.EngineHits}};
        QCOMPARE(QString::fromStdString(stored.at(control)), typed);
        for (int other = 0; other <= 3; ++other)
            if (other != selected + 1)
                QVERIFY(f.Store().Record(other) == (other == 0 ? before0 : MechRecord::Defaults()));
    }

    void jumpInputsFollowExactJumping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Jumping") << "Jumping" << true;
        QTest::newRow("lower case") << "jumping" << false;
        QTest::newRow("trailing blank") << "Jumping " << false;
        QTest::newRow("first four letters") << "Jump" << false;
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
        QCOMPARE(QString::fromStdString(f.Store().MechMovementType(0)), typed);
    }

    // Typing or setting raises Change; picking from the list, by mouse or by
    // the arrow keys, raises Click and not Change as well.
    void comboEvents() {
        Fixture f;
        platform::ComboBox* combo = f.Combo("MovementType");
        QSignalSpy change(combo, &platform::ComboBox::Change),
            click(combo, &platform::ComboBox::Click);
        f.Type(combo, "Run");
        combo->SetText("Walking");
        QCOMPARE(QList<int>({int(change.count()), int(click.count())}), QList<int>({4, 0}));
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        const QModelIndex jumping = view->model()->index(3, 0);
        view->setCurrentIndex(jumping);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(jumping).center());
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(QList<int>({int(change.count()), int(click.count())}), QList<int>({4, 2}));
        QCOMPARE(f.Store().MechMovementType(0), std::string("Running"));
    }

    // The list's current item follows the shown text, so the arrow keys step
    // from what the player sees.
    void comboFollowsItsText_data() {
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Up from Jumping") << "Jumping" << int(Qt::Key_Up) << "Running";
        QTest::newRow("Down from Jumping") << "Jumping" << int(Qt::Key_Down) << "Jumping";
        QTest::newRow("Up from Walking") << "Walking" << int(Qt::Key_Up) << "Stationary";
        QTest::newRow("Down from the prompt")
            << "Movement Type" << int(Qt::Key_Down) << "Stationary";
        QTest::newRow("Down from walking, typed") << "walking" << int(Qt::Key_Down) << "Stationary";
    }
    void comboFollowsItsText() {
        QFETCH(QString, loaded);
        QFETCH(int, key);
        QFETCH(QString, shown);
        Fixture f;
        f.Roster({"A", "B"});
        f.Store().MechMovementType(2) = loaded.toStdString();
        f.Select(0);
        f.Type(f.Combo("MovementType"), "Running"); // the list's item is now Running
        f.Select(1);
        QCOMPARE(f.Combo("MovementType")->currentText(), loaded);
        QTest::keyClick(f.Combo("MovementType"), Qt::Key(key));
        QCOMPARE(f.Combo("MovementType")->currentText(), shown);
        QCOMPARE(QString::fromStdString(f.Store().MechMovementType(2)), shown);
    }

    // A list closed without a choice is not a pick: setting the text then
    // still raises Change.
    void listClosedUnchosen() {
        Fixture f;
        platform::ComboBox* combo = f.Combo("EngineHits");
        combo->showPopup();
        combo->hidePopup();
        QCoreApplication::processEvents();
        QSignalSpy change(combo, &platform::ComboBox::Change);
        combo->setEditText("2nd Engine Hit");
        QCOMPARE(change.count(), 1);
        QCOMPARE(f.Store().MechEngineHits(0), std::string("2nd Engine Hit"));
    }

    // The scroll bar stores on each step and on the thumb's release, not while dragging.
    void otherHeatWaitsForTheThumb() {
        Fixture f;
        auto* other = f.Find<QScrollBar>("OtherHeat");
        other->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.Store().MechOtherHeat(0), std::int16_t{1});
        other->setSliderDown(true);
        other->setSliderPosition(32767);
        QCOMPARE(f.Store().MechOtherHeat(0), std::int16_t{1});
        other->setSliderDown(false);
        QCOMPARE(f.Store().MechOtherHeat(0), std::int16_t{32767});
        QCOMPARE(f.Label("OtherHeatText")->text(), QString("32767"));
    }

    void fireOptions() {
        Fixture f;
        f.Roster({"A"});
        f.Select(0);
        QLineEdit* hexes = f.Edit("WalkingThroughFireHexes");
        // The record already holds "Walking Through": ticking Fire is enough.
        QTest::mouseClick(f.Check("Fire"), Qt::LeftButton);
        QVERIFY(f.Option("StandingInFire")->isEnabled() && hexes->isEnabled() &&
                f.Label("Label6")->isEnabled());
        QTest::mouseClick(f.Option("StandingInFire"), Qt::LeftButton);
        QVERIFY(!hexes->isEnabled() && f.Store().MechStandingInFire(1) &&
                !f.Store().MechWalkingThroughFire(1));
        QTest::mouseClick(f.Option("WalkingThroughFire"), Qt::LeftButton);
        QVERIFY(hexes->isEnabled() && !f.Store().MechStandingInFire(1) &&
                f.Store().MechWalkingThroughFire(1));
        QTest::mouseClick(f.Check("Fire"), Qt::LeftButton);
        QVERIFY(!f.Option("WalkingThroughFire")->isEnabled() && !hexes->isEnabled());
        QCOMPARE(f.Store().MechFire(1), std::int16_t{0});
    }

    void loadsDefaultRecord() {
        Fixture f;
        f.Roster({"A"});
        f.form->PaintHeatScale(20);
        f.Label("ConditionMP")->setText("old");
        f.Select(0);
        QCOMPARE(f.PaintErrors(0), QString());
        QStringList shown;
        for (const char* box :
             {"HexesJumpedText", "AttemptsToStand", "HeatGeneratedByWeapons", "HeatSinks"})
            shown << f.Edit(box)->text();
        shown << f.Combo("MovementType")->currentText() << f.Combo("EngineHits")->currentText()
              << f.Label("OtherHeatText")->text() << f.Label("ConditionMP")->text();
        QCOMPARE(shown, (QStringList{"0", "0", "0", "1", "Movement Type", "Engine Hits", "0", ""}));
        QVERIFY(!f.Edit("HexesJumpedText")->isEnabled() && !f.Check("Fire")->isChecked());
        QVERIFY(!f.Option("StandingInFire")->isEnabled() &&
                !f.Edit("WalkingThroughFireHexes")->isEnabled());
        QVERIFY(f.Store().Record(1) == MechRecord::Defaults());
    }

    // After a load the fire inputs describe the loaded 'Mech, never the one
    // shown before (which had fire, "Walking Through" and 5 hexes).
    void fireInputsDescribeTheLoadedMech_data() {
        QTest::addColumn<int>("fire");
        QTest::addColumn<bool>("walking");
        QTest::addColumn<bool>("standing");
        QTest::newRow("fire, walking through") << 1 << true << false;
        QTest::newRow("fire, standing in") << 1 << false << true;
        QTest::newRow("no fire, standing in") << 0 << false << true;
        QTest::newRow("no fire, walking through") << 0 << true << false;
    }
    void fireInputsDescribeTheLoadedMech() {
        QFETCH(int, fire);
        QFETCH(bool, walking);
        QFETCH(bool, standing);
        Fixture f;
        f.Roster({"before", "loaded"});
        f.Store().MechFire(1) = 1;
        f.Store().MechFireHexes(1) = "5";
        f.Store().MechFire(2) = std::int16_t(fire);
        f.Store().MechWalkingThroughFire(2) = walking;
        f.Store().MechStandingInFire(2) = standing;
        f.Store().MechFireHexes(2) = "2";
        const MechRecord before = f.Store().Record(1), loaded = f.Store().Record(2);
        for (int row : {0, 1, 0, 1}) // shown twice, after the other each time
            f.Select(row);
        QCOMPARE(f.Check("Fire")->isChecked(), fire == 1);
        QCOMPARE(f.Option("WalkingThroughFire")->isChecked(), walking);
        QCOMPARE(f.Option("StandingInFire")->isChecked(), standing);
        QCOMPARE(f.Option("StandingInFire")->isEnabled(), fire == 1);
        QCOMPARE(f.Edit("WalkingThroughFireHexes")->isEnabled(), fire == 1 && walking);
        QCOMPARE(f.Label("Label6")->isEnabled(), fire == 1 && walking);
        QCOMPARE(f.Edit("WalkingThroughFireHexes")->text(), QString("2"));
        QVERIFY(f.Store().Record(1) == before && f.Store().Record(2) == loaded);
    }

    // Every field set, away and back: the record and the controls as entered.
    void roundTrip() {
        Fixture f;
        f.Roster({"A", "B", "C"});
        f.Store().MechHeat(2) = 30;
        f.Store().MechConditionShutdown(2) = "Shutdown!!!";
        f.Select(1);
        f.Type(f.Combo("MovementType"), "Jumping");
        f.Type(f.Edit("HexesJumpedText"), "4.5");
        f.Type(f.Edit("AttemptsToStand"), "2");
        f.Type(f.Edit("HeatGeneratedByWeapons"), "13");
        f.Find<QScrollBar>("OtherHeat")->setValue(7);
        QTest::mouseClick(f.Check("Fire"), Qt::LeftButton);
        f.Type(f.Edit("WalkingThroughFireHexes"), "3");
        f.Type(f.Edit("HeatSinks"), "11");
        QTest::mouseClick(f.Check("DHS"), Qt::LeftButton);
        f.Type(f.Combo("EngineHits"), "1st Engine Hit");
        const MechRecord entered = f.Store().Record(2);
        auto controls = [&f] {
            QStringList shown;
            for (auto* edit : f.form->findChildren<QLineEdit*>())
                shown << edit->text() + (edit->isEnabled() ? "+" : "-");
            for (auto* box : f.form->findChildren<QAbstractButton*>())
                shown << QString::number(box->isChecked());
            return shown << f.Label("OtherHeatText")->text() << f.Label("ConditionShutdown")->text()
                         << f.PaintErrors(30);
        };
        const QStringList shown = controls();
        for (int row : {2, 0, 1})
            f.Select(row);
        QCOMPARE(controls(), shown);
        QVERIFY(f.Store().Record(2) == entered);
        QVERIFY(f.Store().Record(1) == MechRecord::Defaults() &&
                f.Store().Record(3) == MechRecord::Defaults());
    }
};

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"

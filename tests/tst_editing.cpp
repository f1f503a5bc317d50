#include "MainFormFixture.h"

#include <QAbstractItemView>
#include <QSignalSpy>

using namespace caldrix;
using namespace caldrix::test;

namespace {

void VerifyPainted(const Fixture& f, int level) {
    for (int j = 0; j <= 30; ++j) {
        const bool lit = j <= level;
        QCOMPARE(f.CellColour(j), lit ? kLightRed : kLightGrey);
        QCOMPARE(f.EffectColour(j), lit ? kRed : kBlack);
        QCOMPARE(f.Label(QStringLiteral("Label2(%1)").arg(j))->accessibleDescription(),
                 lit ? QString("lit") : QString("not lit"));
    }
}

} // namespace

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    // ---- Painting ----------------------------------------------------------

    void paint_data() {
        QTest::addColumn<QList<int>>("levels");
        QTest::newRow("level 0") << QList<int>{0};
        QTest::newRow("level 30") << QList<int>{30};
        QTest::newRow("20 then 3") << QList<int>{20, 3};
        QTest::newRow("3 then 20 then 0") << QList<int>{3, 20, 0};
    }
    void paint() {
        QFETCH(QList<int>, levels);
        Fixture f;
        const QString caption = f.Label("Label3(28)")->text();
        for (int level : levels)
            f.form->PaintHeatScale(level);
        VerifyPainted(f, levels.last());
        QCOMPARE(f.Label("Label3(28)")->text(), caption);
        QCOMPARE(f.Label("Label2(7)")->text(), QString("07"));
    }

    // ---- Editing handlers --------------------------------------------------

    void textHandlersStoreExactly_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selected"); // -1: nothing selected, slot 0
        const char* boxes[] = {"HeatSinks",
                               "HexesJumpedText",
                               "AttemptsToStand",
                               "HeatGeneratedByWeapons",
                               "WalkingThroughFireHexes",
                               "MovementType",
                               "EngineHits"};
        for (const char* box : boxes) {
            QTest::addRow("%s letters and digits", box) << box << "12ab" << 1;
            QTest::addRow("%s a blank", box) << box << " " << 0;
            QTest::addRow("%s emptied", box) << box << "" << 2;
            QTest::addRow("%s markup and ampersands", box) << box << "<b>x</b> & %1 &&" << 1;
            QTest::addRow("%s with nothing selected", box) << box << "7.5" << -1;
        }
    }
    void textHandlersStoreExactly() {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(int, selected);
        Fixture f;
        f.Roster({"A", "B", "C"});
        f.Select(selected);
        // Let every box be edited, as it is when its inputs are enabled.
        for (QWidget* w : f.form->findChildren<QLineEdit*>())
            w->setEnabled(true);
        const MechRecord before0 = f.Store().Record(0);
        const int slot = selected + 1;
        if (auto* combo = f.form->findChild<QComboBox*>(control))
            f.Type(combo, typed);
        else
            f.Type(f.Find<QLineEdit>(control), typed);

        const std::string stored = typed.toStdString();
        const MechRecord r = f.Store().Record(slot);
        const std::map<QString, std::string> fields{{"HeatSinks", r.HeatSinks},
                                                    {"HexesJumpedText", r.HexesJumped},
                                                    {"AttemptsToStand", r.AttemptsToStand},
                                                    {"HeatGeneratedByWeapons", r.WeaponHeat},
                                                    {"WalkingThroughFireHexes", r.FireHexes},
                                                    {"MovementType", r.MovementType},
                                                    {"EngineHits", r.EngineHits}};
        QCOMPARE(fields.at(control), stored);
        // No other 'Mech's record is touched.
        for (int other = 0; other <= 3; ++other) {
            if (other == slot)
                continue;
            const MechRecord expect = other == 0 ? before0 : MechRecord::Defaults();
            QVERIFY2(f.Store().Record(other) == expect, qPrintable(QString("slot %1").arg(other)));
        }
    }

    void checkBoxesAndScrollBar() {
        Fixture f;
        f.Roster({"A", "B"});
        f.Select(1);
        QTest::mouseClick(f.Check("DHS"), Qt::LeftButton);
        QCOMPARE(f.Store().MechDHS(2), std::int16_t{1});
        QTest::mouseClick(f.Check("Fire"), Qt::LeftButton);
        QCOMPARE(f.Store().MechFire(2), std::int16_t{1});
        QTest::mouseClick(f.Check("DHS"), Qt::LeftButton);
        QCOMPARE(f.Store().MechDHS(2), std::int16_t{0});

        f.OtherHeat()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.Store().MechOtherHeat(2), std::int16_t{1});
        QCOMPARE(f.Label("OtherHeatText")->text(), QString("1"));
        f.OtherHeat()->setValue(32767);
        QCOMPARE(f.Store().MechOtherHeat(2), std::int16_t{32767});
        QCOMPARE(f.Label("OtherHeatText")->text(), QString("32767"));
        QCOMPARE(f.Store().MechOtherHeat(1), std::int16_t{0});
    }

    void scrollBarWaitsForTheThumb() {
        Fixture f;
        f.Roster({"A"});
        f.Select(0);
        f.OtherHeat()->setSliderDown(true);
        f.OtherHeat()->setSliderPosition(40);
        QCOMPARE(f.Store().MechOtherHeat(1), std::int16_t{0});
        f.OtherHeat()->setSliderDown(false);
        QCOMPARE(f.Store().MechOtherHeat(1), std::int16_t{40});
        QCOMPARE(f.Label("OtherHeatText")->text(), QString("40"));
    }

    void jumpInputsFollowExactJumping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Jumping") << "Jumping" << true;
        QTest::newRow("lower case") << "jumping" << false;
        QTest::newRow("trailing blank") << "Jumping " << false;
        QTest::newRow("first four letters") << "Jump" << false;
        QTest::newRow("Walking") << "Walking" << false;
    }
    void jumpInputsFollowExactJumping() {
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        Fixture f;
        f.Type(f.Combo("MovementType"), typed);
        QCOMPARE(f.Combo("MovementType")->currentText(), typed); // no completion
        QCOMPARE(f.Label("HexesJumpedLabel")->isEnabled(), enabled);
        QCOMPARE(f.Edit("HexesJumpedText")->isEnabled(), enabled);
        QCOMPARE(QString::fromStdString(f.Store().MechMovementType(0)), typed);
        QCOMPARE(f.Combo("MovementType")->count(), 4); // typed text never joins the list
    }

    void jumpingTypedLetterByLetter() {
        Fixture f;
        QComboBox* move = f.Combo("MovementType");
        move->lineEdit()->selectAll();
        const QString word = "Jumping";
        for (int i = 0; i < word.size(); ++i) {
            QTest::keyClick(move->lineEdit(), word[i].toLatin1());
            QCOMPARE(f.Edit("HexesJumpedText")->isEnabled(), i == word.size() - 1);
        }
        QTest::keyClick(move->lineEdit(), Qt::Key_Return);
        QCOMPARE(move->count(), 4);
        QCOMPARE(move->currentText(), word);
    }

    // Typing or setting the text raises Change; picking from the list, by
    // mouse or by the arrow keys, raises Click and not Change as well.
    void comboEvents() {
        Fixture f;
        auto* combo = f.Find<platform::ComboBox>("MovementType");
        QSignalSpy change(combo, &platform::ComboBox::Change);
        QSignalSpy click(combo, &platform::ComboBox::Click);

        f.Type(combo, "Run");
        QCOMPARE(change.count(), 3);
        QCOMPARE(click.count(), 0);
        combo->SetText("Walking");
        QCOMPARE(change.count(), 4);

        combo->showPopup();
        QAbstractItemView* view = combo->view();
        const QModelIndex jumping = view->model()->index(3, 0);
        view->setCurrentIndex(jumping);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(jumping).center());
        QCOMPARE(combo->currentText(), QString("Jumping"));
        QCOMPARE(click.count(), 1);
        QCOMPARE(change.count(), 4);
        QVERIFY(f.Edit("HexesJumpedText")->isEnabled());
        QCOMPARE(f.Store().MechMovementType(0), std::string("Jumping"));

        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentText(), QString("Running"));
        QCOMPARE(click.count(), 2);
        QCOMPARE(change.count(), 4);
        QCOMPARE(f.Store().MechMovementType(0), std::string("Running"));

        f.Type(combo, "X");
        QCOMPARE(change.count(), 5);
    }

    void pickingFromTheListStores() {
        Fixture f;
        f.Roster({"A"});
        f.Select(0);
        f.Pick(f.Combo("MovementType"), "Jumping");
        QCOMPARE(f.Store().MechMovementType(1), std::string("Jumping"));
        QVERIFY(f.Edit("HexesJumpedText")->isEnabled());
        f.Edit("HexesJumpedText")->setText("4");
        f.Pick(f.Combo("MovementType"), "Walking");
        QVERIFY(!f.Edit("HexesJumpedText")->isEnabled());
        QCOMPARE(f.Edit("HexesJumpedText")->text(), QString("4"));
        QCOMPARE(f.Store().MechHexesJumped(1), std::string("4"));
        f.Pick(f.Combo("EngineHits"), "2nd Engine Hit");
        QCOMPARE(f.Store().MechEngineHits(1), std::string("2nd Engine Hit"));
    }

    void fireOptions() {
        Fixture f;
        f.Roster({"A"});
        f.Select(0);
        QCheckBox* fire = f.Check("Fire");
        QRadioButton* walking = f.Option("WalkingThroughFire");
        QRadioButton* standing = f.Option("StandingInFire");
        QLineEdit* hexes = f.Edit("WalkingThroughFireHexes");
        QLabel* label6 = f.Label("Label6");

        // The default record already holds "Walking Through": ticking Fire
        // makes the hexes box usable at once.
        QTest::mouseClick(fire, Qt::LeftButton);
        QVERIFY(walking->isEnabled() && standing->isEnabled());
        QVERIFY(walking->isChecked());
        QVERIFY(hexes->isEnabled() && label6->isEnabled());

        QTest::mouseClick(standing, Qt::LeftButton);
        QVERIFY(standing->isChecked() && !walking->isChecked());
        QVERIFY(!hexes->isEnabled() && !label6->isEnabled());
        QVERIFY(f.Store().MechStandingInFire(1));
        QVERIFY(!f.Store().MechWalkingThroughFire(1));

        QTest::mouseClick(walking, Qt::LeftButton);
        QVERIFY(hexes->isEnabled() && label6->isEnabled());
        QVERIFY(f.Store().MechWalkingThroughFire(1));
        QVERIFY(!f.Store().MechStandingInFire(1));

        // Unticking Fire disables the options and the hexes box too.
        QTest::mouseClick(fire, Qt::LeftButton);
        QVERIFY(!walking->isEnabled() && !standing->isEnabled());
        QVERIFY(!hexes->isEnabled() && !label6->isEnabled());
        QVERIFY(walking->isChecked());
        QCOMPARE(f.Store().MechFire(1), std::int16_t{0});
    }

    void editsWithNothingSelectedGoToSlotZero() {
        Fixture f;
        f.Roster({"A", "B"});
        f.Select(0);
        f.Select(-1);
        f.Type(f.Edit("HeatSinks"), "9");
        f.Check("DHS")->setChecked(true);
        f.Type(f.Combo("MovementType"), "Jumping");
        QCOMPARE(f.Store().MechHeatSinks(0), std::string("9"));
        QCOMPARE(f.Store().MechDHS(0), std::int16_t{1});
        QVERIFY(f.Edit("HexesJumpedText")->isEnabled());
        QVERIFY(f.Store().Record(1) == MechRecord::Defaults());
        QVERIFY(f.Store().Record(2) == MechRecord::Defaults());
    }

    // ---- Selection and loading ----------------------------------------------

    void loadsDefaultRecord() {
        Fixture f;
        f.Roster({"A"});
        f.form->PaintHeatScale(20);
        f.Select(0);
        VerifyPainted(f, 0);
        QCOMPARE(f.Label("OtherHeatText")->text(), QString("0"));
        QCOMPARE(f.Combo("MovementType")->currentText(), QString("Movement Type"));
        QVERIFY(!f.Edit("HexesJumpedText")->isEnabled());
        QVERIFY(!f.Label("HexesJumpedLabel")->isEnabled());
        QCOMPARE(f.Edit("HexesJumpedText")->text(), QString("0"));
        QCOMPARE(f.Edit("AttemptsToStand")->text(), QString("0"));
        QCOMPARE(f.Edit("HeatGeneratedByWeapons")->text(), QString("0"));
        QVERIFY(!f.Check("Fire")->isChecked());
        QVERIFY(!f.Option("WalkingThroughFire")->isEnabled());
        QVERIFY(!f.Option("StandingInFire")->isEnabled());
        QVERIFY(!f.Edit("WalkingThroughFireHexes")->isEnabled());
        QCOMPARE(f.Edit("HeatSinks")->text(), QString("1"));
        QVERIFY(!f.Check("DHS")->isChecked());
        QCOMPARE(f.Combo("EngineHits")->currentText(), QString("Engine Hits"));
        for (const char* c :
             {"ConditionMod2Fier", "ConditionMP", "ConditionShutdown", "ConditionAmmoExp"})
            QCOMPARE(f.Label(c)->text(), QString());
        QVERIFY(f.Store().Record(1) == MechRecord::Defaults());
    }

    void loadsHeatAndConditions() {
        Fixture f;
        f.Roster({"A", "B"});
        f.Store().MechHeat(2) = 30;
        f.Store().MechConditionShutdown(2) = "Shutdown!!!";
        f.Store().MechConditionMP(2) = "-5 Movement Points";
        f.Select(1);
        VerifyPainted(f, 30);
        QCOMPARE(f.Label("ConditionShutdown")->text(), QString("Shutdown!!!"));
        QCOMPARE(f.Label("ConditionMP")->text(), QString("-5 Movement Points"));
        f.Select(0);
        VerifyPainted(f, 0);
        f.Select(1);
        QCOMPARE(f.Label("ConditionShutdown")->text(), QString("Shutdown!!!"));
    }

    void jumpingAfterWalking() {
        Fixture f;
        f.Roster({"walker", "jumper"});
        f.Store().MechMovementType(1) = "Walking";
        f.Store().MechMovementType(2) = "Jumping";
        f.Store().MechHexesJumped(2) = "6";
        f.Select(0);
        QVERIFY(!f.Edit("HexesJumpedText")->isEnabled());
        f.Select(1);
        QVERIFY(f.Edit("HexesJumpedText")->isEnabled());
        QVERIFY(f.Label("HexesJumpedLabel")->isEnabled());
        QCOMPARE(f.Edit("HexesJumpedText")->text(), QString("6"));
        f.Select(0);
        QVERIFY(!f.Edit("HexesJumpedText")->isEnabled());
    }

    void fireInputsDescribeTheLoadedMech_data() {
        QTest::addColumn<int>("fire");
        QTest::addColumn<bool>("walking");
        QTest::addColumn<bool>("standing");
        QTest::newRow("fire, walking through") << 1 << true << false;
        QTest::newRow("fire, standing in") << 1 << false << true;
        QTest::newRow("no fire, walking through") << 0 << true << false;
        QTest::newRow("no fire, standing in") << 0 << false << true;
        QTest::newRow("fire, no option") << 1 << false << false;
    }
    void fireInputsDescribeTheLoadedMech() {
        QFETCH(int, fire);
        QFETCH(bool, walking);
        QFETCH(bool, standing);
        Fixture f;
        f.Roster({"before", "loaded"});
        // The 'Mech shown before has fire, "Walking Through" and 5 hexes.
        f.Store().MechFire(1) = 1;
        f.Store().MechFireHexes(1) = "5";
        f.Store().MechFire(2) = static_cast<std::int16_t>(fire);
        f.Store().MechWalkingThroughFire(2) = walking;
        f.Store().MechStandingInFire(2) = standing;
        f.Store().MechFireHexes(2) = "2";
        const MechRecord loaded = f.Store().Record(2);
        const MechRecord before = f.Store().Record(1);

        f.Select(0);
        QVERIFY(f.Edit("WalkingThroughFireHexes")->isEnabled());
        f.Select(1);

        QCOMPARE(f.Check("Fire")->isChecked(), fire == 1);
        QCOMPARE(f.Option("WalkingThroughFire")->isChecked(), walking);
        QCOMPARE(f.Option("StandingInFire")->isChecked(), standing);
        QCOMPARE(f.Option("WalkingThroughFire")->isEnabled(), fire == 1);
        QCOMPARE(f.Option("StandingInFire")->isEnabled(), fire == 1);
        const bool hexes = fire == 1 && walking;
        QCOMPARE(f.Edit("WalkingThroughFireHexes")->isEnabled(), hexes);
        QCOMPARE(f.Label("Label6")->isEnabled(), hexes);
        QCOMPARE(f.Edit("WalkingThroughFireHexes")->text(), QString("2"));
        QVERIFY(f.Store().Record(2) == loaded);
        QVERIFY(f.Store().Record(1) == before);

        // Reselected after another 'Mech: the same again.
        f.Select(0);
        f.Select(1);
        QCOMPARE(f.Option("StandingInFire")->isChecked(), standing);
        QCOMPARE(f.Edit("WalkingThroughFireHexes")->isEnabled(), hexes);
        QVERIFY(f.Store().Record(2) == loaded);
    }

    void standingInChosenThenReselected() {
        Fixture f;
        f.Roster({"A", "B"});
        f.Select(0);
        QTest::mouseClick(f.Check("Fire"), Qt::LeftButton);
        QTest::mouseClick(f.Option("StandingInFire"), Qt::LeftButton);
        f.Select(1);
        QVERIFY(!f.Check("Fire")->isChecked());
        f.Select(0);
        QVERIFY(f.Check("Fire")->isChecked());
        QVERIFY(f.Option("StandingInFire")->isChecked());
        QVERIFY(!f.Edit("WalkingThroughFireHexes")->isEnabled());
    }

    void sameMechTwiceChangesNothing() {
        Fixture f;
        f.Roster({"A", "B"});
        f.Select(0);
        f.Type(f.Edit("HeatSinks"), "12");
        f.Type(f.Combo("MovementType"), "Running");
        const MechRecord r = f.Store().Record(1);
        f.Select(0);
        QCOMPARE(f.Selected(), 0);
        QVERIFY(f.Store().Record(1) == r);
        QCOMPARE(f.Edit("HeatSinks")->text(), QString("12"));
    }

    // Every field set, away and back: record and controls as entered.
    void roundTrip_data() {
        QTest::addColumn<int>("variant");
        QTest::newRow("jumping, walking through fire") << 0;
        QTest::newRow("running, standing in fire") << 1;
        QTest::newRow("odd texts, no fire") << 2;
    }
    void roundTrip() {
        QFETCH(int, variant);
        Fixture f;
        f.Roster({"A", "B", "C"});
        f.Select(1);
        const QString move = variant == 0   ? "Jumping"
                             : variant == 1 ? "Running"
                                            : "jump & <i>run</i>";
        f.Type(f.Combo("MovementType"), move);
        if (variant == 0)
            f.Type(f.Edit("HexesJumpedText"), "4.5");
        f.Type(f.Edit("AttemptsToStand"), "2");
        f.Type(f.Edit("HeatGeneratedByWeapons"),
               variant == 2 ? QString::fromUtf8("\xc3\xa9t\xc3\xa9") : "13");
        f.OtherHeat()->setValue(7 + variant);
        if (variant != 2) {
            QTest::mouseClick(f.Check("Fire"), Qt::LeftButton);
            QTest::mouseClick(f.Option(variant == 0 ? "WalkingThroughFire" : "StandingInFire"),
                              Qt::LeftButton);
            if (variant == 0)
                f.Type(f.Edit("WalkingThroughFireHexes"), "3");
        }
        f.Type(f.Edit("HeatSinks"), "11");
        QTest::mouseClick(f.Check("DHS"), Qt::LeftButton);
        f.Pick(f.Combo("EngineHits"), "1st Engine Hit");
        const MechRecord entered = f.Store().Record(2);

        auto controls = [&f] {
            return QStringList{f.Combo("MovementType")->currentText(),
                               f.Edit("HexesJumpedText")->text(),
                               f.Edit("AttemptsToStand")->text(),
                               f.Edit("HeatGeneratedByWeapons")->text(),
                               QString::number(f.OtherHeat()->value()),
                               f.Label("OtherHeatText")->text(),
                               QString::number(f.Check("Fire")->isChecked()),
                               QString::number(f.Option("WalkingThroughFire")->isChecked()),
                               QString::number(f.Option("StandingInFire")->isChecked()),
                               f.Edit("WalkingThroughFireHexes")->text(),
                               QString::number(f.Edit("WalkingThroughFireHexes")->isEnabled()),
                               QString::number(f.Edit("HexesJumpedText")->isEnabled()),
                               f.Edit("HeatSinks")->text(),
                               QString::number(f.Check("DHS")->isChecked()),
                               f.Combo("EngineHits")->currentText()};
        };
        const QStringList shown = controls();
        QCOMPARE(shown[0], move);

        f.Select(2);
        f.Select(0);
        f.Select(1);
        QCOMPARE(controls(), shown);
        QVERIFY(f.Store().Record(2) == entered);
        QVERIFY(f.Store().Record(1) == MechRecord::Defaults());
        QVERIFY(f.Store().Record(3) == MechRecord::Defaults());
    }
};

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"

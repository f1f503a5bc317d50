// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFormFixture.h"
#include "platform/Controls.h"

#include <QAccessible>
#include <QGroupBox>
#include <QSignalSpy>

using namespace caldrix;
using namespace caldrix::test;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Spot checks of the fixed layout as it opens: the client size, no
    // maximize or minimize box, the grey, the scale at level 0, text never
    // markup; then the focus order and the other-heat bar.
    void layout() {
        Fixture f;
        QCOMPARE(f.find("ClientArea")->size(), QSize(636, 447));
        QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
        QVERIFY2(!(f.form->windowFlags() &
                   (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)),
                 "a maximize or minimize box");
        const QPoint bare = f.find("ClientArea")->mapTo(f.form.get(), QPoint(2, 2));
        QString look = f.form->grab().toImage().pixelColor(bare).name() +
                       f.label("Label3(5)")->palette().color(QPalette::WindowText).name();
        for (int j = 0; j <= 30; ++j)
            look += f.cellColour(j) == kLightRed ? 'R' : f.cellColour(j) == kLightGrey ? 'G' : '.';
        QCOMPARE(look, "#c0c0c0#000000RGGG" + QString(25, '.') + "G.");
        for (QLabel* label : f.form->findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
        f.roster({"A"});
        f.select(0);
        f.type(f.combo("MovementType"), "Walking"); // the arrows step on from what is shown
        QTest::keyClick(f.combo("MovementType"), Qt::Key_Down);
        QCOMPARE(f.play().mechRecord(0).movementType, "Running");
        QVERIFY2(!f.edit("HexesJumpedText")->isEnabled(), "hexes jumped open while running");
        f.type(f.combo("MovementType"), "Jumping"); // enable what starts disabled
        f.check("Fire")->setChecked(true), f.option("WalkingThroughFire")->setChecked(true);
        QStringList chain; // one stop for the fire options
        for (QWidget* w = f.combo("MovementType"); chain.size() < 13; w = w->nextInFocusChain())
            if (!w->objectName().isEmpty() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
                w != f.option("StandingInFire"))
                chain << w->objectName();
        QCOMPARE(chain.join(' '), "MovementType HexesJumpedText AttemptsToStand "
                                  "HeatGeneratedByWeapons Fire WalkingThroughFire "
                                  "WalkingThroughFireHexes HeatSinks DHS EngineHits NextTurn "
                                  "MechNames OtherHeat");
        // Dragging the other-heat thumb stores nothing until it is let go.
        auto* bar = f.find<QScrollBar>("OtherHeat");
        bar->setSliderDown(true);
        bar->setSliderPosition(5);
        QCOMPARE(f.play().mechRecord(0).otherHeat, std::int16_t{0});
        bar->setSliderDown(false);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); // an arrow: one step
        QCOMPARE(f.play().mechRecord(0).otherHeat, std::int16_t{6});
        // Other heat runs from 0 to 32767, the most a record holds.
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(f.play().mechRecord(0).otherHeat, std::int16_t{32767});
        QCOMPARE(f.label("OtherHeatText")->text(), QString("32767"));
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(f.label("OtherHeatText")->text(), QString("0"));
    }

    // No entry reaches no 'Mech: with none selected the inputs wait, greyed,
    // and say so; a click below the rows keeps the selection; a new game
    // shows a fresh record, not the last game's 'Mech.
    void inputsWaitForAMech() {
        Fixture f;
        f.roster({"A"}, {"carried=25 sinks=7"});
        QVERIFY2(!f.edit("HeatSinks")->isEnabled(), "an input open with nothing selected");
        QCOMPARE(f.find<QGroupBox>("Frame3")->title(), QString("Turn Actions: select a 'Mech"));
        f.select(0);
        QTest::mouseClick(f.roster()->viewport(), Qt::LeftButton, {}, QPoint(5, 150));
        QCOMPARE(f.selected(), 0);
        QVERIFY2(f.edit("HeatSinks")->isEnabled(), "an input closed with a 'Mech selected");
        f.trigger("StartNewGame");
        QCOMPARE(f.edit("HeatSinks")->text(), QString("1"));
        QCOMPARE(f.paintErrors(0), QString());
        QVERIFY2(!f.edit("HeatSinks")->isEnabled(), "an input open after a new game");
    }

    // Each shortcut of the main window chooses its own entry, and only that one.
    void shortcuts_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("entry");
        QTest::newRow("Ctrl+Z undoes a turn") << QKeySequence("Ctrl+Z") << QString("mnuUndoTurn");
        QTest::newRow("Ctrl+O opens a game") << QKeySequence("Ctrl+O") << QString("mnuOpenGame");
        QTest::newRow("Ctrl+S saves the game") << QKeySequence("Ctrl+S") << QString("mnuSaveGame");
    }
    void shortcuts() {
        QFETCH(QKeySequence, keys);
        Fixture f;
        f.roster({"A"}, {"move=Running"});
        f.nextTurn(); // something to undo
        QStringList chosen;
        for (QAction* action : f.form->findChildren<QAction*>()) {
            action->disconnect(); // no file dialog: only which entry is chosen counts
            connect(action, &QAction::triggered,
                    [&chosen, action] { chosen << action->objectName(); });
        }
        QApplication::setActiveWindow(f.form.get());
        QTest::keySequence(f.form.get(), keys);
        QFETCH(QString, entry);
        QCOMPARE(chosen, QStringList{entry});
    }

    // What a screen reader hears: the combo boxes by their names, the dialogs
    // by their captions, empty labels as nothing, the heat scale the level in
    // one place, and each roster row its 'Mech's level.
    void screenReader() {
        Fixture f;
        f.roster({"A", "B"}, {"carried=12", "carried=3"});
        f.select(0);
        f.trigger("mnuNewMech"), f.trigger("About");
        f.label("ConditionShutdown")->setText("Shutdown!!!");
        QStringList heard;
        for (QObject* o : QList<QObject*>{
                 f.combo("MovementType"), Fixture::window<NewMech>("NewMech"),
                 Fixture::window<AboutForm>("AboutForm"), f.label("Label3(29)"),
                 f.label("Label3(30)"), f.label("ConditionShutdown"), f.find("Frame2")}) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
            heard << QString::number(a->role()) + ":" + a->text(QAccessible::Name) + ":" +
                         a->text(QAccessible::Value);
        }
        QAccessibleInterface* roster = QAccessible::queryAccessibleInterface(f.roster());
        for (QAccessibleInterface* row : {roster->child(0), roster->child(1)})
            heard << row->text(QAccessible::Name) + ": " + row->text(QAccessible::Description);
        QCOMPARE(heard, (QStringList{"46:Movement Type:Stationary", "18:Caldrix:", "18:About:",
                                     "41::", "41:Shutdown:", "41:Shutdown!!!:",
                                     "20:Heat Scale:level 12", "A: heat 12", "B: heat 3"}));
        const QPoint at =
            f.roster()->visualItemRect(f.roster()->item(0)).topRight() + QPoint(-2, 3);
        QCOMPARE(f.roster()->viewport()->grab().toImage().pixelColor(at), kLightRed); // level lit
        QWidget asked; // asked for by a screen reader before it has a value
        QAccessible::queryAccessibleInterface(&asked);
        platform::setAccessibleValue(&asked, "level 7");
        QCOMPARE(QAccessible::queryAccessibleInterface(&asked)->text(QAccessible::Value),
                 "level 7");
    }

    // After a turn, Undo and Cancel Turn, a screen reader hears one sentence.
    void announcements() {
        Fixture f;
        f.roster({"A", "B"}, {"carried=24", "carried=3"});
        QStringList heard;
        const auto hear = [&] {
            heard << QAccessible::queryAccessibleInterface(f.label("TurnAnnouncement"))
                         ->text(QAccessible::Name);
        };
        f.nextTurn(), hear();
        f.trigger("mnuUndoTurn"), hear();
        f.trigger("mnuTableDice");
        f.nextTurn(), hear(); // no total typed: Cancel Turn
        f.select(1), f.type(f.edit("HeatSinks"), "");
        f.nextTurn(), hear();
        QCOMPARE(heard, (QStringList{"Turn 1: A heat 14, shut down; B heat 0",
                                     "Turn 1 taken back: A heat 24; B heat 3",
                                     "Turn cancelled: nothing changed", "Enter Heat Sinks"}));
    }

    // File > Exit and closing the main window end the program at once,
    // with every dialog and without a question.
    void endingTakesEveryWindow() {
        for (bool byMenu : {true, false}) {
            Fixture f;
            f.trigger("mnuNewMech"), f.trigger("About");
            QList<QPointer<QWidget>> dialogs{Fixture::window<PickMechs>("PickMechs"),
                                             Fixture::window<NewMech>("NewMech"),
                                             Fixture::window<AboutForm>("AboutForm")};
            QSignalSpy ended(f.form.get(), &MainForm::programEnded);
            byMenu ? f.trigger("Exit") : void(f.form->close());
            QCOMPARE(ended.count(), 1);
            QCOMPARE(f.messages.shown, QStringList()); // no question
            for (const QPointer<QWidget>& dialog : dialogs)
                QVERIFY2(dialog.isNull(), "a dialog left open");
        }
    }

    // After a load the fire inputs describe the loaded 'Mech, never the one
    // shown before (which had fire, "Walking Through" and 5 hexes); with
    // fire, each option chosen is stored, and only one.
    void fireInputsDescribeTheLoadedMech() {
        // ticked: Fire, Walking Through, Standing In; open: Standing In, the hexes
        for (auto [loaded, expected] : {std::pair{"fire standing firehexes=2", "10110"},
                                        {"firehexes=2", "01000"},
                                        {"fire neither firehexes=2", "10010"}}) {
            Fixture f;
            f.roster({"before", "loaded"}, {"fire firehexes=5", loaded});
            const std::pair records{f.play().mechRecord(0), f.play().mechRecord(1)};
            for (int row : {0, 1, 0, 1}) // shown twice, after the other each time
                f.select(row);
            QString shown;
            for (bool on :
                 {f.check("Fire")->isChecked(), f.option("WalkingThroughFire")->isChecked(),
                  f.option("StandingInFire")->isChecked(), f.option("StandingInFire")->isEnabled(),
                  f.edit("WalkingThroughFireHexes")->isEnabled()})
                shown += on ? '1' : '0';
            QCOMPARE(shown, QString(expected));
            QCOMPARE(f.label("Label6")->isEnabled(),
                     f.edit("WalkingThroughFireHexes")->isEnabled());
            QCOMPARE(f.edit("WalkingThroughFireHexes")->text(), QString("2"));
            QVERIFY2((std::pair{f.play().mechRecord(0), f.play().mechRecord(1)} == records),
                     "showing a 'Mech changed a record");
            f.option("StandingInFire")->click();
            QCOMPARE(f.play().mechRecord(1).standingInFire, expected[0] == '1');
            f.option("WalkingThroughFire")->click();
            QVERIFY2(!f.play().mechRecord(1).standingInFire, "both fire options stored");
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFormFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

using namespace caldrix;
using namespace caldrix::test;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The fixed layout: the client size, every control inside its frame,
    // and nothing overlapping but the frames drawn over each other's edges
    // and the one-pixel shared borders of neighbouring cells.
    void layoutHoldsTogether() {
        Fixture f;
        QWidget* client = f.Find("ClientArea");
        QVERIFY(client->size() == QSize(636, 447) &&
                f.form->minimumSize() == f.form->maximumSize() &&
                !(f.form->windowFlags() &
                  (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QStringList faults;
        QList<QWidget*> parents{client};
        for (QWidget* frame : client->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
            parents << frame;
        for (QWidget* parent : parents) {
            const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* a : children) {
                if (!parent->rect().contains(a->geometry()) ||
                    (parent != client && a->y() < parent->fontMetrics().height()))
                    faults << a->objectName() + " outside " + parent->objectName();
                for (QWidget* b : children) {
                    const QRect both = a->geometry() & b->geometry();
                    const QString pair = qMin(a->objectName(), b->objectName()) + "/" +
                                         qMax(a->objectName(), b->objectName());
                    if (a < b && both.width() > 1 && both.height() > 1 &&
                        !QStringList{"Frame3/Frame4", "Frame4/Frame5"}.contains(pair))
                        faults << pair + " overlap";
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        // As it opens: grey, the scale at level 0, the fire inputs waiting.
        QString look = client->palette().color(QPalette::Window).name() +
                       f.Label("Label3(5)")->palette().color(QPalette::WindowText).name() +
                       QString::number(f.Label("Label6")->isEnabled() +
                                       f.Edit("WalkingThroughFireHexes")->isEnabled());
        for (int j = 0; j <= 30; ++j)
            look += f.CellColour(j) == kLightRed ? 'R' : f.CellColour(j) == kLightGrey ? 'G' : '.';
        QCOMPARE(look, "#c0c0c0#0000000RGGG" + QString(25, '.') + "G.");
        for (QLabel* label : f.form->findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText); // user text is never markup
    }

    void focusOrder() {
        Fixture f;
        QWidget* first = f.form->focusWidget();
        QVERIFY(first == f.Combo("MovementType") || first == f.Combo("MovementType")->lineEdit());
        f.Type(f.Combo("MovementType"), "Jumping"); // enable what starts disabled
        f.Check("Fire")->setChecked(true);
        f.Option("WalkingThroughFire")->setChecked(true);
        QStringList chain;
        for (QWidget* w = f.Combo("MovementType"); chain.size() < 13; w = w->nextInFocusChain()) {
            const bool named =
                !w->objectName().isEmpty() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
            if (named && w != f.Option("StandingInFire")) // one stop for the option group
                chain << w->objectName();
        }
        QCOMPARE(chain, (QStringList{"MovementType", "HexesJumpedText", "AttemptsToStand",
                                     "HeatGeneratedByWeapons", "Fire", "WalkingThroughFire",
                                     "WalkingThroughFireHexes", "HeatSinks", "DHS", "EngineHits",
                                     "NextTurn", "MechNames", "OtherHeat"}));
    }

    // What a screen reader hears: the combo boxes by their names, the dialogs
    // by their captions, empty labels as nothing, the heat scale the level in
    // one place, and each roster row its 'Mech's level.
    void screenReader() {
        Fixture f;
        f.Roster({"A", "B"}, {"carried=12", "carried=3"});
        f.Select(0);
        f.form->mnuNewMech_Click();
        f.form->About_Click();
        f.Label("ConditionShutdown")->setText("Shutdown!!!");
        QStringList heard;
        for (QObject* o :
             QList<QObject*>{f.Combo("MovementType"), f.form->NewMechDialog(),
                             f.form->AboutDialog(), f.Label("Label3(29)"), f.Label("Label3(30)"),
                             f.Label("ConditionShutdown"), f.Find("Frame2")}) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
            heard << QString("%1:%2:%3")
                         .arg(a->role())
                         .arg(a->text(QAccessible::Name), a->text(QAccessible::Value));
        }
        QAccessibleInterface* roster = QAccessible::queryAccessibleInterface(f.Roster());
        for (int i = 0; i < roster->childCount(); ++i)
            heard << roster->child(i)->text(QAccessible::Name) + ": " +
                         roster->child(i)->text(QAccessible::Description);
        QCOMPARE(heard, (QStringList{"46:Movement Type:Stationary", "18:Caldrix:", "18:About:",
                                     "41::", "41:Shutdown:", "41:Shutdown!!!:",
                                     "20:Heat Scale:level 12", "A: heat 12", "B: heat 3"}));
    }

    // File > Exit and closing the main window end the program at once,
    // with every dialog and without a question.
    void endingTakesEveryWindow() {
        for (bool byMenu : {true, false}) {
            Fixture f;
            f.form->mnuNewMech_Click();
            f.form->About_Click();
            QList<QPointer<QWidget>> dialogs{f.form->PickMechsDialog(), f.form->NewMechDialog(),
                                             f.form->AboutDialog()};
            QSignalSpy ended(f.form.get(), &MainForm::programEnded);
            byMenu ? f.Find<QAction>("Exit")->trigger() : void(f.form->close());
            QVERIFY(ended.count() == 1 && f.messages.shown.isEmpty());
            for (const auto& dialog : dialogs)
                QVERIFY(dialog.isNull());
            QCOMPARE(f.help.file, QString("caldrix.hlp")); // named at start-up
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"

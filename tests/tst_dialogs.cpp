#include "MainFormFixture.h"
#include "WidgetChecks.h"
#include "platform/HelpService.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBrowser>

using namespace caldrix;
using namespace caldrix::test;

namespace {

QLineEdit* NameBox(QWidget* pick, int i) {
    return pick->findChild<QLineEdit*>(QString("Mech1(%1)").arg(i));
}
QLabel* RowLabel(QWidget* pick, int i) {
    return pick->findChild<QLabel*>(QString("Label2(%1)").arg(i));
}
QScrollBar* Count(QWidget* pick) {
    return pick->findChild<QScrollBar*>("NumMechsScroll");
}
void Ok(QWidget* dialog, const char* name) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton);
}

QStringList Names(const Fixture& f) {
    QStringList names;
    for (int i = 0; i < f.Roster()->count(); ++i)
        names << f.Roster()->item(i)->text();
    return names;
}

MechRecord Marked(const std::string& tag) {
    MechRecord r = MechRecord::Defaults();
    r.HeatSinks = tag;
    r.Heat = 9;
    r.ConditionMP = "-1 Movement Points";
    return r;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    // ---- New game ------------------------------------------------------------

    void okUntouchedGivesOneMech() {
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        QCOMPARE(pick->NumMechs, std::int16_t{1});
        Ok(pick, "Continue");
        QVERIFY(!pick->isVisible());
        QVERIFY(f.form->isVisible());
        QCOMPARE(Names(f), QStringList{"Mech # 1"});
        QCOMPARE(f.Selected(), -1);
    }

    void countSetsRowsInUse_data() {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("three") << QList<int>{3} << QStringList{"Mech # 1", "Mech # 2", "Mech # 3"};
        QTest::newRow("ten") << QList<int>{10}
                             << QStringList{"Mech # 1", "Mech # 2", "Mech # 3", "Mech # 4",
                                            "Mech # 5", "Mech # 6", "Mech # 7", "Mech # 8",
                                            "Mech # 9", "Mech # 10"};
        QTest::newRow("4, 2, back to 4")
            << QList<int>{4, 2, 4} << QStringList{"Mech # 1", "Mech # 2", "Mech # 3", "Mech # 4"};
        QTest::newRow("4 then 2") << QList<int>{4, 2} << QStringList{"Mech # 1", "Mech # 2"};
    }
    void countSetsRowsInUse() {
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, names);
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        for (int count : counts) {
            Count(pick)->setValue(count);
            QCOMPARE(pick->findChild<QLabel*>("NumOfMechs")->text(), QString::number(count));
            for (int i = 1; i <= 10; ++i) {
                QCOMPARE(NameBox(pick, i)->isEnabled(), i <= count);
                QCOMPARE(RowLabel(pick, i)->isEnabled(), i <= count);
                QCOMPARE(NameBox(pick, i)->text(), QString("Mech # %1").arg(i));
            }
        }
        Ok(pick, "Continue");
        QCOMPARE(Names(f), names);
    }

    void namesTakenAsTyped() {
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        Count(pick)->setValue(3);
        NameBox(pick, 2)->clear();
        NameBox(pick, 3)->setText("<b>x</b> & %1 &&");
        Ok(pick, "Continue");
        QCOMPARE(Names(f), (QStringList{"Mech # 1", "", "<b>x</b> & %1 &&"}));
        QCOMPARE(f.Roster()->item(2)->text(), QString("<b>x</b> & %1 &&"));
    }

    void secondNewGameOffersPreviousNames() {
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        Count(pick)->setValue(2);
        NameBox(pick, 2)->setText("Atlas");
        Ok(pick, "Continue");
        f.Select(1);
        f.Store().MechHeat(2) = 12;
        f.Store().SetRecord(0, Marked("scratch"));

        f.form->StartNewGame_Click();
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.form->PickMechsDialog(), pick); // the same instance
        QVERIFY(pick->isVisible());
        QCOMPARE(Count(pick)->value(), 2);
        QCOMPARE(NameBox(pick, 2)->text(), QString("Atlas"));
        QCOMPARE(f.Roster()->count(), 0);
        for (int slot = 1; slot <= 256; ++slot)
            QVERIFY(f.Store().Record(slot) == MechRecord::Defaults());
        QVERIFY(f.Store().Record(0) == Marked("scratch"));

        Ok(pick, "Continue");
        QVERIFY(f.form->isVisible());
        QCOMPARE(Names(f), (QStringList{"Mech # 1", "Atlas"}));
        QCOMPARE(f.Selected(), -1);
        f.Select(1);
        QCOMPARE(f.Store().MechHeat(2), std::int16_t{0});
    }

    void newGameWhileStartUpDialogIsOpen() {
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        Count(pick)->setValue(3);
        NameBox(pick, 1)->setText("Typed");
        f.Roster({"early"});
        f.form->StartNewGame_Click();
        QVERIFY(!f.form->isVisible());
        QCOMPARE(f.form->PickMechsDialog(), pick);
        QCOMPARE(Count(pick)->value(), 3);
        QCOMPARE(NameBox(pick, 1)->text(), QString("Typed"));
        QCOMPARE(f.Roster()->count(), 0);
    }

    void startUpDialogFollowsNamesAddedMeanwhile() {
        Fixture f;
        f.form->mnuNewMech_Click();
        Ok(f.form->NewMechDialog(), "Ok");
        Ok(f.form->PickMechsDialog(), "Continue");
        QCOMPARE(Names(f), (QStringList{"New Mech", "Mech # 1"}));
    }

    void closingTheDialog_data() {
        QTest::addColumn<bool>("duringNewGame");
        QTest::newRow("at start-up") << false;
        QTest::newRow("during a new game") << true;
    }
    void closingTheDialog() {
        QFETCH(bool, duringNewGame);
        Fixture f;
        QPointer<PickMechs> pick = f.form->PickMechsDialog();
        Count(pick)->setValue(5);
        if (duringNewGame)
            f.form->StartNewGame_Click();
        pick->close();
        QTRY_VERIFY(pick.isNull()); // deleted later, by the event loop
        QVERIFY(f.form->isVisible());
        f.form->StartNewGame_Click();
        QVERIFY(f.form->PickMechsDialog() != nullptr);
        QCOMPARE(f.form->PickMechsDialog()->NumMechs, std::int16_t{1});
        QCOMPARE(Count(f.form->PickMechsDialog())->value(), 1);
    }

    // ---- Adding --------------------------------------------------------------

    void newMechAppendsExactly() {
        Fixture f;
        f.Roster({"A", "B", "C"});
        f.Select(1);
        f.form->mnuNewMech_Click();
        NewMech* dialog = f.form->NewMechDialog();
        QLineEdit* name = dialog->findChild<QLineEdit*>("NewMechName");
        QCOMPARE(name->text(), QString("New Mech"));
        name->setText(" Mad & Cat ");
        Ok(dialog, "Ok");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(Names(f), (QStringList{"A", "B", "C", " Mad & Cat "}));
        QCOMPARE(f.Selected(), 1);
        f.Select(3);
        QVERIFY(f.Store().Record(4) == MechRecord::Defaults());

        f.form->mnuNewMech_Click();
        f.form->mnuNewMech_Click();
        QCOMPARE(f.form->NewMechDialog(), dialog);
        QCOMPARE(name->text(), QString(" Mad & Cat "));
        name->clear();
        Ok(dialog, "Ok");
        QCOMPARE(f.Roster()->count(), 5);
        QCOMPARE(f.Roster()->item(4)->text(), QString());

        QPointer<NewMech> closed = dialog;
        dialog->close();
        QTRY_VERIFY(closed.isNull());
        f.form->mnuNewMech_Click();
        QCOMPARE(f.form->NewMechDialog()->findChild<QLineEdit*>("NewMechName")->text(),
                 QString("New Mech"));
    }

    void rosterHoldsAtMost256() {
        Fixture f;
        QStringList many;
        for (int i = 0; i < 255; ++i)
            many << QString("M%1").arg(i);
        f.Roster(many);
        QVERIFY(f.messages.shown.empty());
        f.form->mnuNewMech_Click();
        Ok(f.form->NewMechDialog(), "Ok");
        QCOMPARE(f.Roster()->count(), 256);
        QVERIFY(f.messages.shown.empty());
        Ok(f.form->NewMechDialog(), "Ok");
        QCOMPARE(f.Roster()->count(), 256);
        QCOMPARE(f.messages.Texts(),
                 QStringList{"The roster is full: a game holds at most 256 'Mechs"});
    }

    void newGameNamesPastTheLimitRefused() {
        Fixture f;
        QStringList many;
        for (int i = 0; i < 254; ++i)
            many << QString("M%1").arg(i);
        f.Roster(many);
        Count(f.form->PickMechsDialog())->setValue(5);
        Ok(f.form->PickMechsDialog(), "Continue");
        QCOMPARE(f.Roster()->count(), 256);
        QCOMPARE(f.Roster()->item(255)->text(), QString("Mech # 2"));
        QCOMPARE(f.messages.Texts(),
                 QStringList{"The roster is full: a game holds at most 256 'Mechs"});
    }

    // ---- Removing -------------------------------------------------------------

    void deleteAsksFirst_data() {
        QTest::addColumn<int>("roster");
        QTest::addColumn<int>("removed");
        QTest::newRow("first of three") << 3 << 0;
        QTest::newRow("middle of three") << 3 << 1;
        QTest::newRow("the only one") << 1 << 0;
        QTest::newRow("position 255") << 256 << 255;
    }
    void deleteAsksFirst() {
        QFETCH(int, roster);
        QFETCH(int, removed);
        Fixture f;
        QStringList names;
        for (int i = 0; i < roster; ++i) {
            names << QString("M%1").arg(i);
            f.Store().SetRecord(i + 1, Marked("m" + std::to_string(i)));
        }
        f.Roster(names);
        f.Select(removed);
        const MechRecord shown = f.Store().Record(removed + 1);
        f.messages.answers = {true};
        f.form->mnuDeleteMech_Click();

        QCOMPARE(f.messages.shown.size(), std::size_t{1});
        QCOMPARE(f.messages.shown[0].Text, QString("Delete currently selected 'Mech"));
        QCOMPARE(f.messages.shown[0].Title, QString("Delete 'Mech"));
        QVERIFY(f.messages.shown[0].Question);
        names.removeAt(removed);
        QCOMPARE(Names(f), names);
        QCOMPARE(f.Selected(), -1);
        for (int p = 0; p < roster - 1; ++p) {
            const int was = p < removed ? p : p + 1;
            QVERIFY(f.Store().Record(p + 1) == Marked("m" + std::to_string(was)));
        }
        for (int slot = roster; slot <= 256; ++slot)
            QVERIFY(f.Store().Record(slot) == MechRecord::Defaults());
        // Nothing loaded: the window still shows the removed 'Mech.
        QCOMPARE(f.Edit("HeatSinks")->text(), QString::fromStdString(shown.HeatSinks));
        QVERIFY(!f.Find<QAction>("mnuDeleteMech")->isEnabled());
        // Edits now go to the scratch slot only.
        const MechRecord first = f.Store().Record(1);
        f.Type(f.Edit("HeatSinks"), "44");
        QCOMPARE(f.Store().MechHeatSinks(0), std::string("44"));
        QVERIFY(f.Store().Record(1) == first);
    }

    void deleteAnsweredNoChangesNothing() {
        Fixture f;
        f.Roster({"A", "B"});
        f.Store().SetRecord(1, Marked("a"));
        f.Select(0);
        f.messages.answers = {false};
        f.form->mnuDeleteMech_Click();
        f.form->mnuDeleteMech_Click(); // the script has run out: the default, No
        QCOMPARE(f.messages.shown.size(), std::size_t{2});
        QCOMPARE(Names(f), (QStringList{"A", "B"}));
        QVERIFY(f.Store().Record(1) == Marked("a"));
        QCOMPARE(f.Selected(), 0);
    }

    void deleteDisabledWithNothingSelected() {
        Fixture f;
        QAction* del = f.Find<QAction>("mnuDeleteMech");
        QVERIFY(!del->isEnabled());
        f.Roster({"A", "B"});
        QVERIFY(!del->isEnabled());
        f.Select(1);
        QVERIFY(del->isEnabled());
        f.Select(-1);
        QVERIFY(!del->isEnabled());
        f.messages.answers = {true};
        f.form->mnuDeleteMech_Click();
        QVERIFY(f.messages.shown.empty());
        QCOMPARE(f.Roster()->count(), 2);
        f.Select(0);
        f.form->StartNewGame_Click();
        QVERIFY(!del->isEnabled());
    }

    // ---- About ----------------------------------------------------------------

    void aboutBox() {
        Fixture f;
        f.form->About_Click();
        AboutForm* about = f.form->AboutDialog();
        QVERIFY(about && about->isVisible());
        f.form->About_Click();
        QCOMPARE(f.form->AboutDialog(), about);
        QCOMPARE(about->windowTitle(), QString("About"));
        QCOMPARE(about->findChild<QLabel*>("Label1")->text(), QString("Caldrix"));
        QCOMPARE(about->findChild<QLabel*>("Label5")->text(), QString("Version 1.4.3"));
        QCOMPARE(about->findChild<QLabel*>("Label3")->text(), QString("The Caldrix team"));
        Ok(about, "Ok");
        QVERIFY(!about->isVisible());
        f.form->About_Click();
        QCOMPARE(f.form->AboutDialog(), about);
        QVERIFY(about->isVisible());
        int aboutBoxes = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            aboutBoxes += qobject_cast<AboutForm*>(w) != nullptr;
        QCOMPARE(aboutBoxes, 1);
    }

    void dialogLayouts_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        auto t = [](int l, int tp, int w, int h) { return QRect(l / 15, tp / 15, w / 15, h / 15); };
        QTest::newRow("PickMechs Frame1") << "PickMechs"
                                          << "Frame1" << t(120, 0, 6495, 4335);
        QTest::newRow("PickMechs Mech1(4)") << "PickMechs"
                                            << "Mech1(4)" << t(1560, 1440, 3735, 375);
        QTest::newRow("PickMechs Label2(10)") << "PickMechs"
                                              << "Label2(10)" << t(120, 3600, 1095, 255);
        QTest::newRow("PickMechs Continue") << "PickMechs"
                                            << "Continue" << t(5280, 2760, 1095, 1215);
        QTest::newRow("PickMechs NumMechsScroll") << "PickMechs"
                                                  << "NumMechsScroll" << t(5640, 960, 255, 495);
        QTest::newRow("NewMech NewMechName") << "NewMech"
                                             << "NewMechName" << t(120, 600, 6255, 375);
        QTest::newRow("NewMech Ok") << "NewMech"
                                    << "Ok" << t(1080, 1200, 4575, 495);
        QTest::newRow("AboutForm Ok") << "AboutForm"
                                      << "Ok" << t(5520, 2040, 1095, 375);
        QTest::newRow("AboutForm Label4") << "AboutForm"
                                          << "Label4" << t(120, 960, 6375, 375);
    }
    void dialogLayouts() {
        QFETCH(QString, dialog);
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        Fixture f;
        f.form->mnuNewMech_Click();
        f.form->About_Click();
        QWidget* window = dialog == "PickMechs" ? static_cast<QWidget*>(f.form->PickMechsDialog())
                          : dialog == "NewMech" ? static_cast<QWidget*>(f.form->NewMechDialog())
                                                : static_cast<QWidget*>(f.form->AboutDialog());
        QCOMPARE(window->objectName(), dialog);
        QWidget* w = window->findChild<QWidget*>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
    }

    void dialogSizesAndNothingClipped() {
        Fixture f;
        f.form->mnuNewMech_Click();
        f.form->About_Click();
        QCOMPARE(f.form->PickMechsDialog()->size(), QSize(448, 293));
        QCOMPARE(f.form->NewMechDialog()->size(), QSize(448, 120));
        QCOMPARE(f.form->AboutDialog()->size(), QSize(455, 174));
        for (QWidget* w : QList<QWidget*>{f.form->PickMechsDialog(), f.form->NewMechDialog(),
                                          f.form->AboutDialog()}) {
            const QStringList clipped = ClippedTexts(w);
            QVERIFY2(clipped.isEmpty(), qPrintable(w->objectName() + ": " + clipped.join("\n")));
        }
        QVERIFY(!f.form->PickMechsDialog()->windowIcon().isNull());
    }

    // ---- Help -----------------------------------------------------------------

    void f1OpensTheHelpFile() {
        Fixture f;
        HelpService help(f.messages);
        help.SetSearchFolders({QStringLiteral(CALDRIX_RESOURCES_DIR)});
        help.SetHelpFile("caldrix.hlp");
        QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_F1);
        QVERIFY(help.HelpWindow());
        QVERIFY(help.HelpWindow()->isVisible());
        QVERIFY(help.HelpWindow()->toPlainText().contains("Next Turn"));
        QVERIFY(f.messages.shown.empty());
        // From a dialog too, and still one help window.
        QTextBrowser* window = help.HelpWindow();
        QTest::keyClick(NameBox(f.form->PickMechsDialog(), 1), Qt::Key_F1);
        QCOMPARE(help.HelpWindow(), window);
    }

    void missingHelpFileSaysSo() {
        Fixture f;
        HelpService help(f.messages);
        help.SetSearchFolders({QDir::tempPath() + "/caldrix-no-such-folder"});
        help.SetHelpFile("caldrix.hlp");
        QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_F1);
        QVERIFY(!help.HelpWindow());
        QCOMPARE(f.messages.Texts(), QStringList{"The help file caldrix.hlp could not be found"});
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"

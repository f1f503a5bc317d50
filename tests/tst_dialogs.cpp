#include "MainFormFixture.h"
#include "platform/HelpService.h"

#include <QApplication>
#include <QDir>
#include <QTextBrowser>

using namespace caldrix;
using namespace caldrix::test;

namespace {

QLineEdit* NameBox(QWidget* pick, int i) {
    return pick->findChild<QLineEdit*>(QString("Mech1(%1)").arg(i));
}
QScrollBar* Count(QWidget* pick) {
    return pick->findChild<QScrollBar*>("NumMechsScroll");
}
void Press(QWidget* dialog, const char* button) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}
QStringList Names(const Fixture& f) {
    QStringList names;
    for (int i = 0; i < f.Roster()->count(); ++i)
        names << f.Roster()->item(i)->text();
    return names;
}
MechRecord Marked(int n) {
    MechRecord r = MechRecord::Defaults();
    r.HeatSinks = std::to_string(n);
    r.Heat = 9;
    return r;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void newGame_data() {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("untouched") << QList<int>{} << QStringList{"Mech # 1"};
        QTest::newRow("three") << QList<int>{3} << QStringList{"Mech # 1", "Mech # 2", "Mech # 3"};
        QTest::newRow("4, 2, back to 4")
            << QList<int>{4, 2, 4} << QStringList{"Mech # 1", "Mech # 2", "Mech # 3", "Mech # 4"};
        QTest::newRow("4 then 2") << QList<int>{4, 2} << QStringList{"Mech # 1", "Mech # 2"};
    }
    void newGame() {
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, names);
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        for (int count : counts) {
            Count(pick)->setValue(count);
            for (int i = 1; i <= 10; ++i) {
                QCOMPARE(NameBox(pick, i)->isEnabled(), i <= count);
                QCOMPARE(pick->findChild<QLabel*>(QString("Label2(%1)").arg(i))->isEnabled(),
                         i <= count);
            }
        }
        Press(pick, "Continue");
        QVERIFY(!pick->isVisible() && f.form->isVisible());
        QCOMPARE(Names(f), names);
        QCOMPARE(f.Selected(), -1);
    }

    void secondNewGameOffersPreviousNames() {
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        Count(pick)->setValue(3);
        NameBox(pick, 2)->clear();
        NameBox(pick, 3)->setText("<b>x</b> & %1 &&");
        f.form->StartNewGame_Click(); // while the start-up dialog is still open
        QVERIFY(!f.form->isVisible());
        Press(pick, "Continue");
        f.Store().SetRecord(0, Marked(0));
        f.Store().SetRecord(2, Marked(2));
        f.Select(1);

        f.form->StartNewGame_Click();
        QCOMPARE(f.form->PickMechsDialog(), pick);
        QVERIFY(pick->isVisible() && !f.form->isVisible());
        QCOMPARE(f.Roster()->count(), 0);
        for (int slot = 1; slot <= 256; ++slot)
            QVERIFY(f.Store().Record(slot) == MechRecord::Defaults());
        QVERIFY(f.Store().Record(0) == Marked(0));
        Press(pick, "Continue");
        QCOMPARE(Names(f), (QStringList{"Mech # 1", "", "<b>x</b> & %1 &&"}));
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
        QTRY_VERIFY(pick.isNull());
        QVERIFY(f.form->isVisible());
        f.form->StartNewGame_Click();
        QCOMPARE(Count(f.form->PickMechsDialog())->value(), 1); // created afresh
    }

    void newMech() {
        Fixture f;
        f.Roster({"A"});
        f.Select(0);
        f.form->mnuNewMech_Click();
        QPointer<NewMech> dialog = f.form->NewMechDialog();
        QLineEdit* name = dialog->findChild<QLineEdit*>("NewMechName");
        QCOMPARE(name->text(), QString("New Mech"));
        name->setText(" Mad & Cat ");
        Press(dialog, "Ok");
        f.form->mnuNewMech_Click();
        QCOMPARE(name->text(), QString(" Mad & Cat ")); // kept while hidden
        name->clear();
        Press(dialog, "Ok");
        QCOMPARE(Names(f), (QStringList{"A", " Mad & Cat ", ""}));
        QCOMPARE(f.Selected(), 0);
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
        f.form->mnuNewMech_Click();
        QCOMPARE(f.form->NewMechDialog()->findChild<QLineEdit*>("NewMechName")->text(),
                 QString("New Mech"));
    }

    void rosterHoldsAtMost256() {
        Fixture f;
        f.Roster(QStringList(254, "M"));
        Count(f.form->PickMechsDialog())->setValue(5);
        Press(f.form->PickMechsDialog(), "Continue");
        f.form->mnuNewMech_Click();
        Press(f.form->NewMechDialog(), "Ok");
        QCOMPARE(f.Roster()->count(), 256);
        QCOMPARE(f.Roster()->item(255)->text(), QString("Mech # 2"));
        QCOMPARE(f.messages.Texts(),
                 QStringList(2, "The roster is full: a game holds at most 256 'Mechs"));
    }

    void deleteAfterYes_data() {
        QTest::addColumn<int>("roster");
        QTest::addColumn<int>("removed");
        QTest::newRow("first of three") << 3 << 0;
        QTest::newRow("the only one") << 1 << 0;
        QTest::newRow("position 255") << 256 << 255;
    }
    void deleteAfterYes() {
        QFETCH(int, roster);
        QFETCH(int, removed);
        Fixture f;
        QStringList names;
        for (int i = 0; i < roster; ++i) {
            names << QString::number(i);
            f.Store().SetRecord(i + 1, Marked(i));
        }
        f.Roster(names);
        f.Select(removed);
        f.messages.answers = {true};
        f.form->mnuDeleteMech_Click();
        QCOMPARE(f.messages.shown.size(), std::size_t{1});
        QCOMPARE(f.messages.shown[0].Text + "/" + f.messages.shown[0].Title,
                 QString("Delete currently selected 'Mech/Delete 'Mech"));
        names.removeAt(removed);
        QCOMPARE(Names(f), names);
        QCOMPARE(f.Selected(), -1);
        QVERIFY(!f.Find<QAction>("mnuDeleteMech")->isEnabled());
        for (int p = 0; p < roster - 1; ++p)
            QVERIFY(f.Store().Record(p + 1) == Marked(p < removed ? p : p + 1));
        QVERIFY(f.Store().Record(roster) == MechRecord::Defaults());
        // Nothing was loaded; edits now go to the scratch slot only.
        QCOMPARE(f.Edit("HeatSinks")->text(), QString::number(removed));
        f.Type(f.Edit("HeatSinks"), "44");
        QCOMPARE(f.Store().MechHeatSinks(0), std::string("44"));
        QVERIFY(roster == 1 || f.Store().Record(1) == Marked(removed == 0 ? 1 : 0));
    }

    void deleteAnsweredNoOrWithNothingSelected() {
        Fixture f;
        QAction* del = f.Find<QAction>("mnuDeleteMech");
        f.Roster({"A", "B"});
        QVERIFY(!del->isEnabled());
        f.Select(0);
        QVERIFY(del->isEnabled());
        f.messages.answers = {false};
        del->trigger();
        del->trigger(); // the script has run out: the default button, No
        QCOMPARE(f.messages.shown.size(), std::size_t{2});
        QCOMPARE(Names(f), (QStringList{"A", "B"}));
        f.Select(-1);
        QVERIFY(!del->isEnabled());
        f.form->mnuDeleteMech_Click();
        QCOMPARE(f.messages.shown.size(), std::size_t{2});
    }

    void aboutBox() {
        Fixture f;
        f.form->About_Click();
        AboutForm* about = f.form->AboutDialog();
        f.form->About_Click();
        Press(about, "Ok");
        QVERIFY(!about->isVisible());
        f.form->About_Click();
        QCOMPARE(f.form->AboutDialog(), about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->findChild<QLabel*>("Label5")->text(), QString("Version 1.4.3"));
        int aboutBoxes = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            aboutBoxes += qobject_cast<AboutForm*>(w) != nullptr;
        QCOMPARE(aboutBoxes, 1);
    }

    void f1OpensTheHelpFile_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("shipped file") << QString(CALDRIX_RESOURCES_DIR);
        QTest::newRow("missing file") << QDir::tempPath() + "/caldrix-no-such-folder";
    }
    void f1OpensTheHelpFile() {
        QFETCH(QString, folder);
        Fixture f;
        HelpService help(f.messages);
        help.SetSearchFolders({folder});
        help.SetHelpFile("caldrix.hlp");
        QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_F1);
        QTest::keyClick(NameBox(f.form->PickMechsDialog(), 1), Qt::Key_F1); // any window
        const bool found = folder == CALDRIX_RESOURCES_DIR;
        QCOMPARE(help.HelpWindow() != nullptr, found);
        if (found)
            QVERIFY(help.HelpWindow()->toPlainText().contains("Next Turn"));
        QCOMPARE(f.messages.Texts(),
                 found ? QStringList()
                       : QStringList(2, "The help file caldrix.hlp could not be found"));
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"

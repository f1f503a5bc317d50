// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainFormFixture.h"
#include "platform/HelpService.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
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
void Ready(MechRecordStore& store, int slot) {
    store.MechMovementType(slot) = "Stationary";
    store.MechEngineHits(slot) = "None";
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
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(pick.isNull());
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
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
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
        QCOMPARE(about->findChild<QLabel*>("Label5")->text(), QString("Version " CALDRIX_VERSION));
        int aboutBoxes = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            aboutBoxes += qobject_cast<AboutForm*>(w) != nullptr;
        QCOMPARE(aboutBoxes, 1);
    }

    // A dialog closed and reopened in one batch of input comes back alive,
    // and stays alive once the closed one's deferred deletion has run.
    void closedAndReopenedAtOnce() {
        Fixture f;
        f.form->mnuNewMech_Click();
        f.form->About_Click();
        f.form->StartNewGame_Click();
        QList<QPointer<QWidget>> first{f.form->PickMechsDialog(), f.form->NewMechDialog(),
                                       f.form->AboutDialog()};
        for (QWidget* dialog : first)
            dialog->close();
        QVERIFY(f.form->isVisible()); // closing the new-game dialog brings the main window back
        f.form->StartNewGame_Click();
        f.form->mnuNewMech_Click();
        f.form->About_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QList<QWidget*> again{f.form->PickMechsDialog(), f.form->NewMechDialog(),
                                    f.form->AboutDialog()};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(first[i].isNull());
            QVERIFY(again[i] && again[i]->isVisible());
        }
    }

    // Enter presses the focused button in every window; Enter in a text box
    // presses nothing. Escape does what the close control does.
    void keyboard() {
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        QVERIFY(!(pick->windowFlags() & Qt::WindowMaximizeButtonHint) &&
                (pick->windowFlags() & Qt::WindowMinimizeButtonHint));
        NameBox(pick, 1)->setText(QString(40000, 'x')); // no length limit
        QTest::keyClick(NameBox(pick, 1), Qt::Key_Return);
        QVERIFY(pick->isVisible());
        QTest::keyClick(pick->findChild<QPushButton*>("Continue"), Qt::Key_Enter,
                        Qt::KeypadModifier);
        QCOMPARE(Names(f), QStringList{QString(40000, 'x')});

        f.form->mnuNewMech_Click();
        QLineEdit* name = f.form->NewMechDialog()->findChild<QLineEdit*>("NewMechName");
        QCOMPARE(name->selectedText(), QString("New Mech"));
        QTest::keyClicks(name, "Ares");
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(f.form->NewMechDialog()->findChild<QPushButton*>("Ok"), Qt::Key_Return);
        QCOMPARE(Names(f).last(), QString("Ares"));

        f.Roster()->setCurrentRow(0);
        Ready(f.Store(), 1);
        QTest::keyClick(f.Find<QPushButton>("NextTurn"), Qt::Key_Return);
        QCOMPARE(f.form->Log().NextTurnNumber(), 1); // Ares's prompts stop the turn
        QVERIFY(!f.messages.shown.empty());

        f.form->About_Click();
        QTest::keyClick(f.form->AboutDialog()->findChild<QPushButton*>("Ok"), Qt::Key_Return);
        QVERIFY(!f.form->AboutDialog()->isVisible());

        f.form->About_Click();
        f.form->mnuNewMech_Click();
        f.form->StartNewGame_Click();
        for (QWidget* dialog : QList<QWidget*>{f.form->AboutDialog(), f.form->NewMechDialog(),
                                               f.form->PickMechsDialog()}) {
            QPointer<QWidget> alive = dialog;
            QTest::keyClick(dialog, Qt::Key_Escape);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(alive.isNull());
        }
        QVERIFY(f.form->isVisible());
    }

    // The roster's context menu opens by mouse, by the Menu key and by Shift+F10.
    void rosterMenu() {
        Fixture f;
        f.Roster({"A"});
        QMenu* menu = f.Find<QMenu>("RosterMenu");
        QListWidget* list = f.Roster();
        // What the platform sends on a right click, here below the only item.
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 100),
                                list->viewport()->mapToGlobal(QPoint(5, 100)));
        QCoreApplication::sendEvent(list->viewport(), &click);
        QVERIFY(menu->isVisible());
        for (auto [key, modifiers] :
             {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
            menu->hide();
            QTest::keyClick(list, key, modifiers);
            QVERIFY(menu->isVisible());
        }
        menu->hide();
        QTest::keyClick(list, Qt::Key_F10);
        QVERIFY(!menu->isVisible());
    }

    // Unit files: each adds a 'Mech with its heat sinks, a bad one is named
    // with its reason, and the roster limit holds.
    void unitFiles() {
        Fixture f;
        QTemporaryDir dir;
        auto write = [&dir](const QString& name, const QByteArray& text) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(text);
            return file.fileName();
        };
        const QString good =
            write("Atlas.mtf", "chassis:Atlas\nmodel:AS7-D\nheat sinks:20 Double\n");
        const QString bad = write("<i>Bad & %1.mtf", "chassis:Atlas\n");
        f.Roster(QStringList(253, "M"));
        f.form->AddUnitFiles({good, bad, dir.filePath("missing.mtf"), good, good, good});
        QCOMPARE(f.Roster()->count(), 256);
        QCOMPARE(f.Roster()->item(253)->text(), QString("Atlas AS7-D"));
        QCOMPARE(f.Store().MechHeatSinks(254) + std::to_string(f.Store().MechDHS(254)),
                 std::string("201"));
        QCOMPARE(f.messages.Texts(),
                 (QStringList{"<i>Bad & %1.mtf was not added: it has no heat sinks line",
                              "missing.mtf was not added: it cannot be read",
                              "The roster is full: a game holds at most 256 'Mechs"}));
        QCOMPARE(f.Selected(), -1);

        // Dropped on the roster.
        f.form->StartNewGame_Click();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(good), QUrl::fromLocalFile(dir.filePath("notes.txt"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.Roster()->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.Roster()->viewport(), &drop);
        QCOMPARE(Names(f), QStringList{"Atlas AS7-D"});
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
        QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(!help.HelpWindow() && f.messages.shown.empty()); // only F1 alone
        QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_F1);
        QTest::keyClick(NameBox(f.form->PickMechsDialog(), 1), Qt::Key_F1); // any window
        const bool found = folder == CALDRIX_RESOURCES_DIR;
        QCOMPARE(help.HelpWindow() != nullptr, found);
        if (found) {
            QVERIFY(help.HelpWindow()->toPlainText().contains("Next Turn"));
            QVERIFY(!help.HelpWindow()->windowIcon().isNull());
            // Escape closes it, Ctrl+W too, and F1 at once gives a live window.
            for (QKeySequence keys : {QKeySequence(Qt::Key_Escape), QKeySequence("Ctrl+W")}) {
                QPointer<QTextBrowser> shown = help.HelpWindow();
                QTest::keySequence(shown, keys);
                QVERIFY(!help.HelpWindow());
                QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_F1);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QVERIFY(shown.isNull() && help.HelpWindow()->isVisible());
            }
        }
        QCOMPARE(f.messages.Texts(),
                 found ? QStringList()
                       : QStringList(2, "The help file caldrix.hlp could not be found"));
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"

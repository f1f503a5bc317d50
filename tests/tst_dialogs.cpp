// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialogs, the keyboard, the roster's context menu, unit files and help.

#include "MainFormFixture.h"
#include "platform/HelpService.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolTip>

using namespace caldrix;
using namespace caldrix::test;

namespace {

QLineEdit* NameBox(QWidget* pick, int i) {
    return pick->findChild<QLineEdit*>(QString("Mech1(%1)").arg(i));
}
QScrollBar* Count(QWidget* pick) {
    return pick->findChild<QScrollBar*>("NumMechsScroll");
}
QPushButton* Button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(name);
}
QStringList Names(const Fixture& f) {
    QStringList names;
    for (int i = 0; i < f.Roster()->count(); ++i)
        names << f.Roster()->item(i)->text();
    return names;
}
void DeleteLater() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void newGame_data() {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<int>("mechs");
        QTest::newRow("untouched") << QList<int>{1} << 1;
        QTest::newRow("4, 2, back to 4") << QList<int>{4, 2, 4} << 4;
    }
    void newGame() {
        QFETCH(QList<int>, counts);
        QFETCH(int, mechs);
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        for (int count : counts) {
            Count(pick)->setValue(count);
            for (int i = 1; i <= 10; ++i)
                QCOMPARE(NameBox(pick, i)->isEnabled() +
                             pick->findChild<QLabel*>(QString("Label2(%1)").arg(i))->isEnabled(),
                         2 * (i <= count));
        }
        // The focus moves over the count, the rows from the top, then "Ok!".
        QStringList chain;
        for (QWidget* w = Count(pick); chain.size() < mechs + 2; w = w->nextInFocusChain())
            if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                chain << w->objectName();
        QCOMPARE(chain.join(' '),
                 mechs == 4 ? "NumMechsScroll Mech1(1) Mech1(2) Mech1(3) Mech1(4) Continue"
                            : "NumMechsScroll Mech1(1) Continue");
        NameBox(pick, 2)->setText("<b>x</b> & %1 &&");
        QTest::mouseClick(Button(pick, "Continue"), Qt::LeftButton);
        QVERIFY(!pick->isVisible() && f.form->isVisible() && f.Selected() == -1);
        QStringList names{"Mech # 1", "<b>x</b> & %1 &&", "Mech # 3", "Mech # 4"};
        QCOMPARE(Names(f), names.mid(0, mechs));
        // The next new game offers the same count and names.
        f.form->StartNewGame_Click();
        QVERIFY(pick->isVisible() && !f.form->isVisible() && f.Roster()->count() == 0);
        Button(pick, "Continue")->click();
        QCOMPARE(Names(f), names.mid(0, mechs));
    }

    // A dialog closed and reopened in one batch of input comes back alive and
    // afresh; closing the new-game dialog brings the hidden main window back.
    void closedAndReopenedAtOnce() {
        Fixture f;
        f.form->mnuNewMech_Click();
        f.form->About_Click();
        Count(f.form->PickMechsDialog())->setValue(5);
        f.form->StartNewGame_Click();
        QList<QPointer<QWidget>> first{f.form->PickMechsDialog(), f.form->NewMechDialog(),
                                       f.form->AboutDialog()};
        for (QWidget* dialog : first)
            dialog->close();
        QVERIFY(f.form->isVisible());
        f.form->StartNewGame_Click();
        f.form->mnuNewMech_Click();
        f.form->About_Click();
        DeleteLater();
        const QList<QWidget*> again{f.form->PickMechsDialog(), f.form->NewMechDialog(),
                                    f.form->AboutDialog()};
        for (int i = 0; i < 3; ++i)
            QVERIFY(first[i].isNull() && again[i] && again[i]->isVisible());
        QCOMPARE(Count(again[0])->value(), 1); // created afresh
    }

    void newMechAndAbout() {
        Fixture f;
        f.form->mnuNewMech_Click();
        QLineEdit* name = f.form->NewMechDialog()->findChild<QLineEdit*>("NewMechName");
        name->setText(" Mad & Cat ");
        Button(f.form->NewMechDialog(), "Ok")->click();
        f.form->mnuNewMech_Click();
        QCOMPARE(name->text(), QString(" Mad & Cat ")); // kept while hidden
        name->clear();
        Button(f.form->NewMechDialog(), "Ok")->click();
        QCOMPARE(Names(f), (QStringList{" Mad & Cat ", ""}));

        f.form->About_Click();
        AboutForm* about = f.form->AboutDialog();
        f.form->About_Click();
        QVERIFY(f.form->AboutDialog() == about && about->isVisible());
        QCOMPARE(about->findChild<QLabel*>("Label5")->text(), "Version " CALDRIX_VERSION);
    }

    // Removing after Yes shifts the records; No, the default, and no
    // selection leave everything as it was.
    void deleteMech() {
        Fixture f;
        QAction* del = f.Find<QAction>("mnuDeleteMech");
        f.Roster({"A", "B", "C"}, {"sinks=A's"});
        QVERIFY(!del->isEnabled());
        f.Select(0);
        f.messages.answers = {true};
        del->trigger();
        QCOMPARE(f.messages.shown.back(), QString("Delete 'Mech? Delete currently selected 'Mech"));
        QCOMPARE(Names(f), (QStringList{"B", "C"}));
        QVERIFY(f.Selected() == -1 && !del->isEnabled());
        QCOMPARE(f.Edit("HeatSinks")->text(), QString("A's")); // not reloaded
        f.form->mnuDeleteMech_Click();                         // nothing selected: nothing asked
        QCOMPARE(f.messages.shown.size(), 1);
    }

    // Enter presses the focused button in every window, and "Ok!" from a name
    // box; in the main window's boxes it presses nothing. Escape does what the
    // close control does.
    void keyboard() {
        Fixture f;
        PickMechs* pick = f.form->PickMechsDialog();
        QVERIFY(!(pick->windowFlags() & Qt::WindowMaximizeButtonHint) &&
                (pick->windowFlags() & Qt::WindowMinimizeButtonHint));
        NameBox(pick, 1)->setText(QString(40000, 'x'));       // no length limit
        QTest::keyClick(Button(pick, "Continue"), Qt::Key_A); // other keys press nothing
        QVERIFY(pick->isVisible());
        QTest::keyClick(NameBox(pick, 1), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Names(f), QStringList{QString(40000, 'x')});

        f.form->mnuNewMech_Click();
        QLineEdit* name = f.form->NewMechDialog()->findChild<QLineEdit*>("NewMechName");
        QTest::keyClicks(name, "Ares"); // its name was selected: typing replaces it
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(Names(f).last(), QString("Ares"));

        QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_Return);
        QVERIFY(f.messages.shown.isEmpty());
        QTest::keyClick(f.Find<QPushButton>("NextTurn"), Qt::Key_Return);
        QCOMPARE(f.messages.shown.size(), 6); // two fresh 'Mechs' prompts
        f.form->About_Click();
        QTest::keyClick(Button(f.form->AboutDialog(), "Ok"), Qt::Key_Return);
        QVERIFY(!f.form->AboutDialog()->isVisible());

        f.form->About_Click();
        f.form->mnuNewMech_Click();
        f.form->StartNewGame_Click();
        for (QWidget* dialog : QList<QWidget*>{f.form->AboutDialog(), f.form->NewMechDialog(),
                                               f.form->PickMechsDialog()}) {
            QPointer<QWidget> alive = dialog;
            QTest::keyClick(dialog, Qt::Key_Escape);
            DeleteLater();
            QVERIFY(alive.isNull());
        }
    }

    // The roster's context menu opens by mouse, by the Menu key and by Shift+F10.
    void rosterMenu() {
        Fixture f;
        f.Roster({"A"}, {"carried=5 move=Movement_Type"});
        QMenu* menu = f.Find<QMenu>("RosterMenu");
        QListWidget* list = f.Roster();
        // What the platform sends on a right click, here below the only item.
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 100),
                                list->viewport()->mapToGlobal(QPoint(5, 100)));
        QCoreApplication::sendEvent(list->viewport(), &click);
        QStringList opened{QString::number(menu->isVisible())};
        for (auto [key, modifiers] :
             {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier},
              std::pair{Qt::Key_F10, Qt::NoModifier}}) {
            menu->hide();
            QTest::keyClick(list, key, modifiers);
            opened << QString::number(menu->isVisible());
        }
        QCOMPARE(opened, (QStringList{"1", "1", "1", "0"}));
        // Hovering a 'Mech shows its forecast; the empty space none of its own.
        for (QPoint at : {list->visualItemRect(list->item(0)).center(), QPoint(5, 100)}) {
            QHelpEvent hover(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(list->viewport(), &hover);
            opened << QToolTip::text();
        }
        QCOMPARE(opened.mid(4), QStringList(2, "heat 5: Enter movement type"));
        // Every entry has an access key of its own.
        QStringList keys;
        for (QAction* entry : menu->actions())
            if (!entry->isSeparator())
                keys << entry->text().section('&', 1).left(1).toLower();
        QVERIFY(keys.size() >= 5 && !keys.contains(QString()));
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }

    // Unit files: each adds a 'Mech with its heat sinks, a bad one is named
    // with its reason, the roster limit holds, and files may be dropped.
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
        QCOMPARE(Names(f).mid(253), QStringList(3, "Atlas AS7-D"));
        const MechRecord& atlas = f.Play().Record(254);
        QCOMPARE(atlas.MechHeatSinks + std::to_string(atlas.MechDHS) + atlas.MechEngineHits,
                 std::string("201None"));
        QCOMPARE(f.messages.shown,
                 (QStringList{"<i>Bad & %1.mtf was not added: it has no heat sinks line",
                              "missing.mtf was not added: it cannot be read",
                              "The roster is full: a game holds at most 256 'Mechs"}));

        f.form->StartNewGame_Click();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(good), QUrl::fromLocalFile(dir.filePath("notes.txt"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.Roster()->viewport(), &enter);
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
        QTemporaryDir decoy; // a folder named like the file is not the file
        QDir(decoy.path()).mkdir("caldrix.hlp");
        help.SetSearchFolders({decoy.path(), folder});
        help.SetHelpFile("caldrix.hlp");
        help.SetOwner(f.form.get());
        QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(!help.HelpWindow() && f.messages.shown.isEmpty()); // only F1 alone
        QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_F1);
        QTest::keyClick(NameBox(f.form->PickMechsDialog(), 1), Qt::Key_F1); // any window
        const bool found = folder == CALDRIX_RESOURCES_DIR;
        QCOMPARE(f.messages.shown,
                 found ? QStringList()
                       : QStringList(2, "The help file caldrix.hlp could not be found"));
        QCOMPARE(help.HelpWindow() != nullptr, found);
        if (!found)
            return;
        QVERIFY(help.HelpWindow()->toPlainText().contains("Resume Last Game") &&
                !help.HelpWindow()->windowIcon().isNull());
        // Centred over the main window; other keys leave it open.
        QVERIFY((help.HelpWindow()->frameGeometry().center() - f.form->frameGeometry().center())
                    .manhattanLength() <= 4);
        QTest::keyClick(help.HelpWindow(), Qt::Key_PageDown);
        // Escape closes it, Ctrl+W too, and F1 at once gives a live window.
        for (QKeySequence keys : {QKeySequence(Qt::Key_Escape), QKeySequence("Ctrl+W")}) {
            QPointer<QTextBrowser> shown = help.HelpWindow();
            QTest::keySequence(shown, keys);
            QVERIFY(!help.HelpWindow());
            QTest::keyClick(f.Edit("HeatSinks"), Qt::Key_F1);
            DeleteLater();
            QVERIFY(shown.isNull() && help.HelpWindow()->isVisible());
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The dialogs, the keyboard, the roster's context menu, unit files, help, and
// saved games in the window: opening, the autosaves, resuming, the hint.

#include "MainFormFixture.h"
#include "platform/GameFile.h"
#include "platform/QtMessageBox.h"
#include "platform/Theme.h"
#include "ui/dialogs/GameRules.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolTip>

using namespace caldrix;
using namespace caldrix::test;

namespace {

template <typename T = QLineEdit> T* in(QWidget* dialog, const QString& name) {
    return dialog->findChild<T*>(name);
}
QStringList rosterNames(const Fixture& f) {
    QStringList names;
    for (int i = 0; i < f.roster()->count(); ++i)
        names << f.roster()->item(i)->text();
    return names;
}
QString hint(const Fixture& f) {
    return f.form->findChild<RosterList*>("MechNames")->shownHint();
}
// A file of these bytes in the folder; its path.
QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : QString();
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    // The count enables its rows; Tab goes over the count, the rows from the
    // top, then "Ok!"; names go to the roster as typed; the next new game
    // offers the same count and names. Closed unanswered, it brings the
    // hidden main window back and comes back afresh.
    void newGame() {
        Fixture f;
        PickMechs* pick = Fixture::window<PickMechs>("PickMechs");
        QStringList chain, enabled;
        const auto rows = [&] {
            enabled << QString();
            for (int i = 1; i <= 10; ++i)
                enabled.last() +=
                    QString::number(in(pick, QString("Mech1(%1)").arg(i))->isEnabled() +
                                    in<QLabel>(pick, QString("Label2(%1)").arg(i))->isEnabled());
        };
        rows();                            // as it opens
        for (int count : {11, 0, 4, 2, 4}) // the count runs from 1 to 10
            in<QScrollBar>(pick, "NumMechsScroll")->setValue(count), rows();
        for (QWidget* w = pick->focusWidget(); chain.size() < 6; w = w->nextInFocusChain())
            if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                chain << w->objectName();
        QCOMPARE(chain.join(' '), "NumMechsScroll Mech1(1) Mech1(2) Mech1(3) Mech1(4) Continue");
        QCOMPARE(enabled, (QStringList{"2000000000", "2222222222", "2000000000", "2222000000",
                                       "2200000000", "2222000000"}));
        in(pick, "Mech1(2)")->setText("<b>x</b> & %1 &&");
        in<QPushButton>(pick, "Continue")->click();
        const QStringList names{"Mech # 1", "<b>x</b> & %1 &&", "Mech # 3", "Mech # 4"};
        QCOMPARE(rosterNames(f), names);
        QCOMPARE(f.selected(), -1);
        f.trigger("StartNewGame");
        QVERIFY2(!f.form->isVisible(), "the main window shown behind a new game");
        QCOMPARE(f.roster()->count(), 0);
        in<QPushButton>(pick, "Continue")->click();
        QCOMPARE(rosterNames(f), names);
        f.trigger("StartNewGame");
        pick->close();
        QVERIFY2(f.form->isVisible(), "no window left after the new-game dialog closed");
        f.trigger("StartNewGame");
        QCOMPARE(in<QScrollBar>(Fixture::window<PickMechs>("PickMechs"), "NumMechsScroll")->value(),
                 1); // afresh
    }

    // Escape closes a dialog, which comes back afresh; "Ok!" hides one that
    // keeps its contents; Enter in a name box presses it, in the main
    // window's boxes it presses nothing.
    void newMechAndAbout() {
        Fixture f;
        f.trigger("mnuNewMech");
        QTest::keyClicks(in(Fixture::window<NewMech>("NewMech"), "NewMechName"), "Atlas");
        QTest::keyClick(Fixture::window<NewMech>("NewMech"), Qt::Key_Escape);
        f.trigger("mnuNewMech");
        QLineEdit* name = in(Fixture::window<NewMech>("NewMech"), "NewMechName");
        QCOMPARE(name->text(), QString("New Mech"));
        QTest::keyClicks(name, " Mad & Cat "); // its name was selected: typing replaces it
        QTest::keyClick(name, Qt::Key_Enter, Qt::KeypadModifier);
        f.trigger("mnuNewMech");
        QCOMPARE(name->text(), QString(" Mad & Cat ")); // kept while hidden
        name->clear();
        QTest::keyClick(name, Qt::Key_Return);
        QTest::keyClick(in(Fixture::window<PickMechs>("PickMechs"), "Mech1(1)"), Qt::Key_Return);
        QCOMPARE(rosterNames(f), (QStringList{" Mad & Cat ", "", "Mech # 1"}));
        f.select(0);
        QTest::keyClick(f.edit("HeatSinks"), Qt::Key_Return);
        QCOMPARE(f.messages.shown, QStringList());
        QTest::keyClick(f.find<QPushButton>("NextTurn"), Qt::Key_Return);
        QCOMPARE(f.messages.shown.size(), 9); // three fresh 'Mechs' prompts
        f.trigger("About");
        AboutForm* about = Fixture::window<AboutForm>("AboutForm");
        QTest::keyClick(in<QPushButton>(about, "Ok"), Qt::Key_Return);
        QVERIFY2(!about->isVisible(), "Enter on Ok left the About box up");
    }

    // Removing after Yes leaves no selection and the panel as it was; with
    // nothing selected the entry is off and asks nothing.
    void deleteMech() {
        Fixture f;
        QAction* del = f.find<QAction>("mnuDeleteMech");
        f.roster({"A", "B", "C"}, {"sinks=A's"});
        QVERIFY2(!del->isEnabled(), "Delete 'Mech open with nothing selected");
        f.select(0);
        f.messages.answers = {true};
        del->trigger();
        QCOMPARE(rosterNames(f), (QStringList{"B", "C"}));
        QCOMPARE(f.selected(), -1);
        QVERIFY2(!del->isEnabled(), "Delete 'Mech open after the 'Mech went");
        QCOMPARE(f.edit("HeatSinks")->text(), QString("A's")); // not reloaded
    }

    // The roster's context menu opens by mouse, the Menu key and Shift+F10,
    // its entries each with an access key of their own; hovering a 'Mech
    // shows its forecast.
    void rosterMenu() {
        Fixture f;
        f.roster({"A"}, {"carried=5 move=Movement_Type"});
        QMenu* menu = f.find<QMenu>("RosterMenu");
        QListWidget* list = f.roster();
        QContextMenuEvent click(QContextMenuEvent::Mouse, {5, 100},
                                list->mapToGlobal(QPoint(5, 100)));
        QCoreApplication::sendEvent(list->viewport(), &click);
        QString opened = QString::number(menu->isVisible());
        for (auto [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier},
                                      {Qt::Key_F10, Qt::ShiftModifier},
                                      {Qt::Key_F10, {}}})
            menu->hide(), QTest::keyClick(list, key, modifiers),
                opened += QChar('0' + menu->isVisible());
        QCOMPARE(opened, QString("1110"));
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QHelpEvent hover(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(list->viewport(), &hover);
        QCOMPARE(QToolTip::text(), QString("heat 5: Enter movement type"));
        QStringList keys;
        for (QAction* entry : menu->actions())
            if (!entry->isSeparator())
                keys << entry->text().section('&', 1).left(1).toLower();
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }

    // Unit files: each adds a 'Mech, a bad one is named with its reason, the
    // roster limit holds, and files may be dropped.
    void unitFiles() {
        Fixture f;
        QTemporaryDir dir;
        const QString good =
            write(dir, "Atlas.mtf", "chassis:Atlas\nmodel:AS7-D\nheat sinks:20 Double");
        const QString big = write(dir, "big.mtf", "chassis:A\n" + QByteArray(1 << 20, ' '));
        f.roster(QStringList(253, "M"));
        emit f.find<RosterList>("MechNames")
            ->unitFilesDropped({good, write(dir, "<i>Bad & %1.mtf", {}), big,
                                dir.filePath("missing.mtf"), good, good, good});
        QCOMPARE(rosterNames(f).mid(253), QStringList(3, "Atlas AS7-D"));
        const MechRecord& unit = f.play().mechRecord(255); // its heat sinks, no engine hits
        QVERIFY2(unit.heatSinks == "20" && unit.doubleHeatSinks, "the unit's heat sinks");
        QCOMPARE(unit.engineHits, std::string("None"));
        QCOMPARE(f.messages.shown,
                 (QStringList{"<i>Bad & %1.mtf was not added: it has no 'Mech name",
                              "big.mtf was not added: it is larger than 1 MB",
                              "missing.mtf was not added: it cannot be read",
                              "The roster is full: a game holds at most 256 'Mechs"}));
        f.trigger("StartNewGame");
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(good), QUrl::fromLocalFile(dir.filePath("notes.txt"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.roster()->viewport(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.roster()->viewport(), &drop);
        QVERIFY2(f.roster()->viewport()->acceptDrops(), "the roster takes no drops");
        QCOMPARE(rosterNames(f) + f.messages.shown.mid(4), QStringList{"Atlas AS7-D"});
    }

    // F1 in any window opens the help file found (not a folder named like
    // it), centred over the main window; Escape or Ctrl+W closes it, and F1
    // shows it again. A file not found is said so.
    void f1OpensTheHelpFile() {
        Fixture f;
        HelpService help(f.messages);
        QTemporaryDir decoy; // a folder named like the file is not the file
        QDir(decoy.path()).mkdir("caldrix.hlp");
        help.setSearchFolders({decoy.path()});
        help.setHelpFile("caldrix.hlp");
        help.setOwner(f.form.get());
        QTest::keyClick(f.edit("HeatSinks"), Qt::Key_F1);
        QCOMPARE(f.messages.shown, QStringList{"The help file caldrix.hlp could not be found"});
        help.setSearchFolders({decoy.path(), CALDRIX_RESOURCES_DIR});
        QTest::keyClick(in(Fixture::window<PickMechs>("PickMechs"), "Mech1(1)"), Qt::Key_F1);
        QTextBrowser* shown = help.helpWindow();
        QVERIFY2(shown->toPlainText().contains("Resume Last Game"), "not the help file");
        QCOMPARE(shown->frameGeometry().center(), f.form->frameGeometry().center());
        QApplication::setActiveWindow(shown), QTest::keySequence(shown, QKeySequence("Ctrl+W"));
        QTest::keyClick(f.edit("HeatSinks"), Qt::Key_F1);
        QVERIFY2(shown->isVisible(), "F1 after Ctrl+W closed it");
    }

    // Windows open beside the main window where the screen (800 x 800, frames
    // of 2 px) has room, clear of the menu bar and other windows: the side
    // asked first, the other, below, above; else at the screen's right or
    // left edge below the menu bar; a window larger than the screen shrinks.
    // With the main window hidden a window is only kept on the screen.
    void placement_data() {
        QTest::addColumn<QRect>("main"); // empty: hidden
        QTest::addColumn<QRect>("window");
        QTest::addColumn<bool>("leftFirst");
        QTest::addColumn<QList<QRect>>("clear");
        QTest::addColumn<QRect>("frame"); // where the window's frame lies
        const auto row = [](const char* name, QRect main, QRect window, bool left,
                            QList<QRect> clear, QRect frame) {
            QTest::newRow(name) << main << window << left << clear << frame;
        };
        const QRect small(0, 0, 200, 100), corner(700, 750, 200, 100), menu(0, 0, 800, 30);
        row("right", {100, 100, 300, 200}, small, false, {}, {402, 98, 204, 104});
        row("left first", {300, 100, 300, 200}, small, true, {}, {94, 98, 204, 104});
        row("right taken, no room left", {100, 100, 300, 200}, small, false,
            {menu, {402, 98, 9, 9}}, {98, 302, 204, 104});
        row("below", {100, 50, 600, 200}, small, false, {}, {98, 252, 204, 104});
        row("right, raised", {100, 650, 300, 148}, {0, 0, 200, 200}, true, {},
            {402, 596, 204, 204});
        row("no room beside", {2, 2, 796, 796}, corner, false, {menu}, {596, 30, 204, 104});
        row("no room, right edge taken", {2, 2, 796, 796}, {0, 0, 200, 900}, false,
            {menu, {700, 700, 9, 9}}, {0, 30, 204, 770});
        row("larger than the screen", {}, {-50, 9, 900, 900}, false, {}, {0, 0, 800, 800});
        row("off the right edge", {}, {700, 9, 200, 100}, false, {}, {596, 7, 204, 104});
    }
    void placement() {
        QFETCH(QRect, main);
        QFETCH(QRect, window);
        QFETCH(bool, leftFirst);
        QFETCH(QList<QRect>, clear);
        QWidget over, placed;
        over.setGeometry(main.isEmpty() ? QRect(9, 9, 9, 9) : main);
        over.show();
        over.setVisible(!main.isEmpty()); // hidden, as during a new game
        placed.setGeometry(window);
        platform::placeBeside(&placed, &over, leftFirst, clear);
        placed.show();
        QTEST(placed.frameGeometry(), "frame");
    }

    // A game given at start replaces the new-game dialog and shows its
    // selected 'Mech; a file that cannot be opened says why and changes nothing.
    void openAtStart() {
        Fixture f(CALDRIX_RESOURCES_DIR "/../tests/data/sample.caldrix");
        QVERIFY2(!Fixture::window<PickMechs>("PickMechs"), "a new game offered");
        QCOMPARE(f.roster()->count(), 4);
        QCOMPARE(f.selected(), 1);
        QVERIFY2(f.saver()->currentFile().startsWith(f.saves.path()), "autosaved into the file");
        QCOMPARE(f.paintErrors(f.play().mechRecord(1).heat), QString());
        const GameState before = f.play().state();
        QTemporaryDir dir;
        const QString bad = write(dir, "<b>bad&amp; %1.caldrix", "{\"format\": 1}");
        QVERIFY2(!f.saved()->open(bad) && f.play().state() == before, "a bad file opened");
        QCOMPARE(
            f.messages.shown,
            QStringList{"<b>bad&amp; %1.caldrix could not be opened: it is not a Caldrix game"});
        QCOMPARE(f.form->windowTitle(), QString("sample \u2014 Caldrix"));
        QVERIFY2(QDir(f.saves.path()).isEmpty(), "an unchanged game took an autosave place");
        f.saved()->saveAs(dir.filePath("copy")); // named as a game
        QVERIFY(readGameFile(dir.filePath("copy.caldrix")).state == before);
        QCOMPARE(f.form->windowTitle(), QString("copy \u2014 Caldrix"));
        f.type(f.edit("HeatSinks"), "9");
        f.trigger("mnuSaveGame"); // into its own file, asking nothing
        QVERIFY(readGameFile(dir.filePath("copy.caldrix")).state == f.play().state());
        f.trigger("StartNewGame");
        QCOMPARE(f.form->windowTitle(), QString("Caldrix")); // the file forgotten
        f.saved()->saveAs(dir.filePath("none/x.caldrix"));
        QVERIFY(f.messages.shown.last().startsWith("x.caldrix could not be saved: "));
        Fixture g(bad); // the usual start
        QVERIFY(Fixture::window<PickMechs>("PickMechs")->isVisible());
    }

    // Every game is kept, the last edits too when the window closes or a new
    // game starts, which gets a file of its own; the last five are kept.
    // Resume opens the newest but the game in progress, the empty roster
    // telling which, and goes on saving into it.
    void autosavesAndResume() {
        Fixture f;
        // The player's own games, named like autosaves, beside them.
        const QStringList players{write(f.saves, "game-zz2.caldrix", "{}"),
                                  write(f.saves, "game-10.caldrix", "{}")};
        auto* resume = f.find<QAction>("mnuResumeGame");
        QVERIFY2(!resume->isEnabled(), "Resume with no game to resume");
        QCOMPARE(hint(f), QString("Right-click here for saved games and the turn tools"));
        f.roster({"A"}, {"move=Running"});
        f.saver()->flush(); // the writing thread is done
        const QString first = f.saver()->currentFile();
        QVERIFY2(QFile::exists(first), "a game not saved");
        QCOMPARE(hint(f), QString());
        f.nextTurn();
        f.type(f.edit("HeatGeneratedByWeapons"), "12"); // not yet settled
        const GameState played = f.play().state();
        f.trigger("StartNewGame");
        f.saver()->flush();
        QVERIFY(readGameFile(first).state == played);
        QCOMPARE(hint(f), QString("Right-click here to resume your last game (1 'Mech, turn 2)"));
        resume->trigger();
        QVERIFY2(f.play().state() == played, "Resume opened another game");
        QVERIFY2(!Fixture::window<PickMechs>("PickMechs")->isVisible(), "Resume kept the dialog");
        QCOMPARE(f.saver()->currentFile(), first);
        for (int game = 0; game < 6; ++game) {
            f.trigger("StartNewGame");
            Fixture::window<PickMechs>("PickMechs")->continueWithNames();
        }
        f.saver()->flush();
        QCOMPARE(QDir(f.saves.path()).entryList(QDir::Files).size(), 5 + 2);
        QVERIFY2(!QFile::exists(first), "the oldest autosave kept");
        QVERIFY2(QFile::exists(players[0]) && QFile::exists(players[1]), "a player's file deleted");
        f.type(f.edit("HeatSinks"), "7");
        f.form->close();
        QVERIFY2(readGameFile(f.saver()->currentFile()).state == f.play().state(),
                 "the last edit lost on closing");
    }

    // Resume skips a damaged autosave, keeps it renamed beside the others and
    // says so once; Recent Games lists the kept games as the hint tells them.
    void resumeSkipsDamagedGames() {
        Fixture f;
        f.roster({"Atlas", "Hunchback", "Locust"});
        f.trigger("StartNewGame");
        f.saver()->flush();
        const QString damaged =
            write(f.saves, "game-29991231-235959-9999999999999999.caldrix", "{");
        QFile kept(f.saver()->otherGames().last()); // saved a minute short of two days ago
        QVERIFY(kept.open(QIODevice::ReadWrite) &&
                kept.setFileTime(QDateTime::currentDateTime().addSecs(-2879 * 60 - 20),
                                 QFileDevice::FileModificationTime));
        auto* recent = f.find<QMenu>("mnuRecentGames");
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 1);
        QCOMPARE(recent->actions()[0]->text(),
                 QString("3 'Mechs: Atlas, Hunchback, \u2026, turn 1 \u2014 47 hours ago"));
        QVERIFY(kept.setFileTime(QDateTime::currentDateTime().addSecs(-2880 * 60 - 20),
                                 QFileDevice::FileModificationTime)); // two days to the minute
        emit recent->aboutToShow();
        QVERIFY(recent->actions()[0]->text().endsWith(" \u2014 2 days ago"));
        f.trigger("mnuResumeGame");
        QCOMPARE(rosterNames(f), (QStringList{"Atlas", "Hunchback", "Locust"}));
        QVERIFY2(QFile::exists(damaged + ".damaged"), "a damaged autosave not kept");
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.messages.shown[0].contains("game-29991231-235959-9999999999999999.caldrix"));
        write(f.saves, "game-29991231-235959-9999999999999998.caldrix", "["); // none other opens
        f.select(0), f.type(f.edit("HeatSinks"), "5"), f.settle(), f.saver()->flush();
        f.trigger("mnuResumeGame");
        QVERIFY(f.messages.shown.last().startsWith("No saved game opens: game-"));
    }

    // The autosave writes a game only between operations, as the window
    // shows it when the operation has ended, even when the settle timer of
    // an edit fires while a dice question or a message is up.
    void savedBetweenOperations() {
        Fixture f;
        f.roster({"A", "B"}, {"carried=22 sinks=0", "move=Running"});
        f.find<QAction>("mnuTableDice")->setChecked(true);
        const auto file = [&f] {
            f.saver()->flush();
            return readGameFile(f.saver()->currentFile()).state;
        };
        std::optional<GameState> during;                          // the file while a question is up
        f.messages.onShow = [&] { f.settle(), during = file(); }; // a second passes at each box
        // A turn with dice at the table, the weapon heat typed just before.
        f.select(1);
        f.type(f.edit("HeatGeneratedByWeapons"), "9");
        f.messages.totals = {7, 9};
        const std::optional<GameState> before = file();
        f.nextTurn();
        QVERIFY2(during == before, "written in the middle of a turn");
        QVERIFY2(file() == f.play().state(), "the table-dice turn");
        // A failed turn, with the longest entry a box takes: the window
        // ends on the first 'Mech.
        f.edit("HeatGeneratedByWeapons")->setText(QString(1'000'001, '9'));
        f.select(0);
        f.type(f.edit("HeatSinks"), "x");
        f.nextTurn();
        QVERIFY2(file() == f.play().state(), "the failed turn");
        // Closed right after a table-dice turn.
        f.type(f.edit("HeatSinks"), "3");
        f.type(f.edit("HeatGeneratedByWeapons"), "3");
        f.messages.totals = {12, 12};
        f.nextTurn();
        f.form->close(); // waits for the last write
        QVERIFY2(readGameFile(f.saver()->currentFile()).state == f.play().state(),
                 "closed after a turn");
        QCOMPARE(f.play().log().entries().back()->number, 2);
    }

    // Message boxes and the table-roll box open centred on their window.
    void boxesCentredOnTheWindow() {
        QWidget owner;
        owner.setGeometry(300, 200, 400, 300);
        owner.show();
        QtMessageBox box;
        QtTableRoll roll;
        box.setOwner(&owner), roll.setOwner(&owner);
        QList<QPoint> offsets;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                offsets << modal->frameGeometry().center() - owner.frameGeometry().center();
                modal->reject();
            }
        });
        closer.start(0);
        box.inform("Atlas.caldrix could not be opened: it is not JSON");
        roll.askTotal("Atlas is at heat 22.");
        QCOMPARE(offsets.size(), 2);
        for (const QPoint& offset : offsets)
            QVERIFY2(offset.manhattanLength() <= 4, "a box off the centre of its window");
    }

    // The history shows the game in play, also when it was closed while a
    // new game started; the forecast stays on the screen with a 'Mech's name
    // one long word, and reopens where it was left.
    void toolWindowsFollowTheGame() {
        Fixture f;
        f.roster({"Old"});
        f.nextTurn(); // a note of the turn that failed, naming each problem
        QCOMPARE(
            f.play().log().entries().back()->text,
            "Turn 1 not completed: Old: Enter movement type; Old: Enter number of engine hits");
        f.trigger("mnuHistory");
        Fixture::window<TurnHistory>("TurnHistory")->close();
        f.trigger("StartNewGame");
        Fixture::window<PickMechs>("PickMechs")->continueWithNames();
        f.trigger("mnuHistory");
        QCOMPARE(Fixture::window<TurnHistory>("TurnHistory")->text()->toPlainText(),
                 QString("'Mech added: Mech # 1"));
        f.roster({QString(150, 'W')});
        f.trigger("mnuForecast");
        auto* forecast = Fixture::window<HeatForecast>("HeatForecast");
        forecast->table()->selectRow(1);
        QVERIFY2(forecast->breakdown()->text().startsWith("WWW"), "another 'Mech's breakdown");
        QCoreApplication::sendPostedEvents(); // the window grows to its layout
        QVERIFY2(forecast->frameGeometry().width() <= f.form->screen()->availableGeometry().width(),
                 "the forecast wider than the screen");
        // Closed and opened again, it comes back where the player left it.
        forecast->move(forecast->pos() + QPoint(7, 5));
        const QRect left = forecast->geometry();
        forecast->close();
        f.trigger("mnuForecast");
        QCOMPARE(Fixture::window<HeatForecast>("HeatForecast")->geometry(), left);
    }

    // Game Rules: OK plays on with the rules chosen (noted, Undo ended, the
    // scale grown to 50); a shut-down 'Mech's inputs grey and its restart is
    // asked at the table; Cancel changes nothing.
    void gameRules() {
        Fixture f;
        f.roster({"A"}, {"carried=20 sinks=2"});
        f.nextTurn(); // 18, shutdown not avoided: without the rule it lasts one turn
        const auto choose = [&f](bool on, const char* button) {
            f.trigger("mnuGameRules");
            auto* rules = Fixture::window<GameRules>("GameRules");
            for (const char* rule : {"RuleShutdownLasts", "RuleExpandedScale"})
                rules->findChild<QCheckBox*>(rule)->setChecked(on);
            rules->findChild<QPushButton*>(button)->click();
        };
        choose(true, "GameRulesOk");
        QVERIFY2(!f.find<QAction>("mnuUndoTurn")->isEnabled(), "a turn undone across a rule");
        QCOMPARE(f.label("Label3(30)")->text(), QString("Shutdown, avoid on 12+"));
        QVERIFY(f.find("Frame7")->isVisibleTo(f.form.get()) && f.find("ClientArea")->width() > 636);
        f.trigger("mnuForecast");
        const QTableWidget* table = Fixture::window<HeatForecast>("HeatForecast")->table();
        QVERIFY2(!table->isColumnHidden(HeatForecast::System) &&
                     table->isColumnHidden(HeatForecast::Coolant),
                 "the forecast's columns not those of the rules");
        f.nextTurn(); // 16: shuts down, and stays down
        QVERIFY2(!f.combo("MovementType")->isEnabled(), "a shut-down 'Mech's movement open");
        QCOMPARE(f.roster()->item(0)->data(Qt::AccessibleDescriptionRole), "heat 16, shut down");
        f.trigger("mnuTableDice");
        f.messages.totals = {4};
        f.nextTurn(); // 14: restarts on 4
        QCOMPARE(f.messages.shown.last(), "? Restart roll for A (heat 14): 4 or more");
        QCOMPARE(f.label("ConditionShutdown")->text(), QString("Restarted"));
        choose(false, "GameRulesCancel");
        QVERIFY(f.play().rules() == (OptionalRules{true, true, 25, false}));
        QCOMPARE(f.play().log().entries()[1]->text,
                 "Rules: shutdown lasts, expanded heat scale to 50");
    }

    // A folder that cannot be written says so once, then only when it has
    // worked again in between.
    void unwritableFolder() {
        Fixture f;
        QTemporaryDir dir;
        const QString blocker = write(dir, "file", {});
        f.roster({"A"});
        for (const QString& folder : {blocker, blocker, dir.path(), blocker}) {
            f.saver()->setFolder(folder + "/saves");
            f.nextTurn();
            f.saver()->flush();
        }
        const QStringList saving = f.messages.shown.filter("could not save");
        QCOMPARE(saving.size(), 2);
        QVERIFY2(saving[0].startsWith("Caldrix could not save the game in " + blocker),
                 "the folder not named");
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// Saved games in the window: opening, the autosaves, resuming, the hint.

#include "MainFormFixture.h"
#include "platform/GameFile.h"

#include <QAction>
#include <QDir>
#include <QFile>

using namespace caldrix;
using namespace caldrix::test;

namespace {

const QString kSample = QStringLiteral(CALDRIX_RESOURCES_DIR "/../tests/data/sample.caldrix");

QString Hint(const Fixture& f) {
    return f.form->findChild<RosterList*>("MechNames")->Hint();
}

} // namespace

class SavedGamesTest : public QObject {
    Q_OBJECT
private slots:
    // A game given at start replaces the new-game dialog and shows its
    // selected 'Mech; a file that cannot be opened says why and changes nothing.
    void openAtStart() {
        Fixture f(kSample);
        QVERIFY(!f.form->PickMechsDialog() && f.Roster()->count() == 4 && f.Selected() == 1);
        QCOMPARE(f.PaintErrors(f.Play().Record(2).MechHeat), QString());
        QCOMPARE(f.Roster()->item(1)->data(Qt::AccessibleDescriptionRole).toString(),
                 QString("heat %1").arg(f.Play().Record(2).MechHeat));
        const GameState before = f.Play().State();
        const QString shown = f.Edit("HeatGeneratedByWeapons")->text();
        QTemporaryDir dir;
        QFile bad(dir.filePath("<b>bad&amp; %1.caldrix"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("{\"format\": 1}") > 0);
        bad.close();
        QVERIFY(!f.form->OpenGame(bad.fileName()));
        QCOMPARE(
            f.messages.shown,
            QStringList{"<b>bad&amp; %1.caldrix could not be opened: it is not a Caldrix game"});
        QVERIFY(f.Play().State() == before);
        QCOMPARE(f.Edit("HeatGeneratedByWeapons")->text(), shown);

        Fixture g(bad.fileName()); // the usual start
        QVERIFY(g.form->PickMechsDialog() && g.form->PickMechsDialog()->isVisible());
    }

    // Every change is kept: a turn at once, the last edits when the window
    // closes; a new game starts a new file and the last five are kept.
    void autosaves() {
        Fixture f;
        QCOMPARE(Hint(f), QString("Right-click here for saved games and the turn tools"));
        f.Roster({"A", "B"}, {"move=Running"});
        f.form->NextTurn_Click();
        const QString first = f.form->Saver().CurrentFile();
        QVERIFY(ReadGameFile(first).State == f.Play().State());
        f.Type(f.Edit("HeatGeneratedByWeapons"), "12");
        QVERIFY(ReadGameFile(first).State != f.Play().State()); // settling for a second
        for (int game = 0; game < 6; ++game) {
            f.form->StartNewGame_Click();
            f.form->PickMechsDialog()->Continue_Click();
            if (game == 0) {
                const GameFileResult read = ReadGameFile(first);
                QVERIFY(read.State && read.State->Records[1].MechWeaponHeat == "12");
            }
        }
        QCOMPARE(QDir(f.saves.path()).entryList(QDir::Files).size(), 5);
        QVERIFY(!QFile::exists(first));
        f.Type(f.Edit("HeatSinks"), "7");
        const GameState last = f.Play().State();
        f.form->close();
        QVERIFY(ReadGameFile(f.form->Saver().CurrentFile()).State == last);
    }

    // Resume opens the newest autosave but the game in progress, and goes
    // on saving into it; the empty roster tells what it would resume.
    void resume() {
        Fixture f;
        auto* resume = f.Find<QAction>("mnuResumeGame");
        QVERIFY(!resume->isEnabled());
        f.Roster({"A", "B", "C"}, {"", "carried=9", ""});
        f.form->NextTurn_Click();
        const GameState played = f.Play().State();
        const QString file = f.form->Saver().CurrentFile();
        f.form->StartNewGame_Click();
        QCOMPARE(Hint(f), QString("Right-click here to resume your last game (3 'Mechs, turn 2)"));
        QVERIFY(resume->isEnabled());
        resume->trigger();
        QVERIFY(f.Play().State() == played && f.form->isVisible() &&
                !f.form->PickMechsDialog()->isVisible());
        QCOMPARE(f.form->Saver().CurrentFile(), file);
        QCOMPARE(resume->shortcut(), QKeySequence());
        QCOMPARE(f.Find<QAction>("mnuOpenGame")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(f.Find<QAction>("mnuSaveGame")->shortcut(), QKeySequence("Ctrl+S"));
    }

    // A folder that cannot be written says so once, then only when it has
    // worked again in between.
    void unwritableFolder() {
        Fixture f;
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        f.form->Saver().SetFolder(blocker.fileName() + "/saves");
        f.Roster({"A"});
        f.form->NextTurn_Click();
        f.form->NextTurn_Click();
        f.form->Saver().SetFolder(dir.path());
        f.form->NextTurn_Click();
        f.form->Saver().SetFolder(blocker.fileName() + "/saves");
        f.form->NextTurn_Click();
        QStringList saving = f.messages.shown.filter("could not save");
        QCOMPARE(saving.size(), 2);
        QVERIFY(saving[0].startsWith("Caldrix could not save the game in " + blocker.fileName()));
    }
};

QTEST_MAIN(SavedGamesTest)
#include "tst_savedgames.moc"

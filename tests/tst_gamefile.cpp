// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// Saved games: what is written comes back whole, and what the program could
// not have written is refused with its reason, never taken in part.

#include "Doubles.h"
#include "Records.h"
#include "platform/GameFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace caldrix;
using namespace caldrix::test;

namespace {

// A game of three turns (one undone) with rolls from the generator and the
// table, a failed turn, names no file format likes, and a 'Mech selected.
GameState played() {
    SequenceRandom random({0.0f, 0.99f, 0.5f, 0.2f});
    ScriptedDice dice;
    Game game(random, dice);
    GameState state = game.state();
    state.names = std::vector<std::string>{"Atlas", "Mad\tCat <b>&amp;</b> %1 \"x\"",
                                           "\u00e9t\u00e9 \U0001F525", ""};
    state.records.write()[1] =
        rec("carried=20 move=Jumping hexes=4.5 weapons=2.5 fire firehexes=1");
    state.records.write()[2] = rec("carried=28 sinks=0 dhs other=7");
    state.records.write()[3] = rec("standing fire move=Running hits=1st_Engine_Hit");
    state.records.write()[4] = rec("sinks=");
    game.restore(state);
    game.nextTurn(); // fails on the last 'Mech
    game.select(3);
    game.edit(editOf(&MechRecord::heatSinks, std::string("10")));
    for (int turn = 0; turn < 3; ++turn) // the generator, then the table twice
        game.setDiceAtTable(turn > 0), dice.totals = {9, 3, 7}, game.nextTurn();
    game.undo();
    game.select(1);
    return game.state();
}

QByteArray saved(const GameState& state) {
    return GameWriter().json(state);
}

QJsonObject document(const GameState& state) {
    return QJsonDocument::fromJson(saved(state)).object();
}

// The document with the value at a path ("mechs/0/record/heat") replaced, or
// removed when the value is undefined.
QJsonValue withValue(QJsonValue at, QStringList path, const QJsonValue& value) {
    if (path.isEmpty())
        return value;
    const QString key = path.takeFirst();
    if (at.isArray()) {
        QJsonArray array = at.toArray();
        if (path.isEmpty() && value.isUndefined())
            array.removeAt(key.toInt());
        else
            array[key.toInt()] = withValue(array[key.toInt()], path, value);
        return array;
    }
    QJsonObject object = at.toObject();
    object[key] = withValue(object[key], path, value); // undefined: the key goes
    return object;
}

} // namespace

class GameFileTest : public QObject {
    Q_OBJECT
private slots:
    void refused_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("value"); // undefined: removed
        QTest::addColumn<QString>("reason");
        auto row = [](const char* name, const char* path, const QJsonValue& value,
                      const char* reason) {
            QTest::newRow(name) << QString(path) << value << QString(reason);
        };
        row("another format", "format", "caldrix-save", "it is not a Caldrix game");
        // Every number one below and one above what it may hold.
        auto range = [](const char* path, qint64 lo, qint64 hi, QString why = "") {
            const QString key = QString(path).section('/', -1);
            if (why.isEmpty())
                why =
                    QString("its %1 is not a whole number from %2 to %3").arg(key).arg(lo).arg(hi);
            for (qint64 value : {lo - 1, hi + 1})
                QTest::addRow("%s %lld", path, value) << QString(path) << QJsonValue(value) << why;
        };
        // A record's level on the scale in play; a turn's on either scale.
        for (const char* path : {"mechs/0/record/heat", "scratch/heat"})
            range(path, 0, 30, "it holds a heat level outside 0 to 30");
        for (const char* path : {"history/1/mechs/0/before", "history/1/mechs/0/after"})
            range(path, 0, 50, "it holds a heat level outside 0 to 50");
        range("mechs/0/record/otherHeat", 0, 32767);
        range("mechs/1/record/fire", 0, 1);
        range("mechs/1/record/doubleHeatSinks", 0, 1);
        range("selected", -1, 3);
        range("history/1/turn", 1, 2147483646);
        range("history/1/mechs/0/turnHeat", -2147483648, 2147483647);
        range("history/1/mechs/1/rolls/0/avoidOn", 2, 12);
        range("history/1/mechs/1/rolls/0/die1", 1, 6);
        range("history/1/mechs/1/rolls/0/die2", 1, 6);
        range("history/2/mechs/1/rolls/0/die1", 0, 6); // 0: rolled at the table
        range("history/1/mechs/1/rolls/0/total", 2, 12);
        range("undo/0/historyEntry", 0, 3);
        row("version 0", "version", 0, "its version is not a whole number from 1 to 2147483647");
        row("newer version", "version", 3, "it comes from a newer version of Caldrix");
        range("rules/temperature", -200, 200);
        row("unknown rule", "rules/fastCooling", true, "it holds a rule Caldrix does not know");
        row("no rules", "rules", QJsonValue::Undefined, "it has no rules");
        row("no heat", "mechs/0/record/heat", QJsonValue::Undefined, "it has no heat");
        row("over-long name", "mechs/0/name", QString(1'000'001, 'x'),
            "it holds an over-long text");
        row("longest name taken", "mechs/0/name", QString(1'000'000, 'x'), "");
        row("unknown condition", "mechs/0/record/conditionShutdown", "Boom",
            "its conditionShutdown is not one Caldrix writes");
        row("six rolls", "history/2/mechs/1/rolls", QJsonArray{1, 2, 3, 4, 5, 6},
            "its rolls is too long");
        QJsonArray mechs(document(played())["mechs"].toArray());
        while (mechs.size() <= 256)
            mechs.append(mechs[0]);
        row("257 'Mechs", "mechs", mechs, "it holds more than 256 'Mechs");
        row("undo of a note", "undo/0/historyEntry", 0, "its undo does not match its history");
        row("undo of one 'Mech too few", "undo/0/before/3", QJsonValue::Undefined,
            "its undo does not match its 'Mechs");
    }
    void refused() {
        QFETCH(QString, path);
        QFETCH(QJsonValue, value);
        QFETCH(QString, reason);
        const QJsonObject edited = withValue(document(played()), path.split('/'), value).toObject();
        const GameFileResult result = gameFromJson(QJsonDocument(edited).toJson());
        QCOMPARE(result.problem, reason);
        QCOMPARE(result.state.has_value(), reason.isEmpty());
    }

    void refusedWhole() {
        QStringList reasons;
        for (const QByteArray& bytes :
             {saved(played()).left(500), QByteArray("[1]"), QByteArray(100000, '['),
              QByteArray(16 * 1024 * 1024, ' '), QByteArray(16 * 1024 * 1024 + 1, ' ')})
            reasons << gameFromJson(bytes).problem;
        QCOMPARE(reasons, (QStringList{"it is not JSON", "it is not JSON", "it is not JSON",
                                       "it is not JSON", "it is larger than 16 MB"}));
    }

    // Written and read back whole; a file that cannot be read, or a folder
    // that cannot be written, gives its reason.
    void files() {
        QTemporaryDir dir;
        const GameState game = played();
        QCOMPARE(writeGameFile(dir.filePath("game.caldrix"), saved(game)), QString());
        QVERIFY(readGameFile(dir.filePath("game.caldrix")).state == game);
        QCOMPARE(readGameFile(dir.filePath("missing.caldrix")).problem, "it cannot be read");
        const QByteArray huge(16 * 1024 * 1024 + 1, ' ');
        QCOMPARE(writeGameFile(dir.filePath("full.caldrix"), huge.left(huge.size() - 1)),
                 QString());
        QVERIFY(!writeGameFile(dir.filePath("huge.caldrix"), huge).isEmpty() &&
                !QFile::exists(dir.filePath("huge.caldrix")));
        QFile over(dir.filePath("over.caldrix")); // written by another program
        QVERIFY(over.open(QIODevice::WriteOnly) && over.write(huge) > 0 && over.flush());
        QCOMPARE(readGameFile(over.fileName()).problem, "it is larger than 16 MB");
        // A first-version game opens with every rule off, and is saved as the second.
        const auto first =
            readGameFile(CALDRIX_RESOURCES_DIR "/../tests/data/sample.caldrix").state;
        QVERIFY(first && first->rules == OptionalRules{} && (*first->records)[2].heat == 30);
        QCOMPARE(document(*first)["version"].toInt(), 2);
        QVERIFY(gameFromJson(saved(*first)).state == first);
    }
};

QTEST_GUILESS_MAIN(GameFileTest)
#include "tst_gamefile.moc"

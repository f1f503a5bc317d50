// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// Randomized model check: long random games of every player action, played
// on the game itself. A plain model of the roster and the records follows
// each action; the rules are the engine's (tested on their own), so what is
// checked here is what only a long game shows: roster and records in step,
// all-or-nothing turns, the forecast equal to what Next Turn commits, dice
// at the table asked in order, Cancel Turn and Undo exact, and a game saved
// and opened at any point playing on as if it had never been.

#include "Doubles.h"
#include "platform/GameFile.h"
#include "turn/ClockRandom.h"
#include "turn/Forecast.h"

#include <QTest>

#include <random>

using namespace caldrix;
using namespace caldrix::test;

namespace {

struct Model {
    std::vector<std::string> names;
    std::vector<MechRecord> records = std::vector<MechRecord>(257, MechRecord::Defaults());
    int selected = -1;
    std::vector<std::vector<MechRecord>> undo; // rows 1..n as each turn found them
    MechRecord& Current() { return records[std::size_t(selected + 1)]; }
};

} // namespace

class ModelCheckTest : public QObject {
    Q_OBJECT
private slots:
    void randomPlay_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 20261207u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void randomPlay() {
        QFETCH(unsigned, seed);
        std::mt19937 rng(seed);
        auto roll = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
        ClockRandom programDice(seed);
        ScriptedDice table;
        Game game(programDice, table);
        Model model;
        model.records[0] = MechRecord{}; // zeroed at creation, never reset
        int completed = 0, failed = 0, cancelled = 0, asked = 0, hot = 0;

        using Text = std::string MechRecord::*;
        const std::vector<Text> texts{
            &MechRecord::MechHeatSinks,   &MechRecord::MechMovementType,
            &MechRecord::MechHexesJumped, &MechRecord::MechAttemptsToStand,
            &MechRecord::MechWeaponHeat,  &MechRecord::MechFireHexes,
            &MechRecord::MechEngineHits};
        const std::vector<std::string> odd{
            "",    " ",  "abc", "Jumping ",      "-32769",       "32767",
            "2.5", ".5", "1e3", "\u00e9t\u00e9", "<b>x</b> & %1"};
        const std::vector<std::string> moves{"Stationary", "Walking", "Running", "Jumping"};
        const std::vector<std::string> hits{"None", "1st Engine Hit", "2nd Engine Hit"};
        auto set = [&](int slot, auto field, auto value) {
            game.Set(slot, field, value);
            model.records[std::size_t(slot)].*field = value;
        };
        // Entries that pass, heavy enough to climb the whole scale.
        auto makeValid = [&](int slot) {
            set(slot, &MechRecord::MechMovementType, moves[std::size_t(roll(0, 3))]);
            set(slot, &MechRecord::MechEngineHits, hits[std::size_t(roll(0, 2))]);
            set(slot, &MechRecord::MechHeatSinks, std::to_string(roll(0, 12)));
            set(slot, &MechRecord::MechHexesJumped, std::to_string(roll(0, 9)));
            set(slot, &MechRecord::MechWeaponHeat, std::to_string(roll(0, 30)));
            set(slot, &MechRecord::MechFireHexes, std::to_string(roll(0, 4)));
        };

        for (int step = 0; step < 10000; ++step) {
            const int action = roll(0, 99);
            const int n = game.MechCount();
            if (action < 10) { // select a 'Mech, or none
                model.selected = roll(-1, n - 1);
                game.Select(model.selected);
            } else if (action < 35) { // type into a box, mostly a number
                const Text field = texts[std::size_t(roll(0, 6))];
                const std::string value =
                    roll(0, 5) ? std::to_string(roll(-2, 25)) : odd[std::size_t(roll(0, 10))];
                set(game.CurrentMechSlot(), field, value);
            } else if (action < 42) { // tick, choose a fire option, other heat
                const int slot = game.CurrentMechSlot();
                const std::int16_t tick = std::int16_t(roll(0, 1));
                switch (roll(0, 3)) {
                case 0:
                    set(slot, &MechRecord::MechDHS, tick);
                    break;
                case 1:
                    set(slot, &MechRecord::MechFire, tick);
                    break;
                case 2:
                    set(slot, &MechRecord::MechWalkingThroughFire, tick == 1);
                    set(slot, &MechRecord::MechStandingInFire, tick == 0);
                    break;
                default:
                    set(slot, &MechRecord::MechOtherHeat,
                        std::int16_t(roll(0, 9) ? roll(0, 12) : roll(0, 32767)));
                }
            } else if (action < 62) { // valid entries for every 'Mech
                for (int slot = 1; slot <= n; ++slot)
                    makeValid(slot);
            } else if (action < 67) { // add one 'Mech, now and then try 300
                for (int k = roll(0, 20) ? 299 : 0; k < 300; ++k) {
                    const bool room = model.names.size() < 256;
                    QCOMPARE(game.AddMech("M" + std::to_string(step)), room);
                    if (room)
                        model.names.push_back("M" + std::to_string(step)), model.undo.clear();
                }
            } else if (action < 71) { // remove a 'Mech (or a row that is not there)
                const int row = roll(-1, n);
                QCOMPARE(game.RemoveMech(row), row >= 0 && row < n);
                if (row >= 0 && row < n) {
                    model.records.erase(model.records.begin() + row + 1);
                    model.records.push_back(MechRecord::Defaults());
                    model.names.erase(model.names.begin() + row);
                    model.selected = -1;
                    model.undo.clear();
                }
            } else if (action < 73) { // a new game
                game.NewGame();
                std::fill(model.records.begin() + 1, model.records.end(), MechRecord::Defaults());
                model = Model{{}, model.records, -1, {}};
            } else if (action < 76) { // dice at the table, on or off
                game.SetDiceAtTable(!game.DiceAtTable());
            } else if (action < 77) { // saved and opened: the same game plays on
                const GameFileResult read = GameFromJson(GameToJson(game.State()));
                QVERIFY(read.State && *read.State == game.State());
                game.Restore(*read.State);
            } else if (action < 80) { // undo
                QCOMPARE(game.Undo(), !model.undo.empty());
                if (!model.undo.empty()) {
                    std::copy(model.undo.back().begin(), model.undo.back().end(),
                              model.records.begin() + 1);
                    model.undo.pop_back();
                    model.selected = 0;
                }
            } else { // Next Turn
                std::vector<MechForecast> forecast;
                std::vector<TurnMessage> messages;
                bool error = false;
                for (int row = 0; row < n; ++row) {
                    const MechRecord& record = model.records[std::size_t(row + 1)];
                    for (const std::string& m : CheckEntries(EntriesOf(record)).Messages)
                        messages.push_back({row, m}), error = true;
                    if (error)
                        messages.push_back({row, messages::kTurnNotCompleted});
                    forecast.push_back(Forecast(record));
                }
                table.totals.clear();
                for (int k = 0; k < 2 * n; ++k)
                    table.totals.push_back(roll(0, 30) ? std::optional(roll(2, 12)) : std::nullopt);
                const auto totals = table.totals;
                table.asked.clear();
                const std::vector<MechRecord> before(model.records.begin() + 1,
                                                     model.records.begin() + 1 + n);
                const TurnOutcome outcome = game.NextTurn();
                QVERIFY(outcome.Messages == messages);
                const std::size_t questions = table.asked.size();
                QVERIFY(game.DiceAtTable() || questions == 0);
                asked += int(questions);
                if (n == 0 || error) {
                    failed += n > 0;
                } else if (outcome.What == TurnOutcome::Result::Cancelled) {
                    ++cancelled;
                    QVERIFY(game.DiceAtTable() && !totals[questions - 1]);
                } else {
                    ++completed;
                    model.undo.push_back(before);
                    std::size_t next = 0;
                    for (int row = 0; row < n; ++row) {
                        MechRecord& r = model.records[std::size_t(row + 1)];
                        const MechForecast& f = forecast[std::size_t(row)];
                        const HeatEffects& e = outcome.Mechs[std::size_t(row)].Effects;
                        // Each roll at its avoid-on number, the table's totals in order.
                        std::vector<int> avoidOn;
                        for (const RollRecord& rolled : e.Rolls) {
                            avoidOn.push_back(rolled.AvoidOn);
                            if (game.DiceAtTable())
                                QCOMPARE(int(rolled.Rolled.DiceTotal), *totals[next++]);
                            QCOMPARE(rolled.Avoided, rolled.Rolled.DiceTotal >= rolled.AvoidOn);
                        }
                        std::vector<int> wanted;
                        for (int n2 : {f.ShutdownAvoidOn, f.AmmoAvoidOn})
                            if (n2 > 0)
                                wanted.push_back(n2);
                        QCOMPARE(avoidOn, wanted);
                        auto struck = [&e](Danger d) {
                            for (const RollRecord& rolled : e.Rolls)
                                if (rolled.Kind == d)
                                    return !rolled.Avoided;
                            return false;
                        };
                        hot += f.Level >= 14;
                        r.MechHeat = std::int16_t(f.Level);
                        r.MechConditionMod2Fier = f.Mod2Fier;
                        r.MechConditionMP = f.MP;
                        r.MechConditionShutdown =
                            f.ShutdownAutomatic || struck(Danger::Shutdown) ? "Shutdown!!!" : "";
                        r.MechConditionAmmoExp =
                            struck(Danger::AmmoExplosion) ? "Ammo Explosion!!!" : "";
                        r.MechAttemptsToStand = r.MechWeaponHeat = "0";
                    }
                    QCOMPARE(next, questions);
                }
                model.selected = n ? 0 : model.selected;
            }

            const QByteArray where =
                QString("seed %1, step %2, action %3").arg(seed).arg(step).arg(action).toUtf8();
            QVERIFY2(game.MechNames() == model.names && game.Selected() == model.selected,
                     where.constData());
            QVERIFY2((game.UndoTurnNumber() > 0) == !model.undo.empty(), where.constData());
            // The slots in use and the next free one every step; all of them now and then.
            const int last = step % 97 == 0 ? 256 : std::min(256, int(model.names.size()) + 1);
            for (int slot = 0; slot <= last; ++slot)
                QVERIFY2(game.Record(slot) == model.records[std::size_t(slot)],
                         (where + ", slot " + QByteArray::number(slot)).constData());
        }
        // Most turns are played, at high heat too, with dice at the table.
        QVERIFY2(completed > failed + cancelled && hot > 100 && asked > 50 && cancelled > 2,
                 qPrintable(QString("%1 completed, %2 failed, %3 cancelled, %4 asked, %5 hot")
                                .arg(completed)
                                .arg(failed)
                                .arg(cancelled)
                                .arg(asked)
                                .arg(hot)));
    }
};

QTEST_GUILESS_MAIN(ModelCheckTest)
#include "tst_modelcheck.moc"

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
        GameWriter writer; // one for the whole run, as the autosave keeps one
        // The model: names, every slot (slot 0 zeroed at creation), the
        // selection, the turns played, and each turn Undo can take back: its
        // number and the records as it found them.
        std::vector<std::string> names;
        std::vector<MechRecord> recs(257, MechRecord::defaults());
        recs[0] = MechRecord{};
        int selected = -1;
        int played = 0;
        std::vector<std::pair<int, std::vector<MechRecord>>> undo;
        int completed = 0, failed = 0, cancelled = 0, asked = 0, hot = 0;

        const std::vector<std::string MechRecord::*> texts{
            &MechRecord::heatSinks,       &MechRecord::movementType, &MechRecord::hexesJumped,
            &MechRecord::attemptsToStand, &MechRecord::weaponHeat,   &MechRecord::fireHexes,
            &MechRecord::engineHits};
        // Valid movement and engine hits first, then what a player may also type.
        const std::vector<std::string> pool{
            "Stationary",     "Walking",        "Running", "Jumping", "None",
            "1st Engine Hit", "2nd Engine Hit", "",        " ",       "abc",
            "Jumping ",       "-32769",         "2.5",     "1e3",     "<b>x</b> & %1"};
        auto set = [&](int slot, auto field, auto value) {
            game.set(slot, field, value);
            recs[std::size_t(slot)].*field = value;
        };
        for (int step = 0; step < 10000; ++step) {
            const int action = roll(0, 99), n = game.mechCount();
            if (action < 8) { // select a 'Mech, none, or a row that is not there
                const int row = roll(-1, n);
                game.select(row), selected = row < n ? row : -1;
            } else if (action < 30) { // type into a box, mostly a number
                set(game.currentMechSlot(), texts[std::size_t(roll(0, 6))],
                    roll(0, 5) ? std::to_string(roll(-2, 25)) : pool[std::size_t(roll(0, 14))]);
            } else if (action < 36) { // tick, choose a fire option, other heat
                const int slot = game.currentMechSlot();
                const bool tick = roll(0, 1) == 1;
                set(slot, roll(0, 1) ? &MechRecord::doubleHeatSinks : &MechRecord::fire, tick);
                set(slot, &MechRecord::walkingThroughFire, tick);
                set(slot, &MechRecord::standingInFire, !tick);
                set(slot, &MechRecord::otherHeat,
                    std::int16_t(roll(0, 9) ? roll(0, 12) : roll(0, 32767)));
            } else if (action < 66) { // entries that pass, heavy enough for the whole scale
                for (int slot = 1; slot <= n; ++slot) {
                    set(slot, &MechRecord::movementType, pool[std::size_t(roll(0, 3))]);
                    set(slot, &MechRecord::engineHits, pool[std::size_t(roll(4, 6))]);
                    for (auto field :
                         {&MechRecord::heatSinks, &MechRecord::hexesJumped, &MechRecord::fireHexes})
                        set(slot, field, std::to_string(roll(0, 12)));
                    set(slot, &MechRecord::weaponHeat, std::to_string(roll(0, 30)));
                }
            } else if (action < 70) { // add one 'Mech, now and then try 300
                for (int k = roll(0, 20) ? 299 : 0; k < 300; ++k) {
                    const bool room = names.size() < 256;
                    QCOMPARE(game.addMech("M" + std::to_string(step)), room);
                    if (room)
                        names.push_back("M" + std::to_string(step)), undo.clear();
                }
            } else if (action < 73) { // remove a 'Mech (or a row that is not there)
                const int row = roll(-1, n);
                QCOMPARE(game.removeMech(row), row >= 0 && row < n);
                if (row >= 0 && row < n) {
                    recs.erase(recs.begin() + row + 1);
                    recs.push_back(MechRecord::defaults());
                    names.erase(names.begin() + row);
                    selected = -1;
                    undo.clear();
                }
            } else if (action < 75) { // a new game
                game.newGame();
                std::fill(recs.begin() + 1, recs.end(), MechRecord::defaults());
                names.clear(), undo.clear(), selected = -1, played = 0;
            } else if (action < 78) { // dice at the table, on or off
                game.setDiceAtTable(!game.diceAtTable());
            } else if (action < 79) { // saved and opened: the same game plays on
                const GameFileResult read = gameFromJson(writer.json(game.view()));
                QVERIFY(read.state && *read.state == game.state());
                roll(0, 1) ? game.restore(*read.state) : void(); // or saved again later
            } else if (action < 82) {                            // undo
                QCOMPARE(game.undo(), !undo.empty());
                if (!undo.empty()) {
                    std::copy(undo.back().second.begin(), undo.back().second.end(),
                              recs.begin() + 1);
                    undo.pop_back(), --played;
                    selected = 0;
                }
            } else { // Next Turn: what the forecast said, or nothing at all
                std::vector<MechForecast> forecasts;
                std::vector<TurnMessage> messages;
                bool error = false;
                for (int row = 0; row < n; ++row) {
                    const MechRecord& record = recs[std::size_t(row + 1)];
                    for (const std::string& m : checkEntries(record).messages)
                        messages.push_back({row, m}), error = true;
                    if (error)
                        messages.push_back({row, messages::kTurnNotCompleted});
                    forecasts.push_back(forecast(record));
                }
                table.totals.clear();
                for (int k = 0; k < 2 * n; ++k)
                    table.totals.push_back(roll(0, 30) ? std::optional(roll(2, 12)) : std::nullopt);
                const auto totals = table.totals;
                table.asked.clear();
                const TurnOutcome outcome = game.nextTurn();
                QVERIFY(outcome.messages == messages);
                const std::size_t questions = table.asked.size();
                QVERIFY(game.diceAtTable() || questions == 0);
                asked += int(questions);
                if (n == 0 || error) {
                    failed += n > 0;
                } else if (outcome.what == TurnOutcome::Result::Cancelled) {
                    QVERIFY(game.diceAtTable() && !totals[questions - 1]);
                    ++cancelled;
                } else { // every 'Mech as forecast, with the outcome of its rolls
                    ++completed;
                    undo.push_back({++played, {recs.begin() + 1, recs.begin() + 1 + n}});
                    std::size_t rolls = 0;
                    for (int row = 0; row < n; ++row) {
                        MechRecord& r = recs[std::size_t(row + 1)];
                        const MechForecast& f = forecasts[std::size_t(row)];
                        const HeatEffects& e = outcome.turn->mechs[std::size_t(row)].effects;
                        rolls += e.rolls.size();
                        hot += f.level >= 14;
                        r.heat = std::int16_t(f.level);
                        std::tie(r.conditionFire, r.conditionMovement) = std::tie(f.mod2Fier, f.mp);
                        std::tie(r.conditionShutdown, r.conditionAmmo) =
                            std::tie(e.shutdown, e.ammoExp);
                        r.attemptsToStand = r.weaponHeat = "0";
                    }
                    QVERIFY(rolls == questions || !game.diceAtTable());
                }
                selected = n ? 0 : selected;
            }
            const QByteArray where = QString("seed %1, step %2").arg(seed).arg(step).toUtf8();
            QVERIFY2(game.mechNames() == names && game.selected() == selected, where.data());
            QVERIFY2(game.undoTurnNumber() == (undo.empty() ? 0 : undo.back().first), where.data());
            // The slots in use and the next free one every step; all of them now and then.
            const int last = step % 97 == 0 ? 256 : std::min(256, int(names.size()) + 1);
            for (int slot = 0; slot <= last; ++slot)
                QVERIFY2(game.record(slot) == recs[std::size_t(slot)], where.data());
        }
        // Most turns are played, at high heat too, with dice at the table.
        QVERIFY(completed > failed + cancelled && hot > 100 && asked > 50 && cancelled > 2);
    }
};

QTEST_GUILESS_MAIN(ModelCheckTest)
#include "tst_modelcheck.moc"

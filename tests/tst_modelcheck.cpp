// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// Randomized model check: long random sequences of what a player can do on
// the real windows. A model of the roster and the record store follows every
// edit; the rules themselves are the engine's (tested on their own), so what
// is checked here is what only a long game shows: roster and records in step,
// all-or-nothing turns, the forecast equal to what Next Turn commits, dice at
// the table asked in order, and Undo exact.

#include "MainFormFixture.h"
#include "platform/ClockRandom.h"
#include "turn/Forecast.h"

#include <QAction>

#include <random>

using namespace caldrix;
using namespace caldrix::test;

class ModelCheckTest : public QObject {
    Q_OBJECT
private slots:
    void randomPlay_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 20261206u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void randomPlay() {
        QFETCH(unsigned, seed);
        ScriptedMessageBox messages;
        RecordingHelp help;
        ClockRandom programDice(seed);
        std::mt19937 rng(seed);
        MainForm form(MainFormServices{messages, programDice, help});
        form.Form_Load();
        form.show();
        auto* list = form.findChild<QListWidget*>("MechNames");
        auto* tableDice = form.findChild<QAction*>("mnuTableDice");

        // The model: roster names, every record slot, the selected row, and
        // the records as each turn that Undo can take back found them.
        struct Model {
            QStringList roster;
            std::vector<MechRecord> recs = std::vector(257, MechRecord::Defaults());
            int selected = -1;
            MechRecord& Current() { return recs[std::size_t(selected + 1)]; }
        } model;
        model.recs[0] = MechRecord{}; // zeroed at creation, never reset
        std::vector<Model> beforeTurns;
        QStringList expected; // the messages, in order
        auto append = [&](const QString& name) {
            if (model.roster.size() < 256)
                model.roster << name;
            else
                expected << "The roster is full: a game holds at most 256 'Mechs";
        };
        auto roll = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
        const QStringList pool =
            QString("| |  3 |abc|Jumping|Walking|Running|Stationary|None|1st Engine Hit|Jumping |"
                    "-32769|32767|-32768|2.5|-0.5|.5|5.|+4|1e3|0x10|\u00e9t\u00e9|<b>x</b> & %1 &&")
                .split('|')
            << QString(10000, '9') << QString(10000, 'x');
        using Field = std::string MechRecord::*;
        // Sets a box's text; a player cannot change a text into itself.
        auto set = [&](const char* name, Field field, const QString& value) {
            auto* combo = form.findChild<platform::ComboBox*>(name);
            QLineEdit* box = combo ? combo->lineEdit() : form.findChild<QLineEdit*>(name);
            if (box->text() != value)
                model.Current().*field = value.toStdString();
            combo ? combo->SetText(value) : box->setText(value);
        };
        const std::vector<std::pair<const char*, Field>> boxes{
            {"HeatSinks", &MechRecord::HeatSinks},
            {"HexesJumpedText", &MechRecord::HexesJumped},
            {"AttemptsToStand", &MechRecord::AttemptsToStand},
            {"HeatGeneratedByWeapons", &MechRecord::WeaponHeat},
            {"WalkingThroughFireHexes", &MechRecord::FireHexes},
            {"MovementType", &MechRecord::MovementType},
            {"EngineHits", &MechRecord::EngineHits}};
        auto makeValid = [&] {
            auto* move = form.findChild<platform::ComboBox*>("MovementType");
            const int pick = roll(0, 3); // picked from the list, as with the mouse
            move->setCurrentIndex(pick);
            emit move->activated(pick);
            model.Current().MovementType = move->itemText(pick).toStdString();
            set("EngineHits", &MechRecord::EngineHits, "None");
            for (std::size_t b = 0; b < 5; ++b)
                set(boxes[b].first, boxes[b].second, QString::number(roll(0, 12)));
        };

        for (int step = 0; step < 5000; ++step) {
            const int action = roll(0, 99);
            if (action < 15) { // select a 'Mech, or none
                model.selected = roll(-1, list->count() - 1);
                list->clearSelection();
                if (model.selected >= 0)
                    list->setCurrentRow(model.selected, QItemSelectionModel::ClearAndSelect);
            } else if (action < 45) { // type into an enabled box
                const auto& [name, field] = boxes[std::size_t(roll(0, 6))];
                if (form.findChild<QWidget*>(name)->isEnabled())
                    set(name, field,
                        roll(0, 2) ? pool[roll(0, int(pool.size()) - 1)]
                                   : QString::number(roll(-3, 40)));
            } else if (action < 55) { // tick or untick
                auto* box = form.findChild<QCheckBox*>(roll(0, 1) ? "Fire" : "DHS");
                box->setChecked(!box->isChecked());
                (box->objectName() == "Fire" ? model.Current().Fire : model.Current().DHS) =
                    box->isChecked();
            } else if (action < 60) { // choose a fire option
                auto* option = form.findChild<QRadioButton*>(roll(0, 1) ? "WalkingThroughFire"
                                                                        : "StandingInFire");
                if (option->isEnabled() && !option->isChecked()) {
                    QTest::mouseClick(option, Qt::LeftButton);
                    model.Current().WalkingThroughFire =
                        option->objectName() == "WalkingThroughFire";
                    model.Current().StandingInFire = !model.Current().WalkingThroughFire;
                }
            } else if (action < 65) { // other heat, across its whole range
                const int v = roll(0, 2) ? roll(0, 12) : roll(0, 1) ? 32767 : roll(0, 32767);
                auto* bar = form.findChild<QScrollBar*>("OtherHeat");
                if (bar->value() != v)
                    model.Current().OtherHeat = std::int16_t(v);
                bar->setValue(v);
            } else if (action < 72) { // valid entries, for one 'Mech or every one
                for (int row = 0; row < list->count() && roll(0, 2) == 0; ++row) {
                    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
                    model.selected = row;
                    makeValid();
                }
                if (model.selected >= 0)
                    makeValid();
            } else if (action < 78) { // add one 'Mech, or try to add 300
                beforeTurns.clear();
                form.mnuNewMech_Click();
                for (int k = roll(0, 30) ? 299 : 0; k < 300; ++k) {
                    form.NewMechDialog()->Ok_Click();
                    append("New Mech");
                }
            } else if (action < 84) { // delete, answering Yes or No
                if (form.findChild<QAction*>("mnuDeleteMech")->isEnabled()) {
                    messages.answers = {roll(0, 2) > 0};
                    const bool yes = messages.answers.front();
                    form.mnuDeleteMech_Click();
                    if (yes) {
                        beforeTurns.clear();
                        model.recs.erase(model.recs.begin() + model.selected + 1);
                        model.recs.push_back(MechRecord::Defaults());
                        model.roster.removeAt(model.selected);
                        model.selected = -1;
                    }
                }
            } else if (action < 87) { // a new game of 1 to 10 'Mechs
                form.StartNewGame_Click();
                beforeTurns.clear();
                std::fill(model.recs.begin() + 1, model.recs.end(), MechRecord::Defaults());
                model.roster.clear();
                model.selected = -1;
                PickMechs* pick = form.PickMechsDialog();
                pick->findChild<QScrollBar*>("NumMechsScroll")->setValue(roll(1, 10));
                for (const QString& name : pick->ChosenNames())
                    append(name);
                pick->Continue_Click();
            } else if (action < 90) { // dice at the table, on or off
                tableDice->setChecked(!tableDice->isChecked());
            } else if (action < 93) { // undo the last turn
                QCOMPARE(form.findChild<QAction*>("mnuUndoTurn")->isEnabled(),
                         !beforeTurns.empty());
                if (!beforeTurns.empty()) {
                    form.mnuUndoTurn_Click();
                    // What the turn changed comes back; later edits stay.
                    for (int i = 1; i <= int(model.roster.size()); ++i) {
                        MechRecord& r = model.recs[std::size_t(i)];
                        const MechRecord& o = beforeTurns.back().recs[std::size_t(i)];
                        std::tie(r.Heat, r.ConditionMod2Fier, r.ConditionMP, r.ConditionShutdown,
                                 r.ConditionAmmoExp, r.AttemptsToStand, r.WeaponHeat) =
                            std::tie(o.Heat, o.ConditionMod2Fier, o.ConditionMP,
                                     o.ConditionShutdown, o.ConditionAmmoExp, o.AttemptsToStand,
                                     o.WeaponHeat);
                    }
                    beforeTurns.pop_back();
                    model.selected = 0;
                }
            } else {
                // What Next Turn will do, from the records alone.
                const int n = int(model.roster.size());
                std::vector<MechForecast> forecast;
                bool error = false;
                for (int i = 1; i <= n; ++i) {
                    const MechRecord record = form.Store().Record(i);
                    for (const std::string& message : CheckEntries(EntriesOf(record)).Messages)
                        expected << QString::fromStdString(message), error = true;
                    if (error)
                        expected << "There was an error, so the turn was not completed";
                    forecast.push_back(Forecast(record));
                }
                messages.totals.clear();
                for (int k = 0; k < 2 * n; ++k)
                    messages.totals.push_back(roll(0, 40) ? std::optional(roll(2, 12))
                                                          : std::nullopt);
                const std::deque<std::optional<int>> totals = messages.totals;
                const Model before = model;
                form.NextTurn_Click();
                const std::size_t asked = totals.size() - messages.totals.size();
                const bool atTable = tableDice->isChecked();
                QVERIFY(atTable || asked == 0);
                const bool cancelled = std::find(totals.begin(), totals.begin() + long(asked),
                                                 std::nullopt) != totals.begin() + long(asked);
                std::size_t next = 0;
                for (int i = 1; i <= n && !error && !cancelled; ++i) {
                    MechRecord& r = model.recs[std::size_t(i)];
                    const MechForecast& fc = forecast[std::size_t(i - 1)];
                    const MechRecord now = form.Store().Record(i);
                    r.Heat = std::int16_t(fc.Level);
                    r.ConditionMod2Fier = fc.Mod2Fier;
                    r.ConditionMP = fc.MP;
                    r.AttemptsToStand = r.WeaponHeat = "0";
                    // Struck when a roll fails; the generator's dice are the program's.
                    auto struck = [&](int avoidOn, const std::string& stored) {
                        return avoidOn > 0 &&
                               (atTable ? *totals[next++] < avoidOn : !stored.empty());
                    };
                    r.ConditionShutdown =
                        fc.ShutdownAutomatic || struck(fc.ShutdownAvoidOn, now.ConditionShutdown)
                            ? "Shutdown!!!"
                            : "";
                    r.ConditionAmmoExp =
                        struck(fc.AmmoAvoidOn, now.ConditionAmmoExp) ? "Ammo Explosion!!!" : "";
                }
                QVERIFY(!atTable || cancelled || error || next == asked);
                if (n > 0 && !error && !cancelled)
                    beforeTurns.push_back(before);
                model.selected = n ? 0 : model.selected;
            }

            const QString where =
                QString("seed %1, step %2, action %3: ").arg(seed).arg(step).arg(action);
            for (int slot = 0; slot <= 256; ++slot)
                QVERIFY2(form.Store().Record(slot) == model.recs[std::size_t(slot)],
                         qPrintable(where + QString("slot %1 differs").arg(slot)));
            QStringList names, shown;
            for (int row = 0; row < list->count(); ++row)
                names << list->item(row)->text();
            QVERIFY2(names == model.roster, qPrintable(where + "roster"));
            QVERIFY2(form.CurrentMechSlot() == model.selected + 1, qPrintable(where + "selection"));
            for (const auto& s : messages.shown)
                if (!s.Question) // questions are the player's, answered above
                    shown << s.Text;
            QVERIFY2(shown == expected, qPrintable(where + "messages"));
            messages.shown.clear();
            expected.clear();
        }
    }
};

QTEST_MAIN(ModelCheckTest)
#include "tst_modelcheck.moc"

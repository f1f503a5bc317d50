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

#include <array>
#include <random>
#include <tuple>

using namespace caldrix;
using namespace caldrix::test;

namespace {

struct Model {
    std::vector<std::string> roster;
    std::array<MechRecord, 257> recs{};
    int selected = -1;
    MechRecord& Current() { return recs[std::size_t(selected + 1)]; }

    void Append(const std::string& name, std::vector<std::string>& shown) {
        if (roster.size() < 256)
            roster.push_back(name);
        else
            shown.push_back("The roster is full: a game holds at most 256 'Mechs");
    }
};

} // namespace

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
        Fixture f(false);
        ClockRandom programDice(seed);
        std::mt19937 rng(seed);
        MainForm form(MainFormServices{f.messages, programDice, f.help});
        auto* tableDice = form.findChild<QAction*>("mnuTableDice");
        form.Form_Load();
        form.show();
        auto* list = form.findChild<QListWidget*>("MechNames");
        Model model;
        std::vector<Model> beforeTurns; // what each turn that Undo can take back found
        model.recs.fill(MechRecord::Defaults());
        model.recs[0] = MechRecord{}; // zeroed at creation, never reset
        std::vector<std::string> expected;
        auto roll = [&rng](int lo, int hi) {
            return std::uniform_int_distribution<int>(lo, hi)(rng);
        };
        const QStringList pool =
            QString("| |  3 |abc|Jumping|Walking|Running|Stationary|None|1st Engine Hit|Jumping |"
                    "-32769|32767|-32768|2.5|-0.5|.5|5.|+4|1e3|0x10|\u00e9t\u00e9|<b>x</b> & %1 &&")
                .split('|')
            << QString(10000, '9') << QString(10000, 'x');
        auto text = [&] {
            return roll(0, 2) ? pool[roll(0, int(pool.size()) - 1)].toStdString()
                              : std::to_string(roll(-3, 40));
        };
        // Sets a box's text; a player cannot change a text into itself.
        auto set = [&](const char* name, std::string MechRecord::*field, const std::string& value) {
            auto* combo = form.findChild<platform::ComboBox*>(name);
            QLineEdit* box = combo ? combo->lineEdit() : form.findChild<QLineEdit*>(name);
            if (box->text().toStdString() != value)
                model.Current().*field = value;
            combo ? combo->SetText(QString::fromStdString(value))
                  : box->setText(QString::fromStdString(value));
        };
        const std::vector<std::pair<const char*, std::string MechRecord::*>> boxes{
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
            move->setEditText(move->itemText(pick));
            emit move->activated(pick);
            model.Current().MovementType = move->itemText(pick).toStdString();
            set("EngineHits", &MechRecord::EngineHits, "None");
            for (std::size_t b = 0; b < 5; ++b)
                set(boxes[b].first, boxes[b].second, std::to_string(roll(0, 12)));
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
                    set(name, field, text());
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
                    model.Current().OtherHeat = v;
                bar->setValue(v);
            } else if (action < 72) { // valid entries, for one 'Mech or every one
                if (roll(0, 2) == 0)
                    for (int row = 0; row < list->count(); ++row) {
                        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
                        model.selected = row;
                        makeValid();
                    }
                else if (model.selected >= 0)
                    makeValid();
            } else if (action < 78) { // add one 'Mech, or try to add 300
                beforeTurns.clear();
                form.mnuNewMech_Click();
                for (int k = roll(0, 30) ? 299 : 0; k < 300; ++k) {
                    form.NewMechDialog()->Ok_Click();
                    model.Append("New Mech", expected);
                }
            } else if (action < 84) { // delete, answering Yes or No
                if (form.findChild<QAction*>("mnuDeleteMech")->isEnabled()) {
                    const bool yes = roll(0, 2) > 0;
                    f.messages.answers = {yes};
                    form.mnuDeleteMech_Click();
                    if (yes) {
                        beforeTurns.clear();
                        std::move(model.recs.begin() + model.selected + 2, model.recs.end(),
                                  model.recs.begin() + model.selected + 1);
                        model.recs[256] = MechRecord::Defaults();
                        model.roster.erase(model.roster.begin() + model.selected);
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
                    model.Append(name.toStdString(), expected);
                pick->Continue_Click();
            } else if (action < 90) { // dice at the table, on or off
                tableDice->setChecked(!tableDice->isChecked());
            } else if (action < 93) { // undo the last turn
                QCOMPARE(form.findChild<QAction*>("mnuUndoTurn")->isEnabled(),
                         !beforeTurns.empty());
                if (!beforeTurns.empty()) {
                    form.mnuUndoTurn_Click();
                    // What the turn changed comes back; later edits stay.
                    for (std::size_t i = 1; i <= model.roster.size(); ++i) {
                        MechRecord& r = model.recs[i];
                        const MechRecord& o = beforeTurns.back().recs[i];
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
                    const EntryCheck check = CheckEntries(EntriesOf(record));
                    expected.insert(expected.end(), check.Messages.begin(), check.Messages.end());
                    if ((error = error || !check.Messages.empty()))
                        expected.push_back("There was an error, so the turn was not completed");
                    forecast.push_back(Forecast(record));
                }
                f.messages.totals.clear();
                for (int k = 0; k < 2 * n; ++k)
                    f.messages.totals.push_back(roll(0, 40) ? std::optional<int>(roll(2, 12))
                                                            : std::nullopt);
                const std::deque<std::optional<int>> totals = f.messages.totals;
                const Model before = model;
                form.NextTurn_Click();
                const std::size_t asked = totals.size() - f.messages.totals.size();
                const bool atTable = tableDice->isChecked();
                QVERIFY(atTable || asked == 0);
                bool cancelled = false;
                for (std::size_t k = 0; k < asked; ++k)
                    cancelled = cancelled || !totals[k];
                if (!error && !cancelled) {
                    std::size_t next = 0;
                    for (int i = 1; i <= n; ++i) {
                        MechRecord& r = model.recs[std::size_t(i)];
                        const MechForecast& fc = forecast[std::size_t(i - 1)];
                        const MechRecord now = form.Store().Record(i);
                        r.Heat = fc.Level;
                        r.ConditionMod2Fier = fc.Mod2Fier;
                        r.ConditionMP = fc.MP;
                        r.AttemptsToStand = r.WeaponHeat = "0";
                        // Struck when a roll fails; which dice came is the program's.
                        auto struck = [&](int avoidOn, const std::string& stored) {
                            if (avoidOn == 0 || !atTable)
                                return avoidOn == 0 ? std::string() : stored;
                            return *totals[next++] < avoidOn ? std::string("!") : std::string();
                        };
                        const std::string s = struck(fc.ShutdownAvoidOn, now.ConditionShutdown);
                        r.ConditionShutdown = fc.ShutdownAutomatic || s == "!" || s == "Shutdown!!!"
                                                  ? "Shutdown!!!"
                                                  : "";
                        const std::string a = struck(fc.AmmoAvoidOn, now.ConditionAmmoExp);
                        r.ConditionAmmoExp =
                            a == "!" || a == "Ammo Explosion!!!" ? "Ammo Explosion!!!" : "";
                    }
                    QVERIFY(!atTable || next == asked);
                    if (n > 0)
                        beforeTurns.push_back(before);
                }
                model.selected = n ? 0 : model.selected;
            }

            const QString where =
                QString("seed %1, action %2 (%3): ").arg(seed).arg(step).arg(action);
            for (int slot = 0; slot <= 256; ++slot)
                QVERIFY2(form.Store().Record(slot) == model.recs[std::size_t(slot)],
                         qPrintable(where + QString("slot %1 differs").arg(slot)));
            QVERIFY2(list->count() == int(model.roster.size()), qPrintable(where + "roster size"));
            const auto rows = list->selectionModel()->selectedRows();
            QVERIFY2((rows.isEmpty() ? -1 : rows.first().row()) == model.selected,
                     qPrintable(where + "selection"));
            QStringList shown, wanted;
            for (const auto& s : f.messages.shown)
                if (!s.Question) // questions are the player's, answered above
                    shown << s.Text;
            for (const auto& m : expected)
                wanted << QString::fromStdString(m);
            QVERIFY2(shown == wanted, qPrintable(where + "messages"));
            f.messages.shown.clear();
            expected.clear();
        }
        for (int p = 0; p < list->count(); ++p)
            QCOMPARE(list->item(p)->text().toStdString(), model.roster[std::size_t(p)]);
    }
};

QTEST_MAIN(ModelCheckTest)
#include "tst_modelcheck.moc"

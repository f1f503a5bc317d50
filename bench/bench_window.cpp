// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window under the offscreen platform: loading each of 256 'Mechs,
// and a full successful turn of 256 'Mechs through the real window.

#include "BenchRoster.h"
#include "turn/ClockRandom.h"
#include "ui/main/MainForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace caldrix;

namespace {

class CountingMessages : public MessageBoxInterface, public TableRollInterface {
public:
    void Inform(const QString&, const QString&) override { ++shown; }
    bool ConfirmYesNo(const QString&, const QString&) override { return false; }
    std::optional<int> AskTotal(const QString&) override { return std::nullopt; }
    int shown = 0;
};

class NoHelp : public HelpInterface {
public:
    void SetHelpFile(const QString&) override {}
};

// A roster of `count` 'Mechs with mixed, valid entries, as the players left it.
void FillRecords(MainForm& form, int count, int nameLength = 8) {
    GameState state = form.CurrentGame().State();
    state.Names.clear();
    for (int i = 0; i < count; ++i) {
        const MechEntries e = bench::MixedEntries(i);
        std::string name = "Mech " + std::to_string(i);
        name.resize(std::max<std::size_t>(name.size(), std::size_t(nameLength)), 'x');
        state.Names.push_back(name);
        MechRecord& r = state.Records[std::size_t(i + 1)];
        r.MechHeat = e.CarriedHeat;
        r.MechOtherHeat = e.OtherHeat;
        r.MechMovementType = e.MovementType;
        r.MechHexesJumped = e.HexesJumped;
        r.MechAttemptsToStand = e.AttemptsToStand;
        r.MechWeaponHeat = e.WeaponHeat;
        r.MechHeatSinks = e.HeatSinks;
        r.MechEngineHits = e.EngineHits;
        r.MechDHS = e.DoubleHeatSinks ? 1 : 0;
        r.MechFire = e.Fire ? 1 : 0;
        r.MechWalkingThroughFire = e.WalkingThroughFire || !e.StandingInFire;
        r.MechStandingInFire = e.StandingInFire;
        r.MechFireHexes = e.FireHexes;
    }
    form.CurrentGame().Restore(std::move(state));
    form.ShowGame();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CountingMessages messages;
    ClockRandom random(7);
    NoHelp help;
    MainForm form(MainFormServices{messages, random, help, messages});
    form.Form_Load();
    form.show();
    QApplication::processEvents();

    constexpr int kMechs = 256;
    auto* list = form.findChild<QListWidget*>(QStringLiteral("MechNames"));

    // Selecting and loading each 'Mech in turn.
    std::vector<double> loads;
    for (int round = 0; round < 20; ++round) {
        FillRecords(form, kMechs);
        const auto start = std::chrono::steady_clock::now();
        for (int row = 0; row < kMechs; ++row)
            list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        const auto end = std::chrono::steady_clock::now();
        loads.push_back(std::chrono::duration<double, std::micro>(end - start).count() / kMechs);
        QApplication::processEvents();
    }

    // Full turns; the entries are put back before each, as the players would.
    std::vector<double> turns;
    for (int round = 0; round < 30; ++round) {
        FillRecords(form, kMechs);
        const auto start = std::chrono::steady_clock::now();
        form.NextTurn_Click();
        const auto end = std::chrono::steady_clock::now();
        turns.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        QApplication::processEvents(); // let the window repaint between turns
    }
    // One keystroke in an entry box, with the heat forecast closed and open:
    // the key press goes through Qt to the box, its handler and the forecast.
    auto keystrokes = [&] {
        list->setCurrentRow(100, QItemSelectionModel::ClearAndSelect);
        auto* weapons = form.findChild<QLineEdit*>(QStringLiteral("HeatGeneratedByWeapons"));
        weapons->setFocus();
        std::vector<double> times;
        for (int round = 0; round < 2000; ++round) {
            const bool erase = round % 2 == 1;
            QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_7, Qt::NoModifier,
                            erase ? QString() : QStringLiteral("7"));
            const auto start = std::chrono::steady_clock::now();
            QApplication::sendEvent(weapons, &press);
            const auto end = std::chrono::steady_clock::now();
            times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
        return Median(times);
    };
    FillRecords(form, kMechs);
    const double closed = keystrokes();
    form.mnuForecast_Click();
    QApplication::processEvents();
    const double open = keystrokes();

    if (messages.shown != 0) {
        std::fprintf(stderr, "unexpected: %d messages\n", messages.shown);
        return 1;
    }
    std::printf("select and load one of %d 'Mechs: median %.1f us per load\n", kMechs,
                Median(loads));
    std::printf(
        "full turn of %d 'Mechs: median %.2f ms, best %.2f ms (%.1f us per 'Mech); goal < 16 ms\n",
        kMechs, Median(turns), *std::min_element(turns.begin(), turns.end()),
        Median(turns) * 1000.0 / kMechs);
    std::printf("one keystroke with %d 'Mechs: forecast closed %.1f us, open %.1f us, %.1f us "
                "more; goal < 1000 us more\n",
                kMechs, closed, open, open - closed);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"

#include <QObject>
#include <QScrollBar>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace caldrix {

namespace platform {
class ComboBox;
}
class HeatScale;

// The selected 'Mech's side of the main window: its turn actions, its fixed
// data and its conditions. Every edit is stored at once, exactly as typed,
// into the selected 'Mech's record (the scratch slot while none is
// selected); loading a record writes each value into its control, and the
// handlers that run store the same values back.
class MechPanel : public QObject {
    Q_OBJECT
public:
    // Builds the three frames on the window's client area.
    MechPanel(Game& game, HeatScale& scale, QWidget* client);

    // Shows one slot: its level on the heat scale, its entries, its conditions.
    void LoadMechRecord(int slot);

    // The panel's controls in keyboard order, and the one that comes last in the window.
    QList<QWidget*> FocusOrder() const;
    QScrollBar* OtherHeatBar() const { return OtherHeat; }

signals:
    // An entry of the record in `slot` changed.
    void edited(int slot);

private:
    void Build(QWidget* client);
    void Connect();
    template <typename T> void Store(T MechRecord::*field, T value);
    void SetFireInputsEnabled();
    void ChooseFireOption(bool walking);

    void HeatSinks_Change();
    void DHS_Click();
    void EngineHits_Change();
    void EngineHits_Click();
    void MovementType_Change();
    void MovementType_Click();
    void HexesJumpedText_Change();
    void AttemptsToStand_Change();
    void HeatGeneratedByWeapons_Change();
    void OtherHeat_Change();
    void Fire_Click();
    void WalkingThroughFire_Click();
    void StandingInFire_Click();
    void WalkingThroughFireHexes_Change();

    Game& game_;
    HeatScale& scale_;

    platform::ComboBox* MovementType = nullptr;
    QLabel* HexesJumpedLabel = nullptr;
    QLineEdit* HexesJumpedText = nullptr;
    QLineEdit* AttemptsToStand = nullptr;
    QLineEdit* HeatGeneratedByWeapons = nullptr;
    QCheckBox* Fire = nullptr;
    QScrollBar* OtherHeat = nullptr;
    QLabel* OtherHeatText = nullptr;
    QRadioButton* WalkingThroughFire = nullptr;
    QLineEdit* WalkingThroughFireHexes = nullptr;
    QLabel* Label6 = nullptr;
    QRadioButton* StandingInFire = nullptr;
    QLineEdit* HeatSinks = nullptr;
    QCheckBox* DHS = nullptr;
    platform::ComboBox* EngineHits = nullptr;
    QLabel* ConditionShutdown = nullptr;
    QLabel* ConditionAmmoExp = nullptr;
    QLabel* ConditionMod2Fier = nullptr;
    QLabel* ConditionMP = nullptr;
};

} // namespace caldrix

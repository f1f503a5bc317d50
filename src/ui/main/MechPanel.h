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
    void loadMechRecord(int slot);

    // The panel's controls in keyboard order, and the one that comes last in the window.
    QList<QWidget*> focusOrder() const;
    QScrollBar* otherHeatBar() const { return otherHeat_; }

signals:
    // An entry of the record in `slot` changed.
    void edited(int slot);

private:
    void build(QWidget* client);
    void connectControls();
    template <typename T> void store(T MechRecord::*field, T value);
    void setFireInputsEnabled();
    void chooseFireOption(bool walking);

    void heatSinksChange();
    void dhsClick();
    void engineHitsChange();
    void engineHitsClick();
    void movementTypeChange();
    void movementTypeClick();
    void hexesJumpedTextChange();
    void attemptsToStandChange();
    void heatGeneratedByWeaponsChange();
    void otherHeatChange();
    void fireClick();
    void walkingThroughFireClick();
    void standingInFireClick();
    void walkingThroughFireHexesChange();

    Game& game_;
    HeatScale& scale_;

    platform::ComboBox* movementType_ = nullptr;
    QLabel* hexesJumpedLabel_ = nullptr;
    QLineEdit* hexesJumpedText_ = nullptr;
    QLineEdit* attemptsToStand_ = nullptr;
    QLineEdit* heatGeneratedByWeapons_ = nullptr;
    QCheckBox* fire_ = nullptr;
    QScrollBar* otherHeat_ = nullptr;
    QLabel* otherHeatText_ = nullptr;
    QRadioButton* walkingThroughFire_ = nullptr;
    QLineEdit* walkingThroughFireHexes_ = nullptr;
    QLabel* label6_ = nullptr;
    QRadioButton* standingInFire_ = nullptr;
    QLineEdit* heatSinks_ = nullptr;
    QCheckBox* dhs_ = nullptr;
    platform::ComboBox* engineHits_ = nullptr;
    QLabel* conditionShutdown_ = nullptr;
    QLabel* conditionAmmoExp_ = nullptr;
    QLabel* conditionMod2Fier_ = nullptr;
    QLabel* conditionMp_ = nullptr;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/RecordFields.h"
#include "turn/OptionalRules.h"

#include <QObject>
#include <QScrollBar>

#include <array>

class QCheckBox;
class QGroupBox;
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
// data and its conditions. It shows a record, setting its controls quietly,
// and reports each of the player's edits; it stores nothing itself.
class MechPanel : public QObject {
    Q_OBJECT
public:
    // Builds the three frames on the window's client area.
    MechPanel(HeatScale& scale, QWidget* client);

    // The optional rules in play: what the panel shows besides the basic game's.
    void setRules(const OptionalRules& rules);
    // Shows one record: its level on the heat scale, its entries, its conditions.
    void show(const MechRecord& record);

    // The inputs take entries only while a 'Mech is selected.
    void setEditable(bool editable);

    // The panel's controls in keyboard order, and the one that comes last in the window.
    QList<QWidget*> focusOrder() const;
    QScrollBar* otherHeatBar() const { return otherHeat_; }

signals:
    // The player changed one entry of the shown record.
    void edited(const caldrix::RecordEdit& edit);

private:
    void build(QWidget* client);
    void connectControls();
    void followEntries();

    HeatScale& scale_;
    OptionalRules rules_;
    bool down_ = false;           // the shown 'Mech is shut down: it neither moves nor fires
    QGroupBox* frame3_ = nullptr; // turn actions
    QGroupBox* frame4_ = nullptr; // fixed data
    std::array<QWidget*, kRecordFields.size()> controls_{}; // by field

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
    QGroupBox* frame8_ = nullptr; // the optional rules' conditions
    QLabel* coolantLost_ = nullptr;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/GameRules.h"

#include "platform/Controls.h"
#include "platform/Theme.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace caldrix {

namespace {

QCheckBox* makeRule(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(tip);
    return box;
}

} // namespace

GameRules::GameRules(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GameRules"));
    setWindowTitle(tr("Game Rules"));
    setWindowIcon(platform::programIcon());

    auto* intro = new QLabel(tr("Optional heat rules for this game. With every one off, "
                                "Caldrix plays the basic game."),
                             this);
    platform::makePlainLabel(intro);
    intro->setWordWrap(true);
    shutdownLasts_ =
        makeRule(this, "RuleShutdownLasts", tr("A shut-down 'Mech &stays down until it restarts"),
                 tr("It neither moves nor fires; below heat 14 it restarts, from 14 up it rolls to "
                    "restart against its shutdown number."));
    expandedScale_ =
        makeRule(this, "RuleExpandedScale", tr("&Expanded heat scale, levels to 50"),
                 tr("Pilot damage and system failures from 32; shutdown numbers over 12 "
                    "cannot be rolled, so the 'Mech shuts down."));
    temperature_ = new QSpinBox(this);
    temperature_->setObjectName(QStringLiteral("RuleTemperature"));
    temperature_->setRange(kLowestTemperature, kHighestTemperature);
    temperature_->setValue(kRoomTemperature);
    temperature_->setSuffix(QStringLiteral(" \u00B0C"));
    temperature_->setAccessibleName(tr("Temperature"));
    temperature_->setToolTip(tr("Above 50 \u00B0C each 'Mech gains a point of heat a turn for "
                                "each 10 degrees; below -30 \u00B0C it loses one of the heat "
                                "it built up."));
    coolantFailure_ = makeRule(this, "RuleCoolantFailure", tr("Heat-sink &coolant failure"),
                               tr("From heat 5 up a 'Mech rolls each turn; a high roll loses "
                                  "one point of heat dissipation for the rest of the game."));
    auto* temperatureRow = new QFormLayout;
    auto* temperatureLabel = new QLabel(tr("&Temperature:"), this);
    temperatureLabel->setBuddy(temperature_);
    temperatureRow->addRow(temperatureLabel, temperature_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("GameRulesButtons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("GameRulesOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("GameRulesCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, [this] { emit rulesChosen(chosen()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(shutdownLasts_);
    layout->addWidget(expandedScale_);
    layout->addLayout(temperatureRow);
    layout->addWidget(coolantFailure_);
    layout->addWidget(buttons);
}

void GameRules::showRules(const OptionalRules& rules) {
    shutdownLasts_->setChecked(rules.shutdownLasts);
    expandedScale_->setChecked(rules.expandedScale);
    temperature_->setValue(rules.temperature);
    coolantFailure_->setChecked(rules.coolantFailure);
}

OptionalRules GameRules::chosen() const {
    return {shutdownLasts_->isChecked(), expandedScale_->isChecked(), temperature_->value(),
            coolantFailure_->isChecked()};
}

} // namespace caldrix

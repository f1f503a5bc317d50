// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// The fixed layout of the main window, in twips as the form was drawn.

#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/Theme.h"
#include "ui/main/MainForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace caldrix {

using platform::TwipRect;

namespace {

const QColor kWindowGrey{192, 192, 192};

template <typename T> T* Place(T* widget, const char* name, QRect rect) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* frame = Place(new QGroupBox(caption, parent), name, rect);
    // Frames show the button face, not the window's grey.
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect rect,
                  Qt::Alignment horizontal = Qt::AlignLeft) {
    return platform::MakeLabel(parent, QString::fromLatin1(name), caption, rect, horizontal);
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect rect) {
    auto* box = Place(new QLineEdit(parent), name, rect);
    platform::MakeUnlimited(box);
    return box;
}

platform::ComboBox* MakeCombo(QWidget* parent, const char* name, const QStringList& items,
                              QRect rect) {
    auto* combo = Place(new platform::ComboBox(parent), name, rect);
    combo->addItems(items);
    combo->setCurrentIndex(0);
    return combo;
}

} // namespace

void MainForm::BuildLayout() {
    platform::MakeFixedWindow(this, kApplicationTitle);
    setWindowIcon(platform::ProgramIcon());
    setFont(platform::ProgramFont(8));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(platform::Px(9540), platform::Px(6705));
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, kWindowGrey);
    client->setPalette(clientPalette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    MainFormControls& c = ui_;

    // Heat scale: levels 30..6 on the left, 5..0 at the top of the middle.
    c.Frame2 =
        MakeFrame(client, "Frame2", QStringLiteral("Heat Scale"), TwipRect(120, 0, 2775, 6615));
    c.Frame1 =
        MakeFrame(client, "Frame1", QStringLiteral("Heat Scale"), TwipRect(2880, 0, 3495, 1815));
    c.Scale.Build(c.Frame2, c.Frame1);

    c.MechNames = Place(new QListWidget(client), "MechNames", TwipRect(3000, 1920, 3255, 2430));
    c.MechNames->setSelectionMode(QAbstractItemView::SingleSelection);
    c.MechNames->setSortingEnabled(false);
    // One line per 'Mech; spares laying out all 256 names on every selection.
    c.MechNames->setUniformItemSizes(true);
    c.MechNames->setAccessibleName(QStringLiteral("'Mechs in play"));

    // Title panel.
    c.Frame6 = MakeFrame(client, "Frame6", QString(), TwipRect(2880, 4440, 3495, 1575));
    c.Label1 = MakeLabel(c.Frame6, "Label1", QStringLiteral("Caldrix"),
                         TwipRect(120, 240, 3255, 375), Qt::AlignHCenter);
    c.Label1->setFont(platform::ProgramFont(18));
    c.Label8 = MakeLabel(c.Frame6, "Label8", QStringLiteral("By:"), TwipRect(120, 600, 3255, 255),
                         Qt::AlignHCenter);
    c.Label9 = MakeLabel(c.Frame6, "Label9", QStringLiteral("The Caldrix team"),
                         TwipRect(120, 840, 3255, 255), Qt::AlignHCenter);
    c.Label9->setFont(platform::ProgramFont(12));
    c.Label10 = MakeLabel(c.Frame6, "Label10", QStringLiteral("The project's repository"),
                          TwipRect(120, 1080, 3255, 255), Qt::AlignHCenter);
    c.Label10->setFont(platform::ProgramFont(9.75));

    c.NextTurn = Place(new QPushButton(QStringLiteral("Next Turn"), client), "NextTurn",
                       TwipRect(5160, 6240, 1095, 375));
    platform::MakeEnterClicks(c.NextTurn);

    // Turn inputs.
    c.Frame3 =
        MakeFrame(client, "Frame3", QStringLiteral("Turn Actions"), TwipRect(6360, 0, 3135, 3255));
    c.MovementType = MakeCombo(c.Frame3, "MovementType",
                               {QStringLiteral("Stationary"), QStringLiteral("Walking"),
                                QStringLiteral("Running"), QStringLiteral("Jumping")},
                               TwipRect(120, 240, 2895, 300));
    c.MovementType->setAccessibleName(QStringLiteral("Movement Type"));
    c.HexesJumpedLabel = MakeLabel(c.Frame3, "HexesJumpedLabel", QStringLiteral("Hexes Jumped:"),
                                   TwipRect(1320, 720, 1095, 255));
    c.HexesJumpedLabel->setEnabled(false);
    c.HexesJumpedText = MakeTextBox(c.Frame3, "HexesJumpedText", TwipRect(2640, 600, 375, 375));
    c.HexesJumpedText->setEnabled(false);
    c.AttemptsToStand = MakeTextBox(c.Frame3, "AttemptsToStand", TwipRect(120, 960, 495, 375));
    c.Label4 = MakeLabel(c.Frame3, "Label4", QStringLiteral("Attempts to stand"),
                         TwipRect(840, 960, 1335, 255));
    c.HeatGeneratedByWeapons =
        MakeTextBox(c.Frame3, "HeatGeneratedByWeapons", TwipRect(120, 1440, 495, 375));
    c.Label5 = MakeLabel(c.Frame3, "Label5", QStringLiteral("Heat Generated by Weapons"),
                         TwipRect(840, 1440, 2175, 255));
    c.Fire = Place(new QCheckBox(QStringLiteral("Fire"), c.Frame3), "Fire",
                   TwipRect(120, 1800, 735, 375));
    c.Label11 = MakeLabel(c.Frame3, "Label11", QStringLiteral("Other Heat:"),
                          TwipRect(1080, 1800, 855, 255));
    c.OtherHeat =
        Place(new QScrollBar(Qt::Vertical, c.Frame3), "OtherHeat", TwipRect(2040, 1800, 255, 375));
    platform::MakeStepScrollBar(c.OtherHeat, 0, 32767);
    c.OtherHeat->setFocusPolicy(Qt::StrongFocus);
    c.OtherHeatText = MakeLabel(c.Frame3, "OtherHeatText", QStringLiteral("0"),
                                TwipRect(2400, 1800, 615, 255), Qt::AlignHCenter);
    c.WalkingThroughFire = Place(new QRadioButton(QStringLiteral("Walking Through"), c.Frame3),
                                 "WalkingThroughFire", TwipRect(240, 2160, 1575, 375));
    c.WalkingThroughFire->setEnabled(false);
    c.WalkingThroughFireHexes =
        MakeTextBox(c.Frame3, "WalkingThroughFireHexes", TwipRect(1800, 2400, 375, 375));
    c.WalkingThroughFireHexes->setEnabled(false);
    c.Label6 =
        MakeLabel(c.Frame3, "Label6", QStringLiteral("Hexes:"), TwipRect(1080, 2520, 615, 255));
    c.Label6->setEnabled(false);
    c.StandingInFire = Place(new QRadioButton(QStringLiteral("Standing In"), c.Frame3),
                             "StandingInFire", TwipRect(240, 2760, 1575, 375));
    c.StandingInFire->setEnabled(false);

    // Fixed data; drawn over the bottom edge of the turn inputs.
    c.Frame4 = MakeFrame(client, "Frame4", QStringLiteral("Mech Status"),
                         TwipRect(6360, 3120, 3135, 1815));
    c.HeatSinks = MakeTextBox(c.Frame4, "HeatSinks", TwipRect(120, 240, 495, 375));
    c.Label7 =
        MakeLabel(c.Frame4, "Label7", QStringLiteral("Heat Sinks"), TwipRect(840, 360, 1335, 255));
    c.DHS = Place(new QCheckBox(QStringLiteral("Double Heat Sinks"), c.Frame4), "DHS",
                  TwipRect(480, 720, 1575, 375));
    c.Label12 = MakeLabel(c.Frame4, "Label12", QStringLiteral("Engine Hits"),
                          TwipRect(120, 1080, 2175, 255), Qt::AlignHCenter);
    c.EngineHits = MakeCombo(c.Frame4, "EngineHits",
                             {QStringLiteral("None"), QStringLiteral("1st Engine Hit"),
                              QStringLiteral("2nd Engine Hit")},
                             TwipRect(120, 1320, 2295, 315));

    // Condition read-outs; drawn over the bottom edge of the fixed data.
    c.Frame5 = MakeFrame(client, "Frame5", QStringLiteral("Mech Conditions"),
                         TwipRect(6360, 4800, 3135, 1815));
    c.ConditionShutdown =
        MakeLabel(c.Frame5, "ConditionShutdown", QString(), TwipRect(120, 240, 2895, 375));
    c.ConditionAmmoExp =
        MakeLabel(c.Frame5, "ConditionAmmoExp", QString(), TwipRect(120, 600, 2895, 375));
    c.ConditionMod2Fier =
        MakeLabel(c.Frame5, "ConditionMod2Fier", QString(), TwipRect(120, 960, 2895, 375));
    c.ConditionMP = MakeLabel(c.Frame5, "ConditionMP", QString(), TwipRect(120, 1320, 2895, 375));
    for (QLabel* condition :
         {c.ConditionShutdown, c.ConditionAmmoExp, c.ConditionMod2Fier, c.ConditionMP})
        platform::NameLabelByText(condition);

    // Screen readers announce each input by the label beside it.
    c.HexesJumpedText->setAccessibleName(QStringLiteral("Hexes Jumped"));
    c.AttemptsToStand->setAccessibleName(QStringLiteral("Attempts to stand"));
    c.HeatGeneratedByWeapons->setAccessibleName(QStringLiteral("Heat Generated by Weapons"));
    c.OtherHeat->setAccessibleName(QStringLiteral("Other Heat"));
    c.WalkingThroughFireHexes->setAccessibleName(QStringLiteral("Hexes moved through the fire"));
    c.HeatSinks->setAccessibleName(QStringLiteral("Heat Sinks"));
    c.EngineHits->setAccessibleName(QStringLiteral("Engine Hits"));

    // Menus.
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    c.File = bar->addMenu(QStringLiteral("&File"));
    c.File->setObjectName(QStringLiteral("File"));
    c.StartNewGame = c.File->addAction(QStringLiteral("&Start New Game"));
    c.StartNewGame->setObjectName(QStringLiteral("StartNewGame"));
    c.Heiphen2 = c.File->addSeparator();
    c.Heiphen2->setObjectName(QStringLiteral("Heiphen2"));
    c.Exit = c.File->addAction(QStringLiteral("&Exit"));
    c.Exit->setObjectName(QStringLiteral("Exit"));
    c.mnuMechs = bar->addMenu(QStringLiteral("&Mechs"));
    c.mnuMechs->setObjectName(QStringLiteral("mnuMechs"));
    c.mnuNewMech = c.mnuMechs->addAction(QStringLiteral("&New Mech"));
    c.mnuNewMech->setObjectName(QStringLiteral("mnuNewMech"));
    c.mnuDeleteMech = c.mnuMechs->addAction(QStringLiteral("&Delete Mech"));
    c.mnuDeleteMech->setObjectName(QStringLiteral("mnuDeleteMech"));
    c.Help = bar->addMenu(QStringLiteral("&Help"));
    c.Help->setObjectName(QStringLiteral("Help"));
    c.About = c.Help->addAction(QStringLiteral("&About"));
    c.About->setObjectName(QStringLiteral("About"));
    BuildRosterMenu();

    // Focus order; disabled controls are skipped.
    const QList<QWidget*> order{c.MovementType,
                                c.HexesJumpedText,
                                c.AttemptsToStand,
                                c.HeatGeneratedByWeapons,
                                c.Fire,
                                c.WalkingThroughFire,
                                c.StandingInFire,
                                c.WalkingThroughFireHexes,
                                c.HeatSinks,
                                c.DHS,
                                c.EngineHits,
                                c.NextTurn,
                                c.MechNames,
                                c.OtherHeat};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    c.MovementType->setFocus();

    adjustSize();
    setFixedSize(sizeHint());
}

} // namespace caldrix

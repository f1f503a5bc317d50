// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/HeatScale.h"

#include "platform/Controls.h"

#include <QLabel>

namespace caldrix {

using platform::TwipRect;

namespace {

// The effect printed beside each level, for the players; the turn logic
// never reads these.
constexpr std::array<const char*, HeatScale::kLevels> kEffectTexts = {
    "",                            // 0
    "",                            // 1
    "",                            // 2
    "",                            // 3
    "",                            // 4
    "-1 Movement Points",          // 5
    "",                            // 6
    "",                            // 7
    "+1 Modifier to Fire",         // 8
    "",                            // 9
    "-2 Movement Points",          // 10
    "",                            // 11
    "",                            // 12
    "+2 Modifer to Fire",          // 13
    "Shutdown, avoid on 4+",       // 14
    "-3 movement Points",          // 15
    "",                            // 16
    "+3 Modifier to Fire",         // 17
    "Shutdown, avoid on 6+",       // 18
    "Ammo Explosion, avoid on 4+", // 19
    "-4 Movement Points",          // 20
    "",                            // 21
    "Shutdown, avoid on 8+",       // 22
    "Ammo Explosion, avoid on 6+", // 23
    "+4 Modifier to Fire",         // 24
    "-5 Movement Points",          // 25
    "Shutdown, avoid on 10+",      // 26
    "",                            // 27
    "Ammo Explosion, avoid on 8+", // 28
    "",                            // 29
    "Shutdown",                    // 30
};

void SetBackground(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

void HeatScale::Build(QWidget* upperFrame, QWidget* lowerFrame) {
    for (int level = 0; level < kLevels; ++level) {
        QWidget* frame = level >= 6 ? upperFrame : lowerFrame;
        const int top = level >= 6 ? 360 + 240 * (30 - level) : 240 + 240 * (5 - level);

        auto* cell = new QLabel(QStringLiteral("%1").arg(level, 2, 10, QLatin1Char('0')), frame);
        cell->setObjectName(QStringLiteral("Label2(%1)").arg(level));
        platform::MakePlainLabel(cell);
        cell->setGeometry(TwipRect(120, top, 255, 255));
        cell->setFrameShape(QFrame::Box);
        cell->setLineWidth(1);
        cell->setIndent(1);
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        auto* effect =
            new QLabel(QString::fromLatin1(kEffectTexts[static_cast<std::size_t>(level)]), frame);
        effect->setObjectName(QStringLiteral("Label3(%1)").arg(level));
        platform::MakePlainLabel(effect);
        effect->setGeometry(TwipRect(480, top, 2175, 255));
        effect->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        platform::NameLabelByText(effect);

        // Screen readers announce the level and whether it is lit.
        cell->setAccessibleName(QStringLiteral("Heat level %1").arg(level));
        cell->setAccessibleDescription(level == 0 ? QStringLiteral("lit")
                                                  : QStringLiteral("not lit"));

        cells_[level] = cell;
        effects_[level] = effect;
        looks_[level] = Look::Initial;
    }
    // The colours at creation: level 0 lit, a few cells grey, one black text.
    for (int level : {29, 3, 2, 1})
        SetBackground(cells_[level], kLightGrey);
    SetBackground(cells_[0], kLightRed);
    SetTextColour(effects_[5], kBlack);
}

void HeatScale::Paint(int level) {
    if (held_)
        pending_ = level;
    else
        Apply(level);
}

void HeatScale::Release() {
    held_ = false;
    if (pending_)
        Apply(*pending_);
    pending_.reset();
}

void HeatScale::Apply(int level) {
    for (int j = 0; j < kLevels; ++j)
        SetLook(j, j <= level ? Look::Lit : Look::Dark);
}

void HeatScale::SetLook(int level, Look look) {
    if (looks_[level] == look)
        return;
    looks_[level] = look;
    const bool lit = look == Look::Lit;
    SetBackground(cells_[level], lit ? kLightRed : kLightGrey);
    cells_[level]->setAccessibleDescription(lit ? QStringLiteral("lit")
                                                : QStringLiteral("not lit"));
    SetTextColour(effects_[level], lit ? kRed : kBlack);
}

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/HeatScale.h"

#include "platform/Controls.h"

#include <QLabel>

namespace caldrix {

using platform::px;
using platform::twipRect;

namespace {

QColor colour(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

void setBackground(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

void HeatScale::build(QWidget* upperFrame, QWidget* lowerFrame, QWidget* expandedFrame) {
    panel_ = upperFrame;
    platform::setAccessibleValue(panel_, QStringLiteral("level 0"));
    panel_->setAccessibleName(QStringLiteral("Heat Scale"));
    for (int level = 0; level < kLevels; ++level) {
        const bool expanded = level > kMaxBasicLevel;
        QWidget* frame = expanded ? expandedFrame : level >= 6 ? upperFrame : lowerFrame;

        auto* cell = new QLabel(QStringLiteral("%1").arg(level, 2, 10, QLatin1Char('0')), frame);
        cell->setObjectName(QStringLiteral("Label2(%1)").arg(level));
        platform::makePlainLabel(cell);
        // Each level 240 twips above the one below it: 30 at 360 down to 6, 5 at
        // 240 down to 0, 50 at 360 down to 31.
        const int bottom = expanded ? 12360 : level >= 6 ? 7560 : 1440;
        cell->setGeometry(twipRect(120, bottom - 240 * level, 255, 255));
        cell->setFrameShape(QFrame::Box);
        cell->setIndent(px(15)); // one pixel
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);

        auto* effect =
            new QLabel(QString::fromLatin1(heatScaleAt(level, expanded).scaleText), frame);
        effect->setObjectName(QStringLiteral("Label3(%1)").arg(level));
        platform::makePlainLabel(effect);
        effect->setGeometry(twipRect(480, 0, expanded ? 2535 : 2175, 255)); // longer texts there
        effect->setGeometry(effect->geometry().translated(0, cell->y()));
        effect->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        platform::nameLabelByText(effect);

        // Screen readers announce the level, and whether it is lit once painted.
        cell->setAccessibleName(QStringLiteral("Heat level %1").arg(level));

        cells_.at(level) = cell; // at(): a level off the scale fails loudly
        effects_[level] = effect;
        looks_[level] = Look::Initial;
    }
    // The colours at creation: level 0 lit, a few cells grey, one black text.
    for (int level : {29, 3, 2, 1})
        setBackground(cells_[level], colour(scale_colours::kLightGrey));
    setBackground(cells_[0], colour(scale_colours::kLightRed));
    setTextColour(effects_[5], colour(scale_colours::kBlack));
}

void HeatScale::setExpanded(bool expanded) {
    effects_[kMaxBasicLevel]->setText(
        QString::fromLatin1(heatScaleAt(kMaxBasicLevel, expanded).scaleText));
    cells_[kMaxBasicLevel + 1]->parentWidget()->setVisible(expanded);
}

void HeatScale::paint(int level) {
    platform::setAccessibleValue(panel_, QStringLiteral("level %1").arg(level));
    for (int j = 0; j < kLevels; ++j)
        setLook(j, j <= level ? Look::Lit : Look::Dark);
}

void HeatScale::setLook(int level, Look look) {
    if (looks_.at(level) == look) // at(): a level off the scale fails loudly
        return;
    looks_[level] = look;
    const bool lit = look == Look::Lit;
    setBackground(cells_[level],
                  colour(lit ? scale_colours::kLightRed : scale_colours::kLightGrey));
    cells_[level]->setAccessibleDescription(lit ? QStringLiteral("lit")
                                                : QStringLiteral("not lit"));
    setTextColour(effects_[level], colour(lit ? scale_colours::kRed : scale_colours::kBlack));
}

} // namespace caldrix

#include "ui/main/HeatScale.h"

#include "platform/Controls.h"

#include <QLabel>

namespace caldrix {

using platform::TwipRect;

namespace {

// The effect printed beside each level, for the players; the turn logic
// never reads these.
const char* EffectText(int level) {
    switch (level) {
    case 30: return "Shutdown";
    case 28: return "Ammo Explosion, avoid on 8+";
    case 26: return "Shutdown, avoid on 10+";
    case 25: return "-5 Movement Points";
    case 24: return "+4 Modifier to Fire";
    case 23: return "Ammo Explosion, avoid on 6+";
    case 22: return "Shutdown, avoid on 8+";
    case 20: return "-4 Movement Points";
    case 19: return "Ammo Explosion, avoid on 4+";
    case 18: return "Shutdown, avoid on 6+";
    case 17: return "+3 Modifier to Fire";
    case 15: return "-3 movement Points";
    case 14: return "Shutdown, avoid on 4+";
    case 13: return "+2 Modifer to Fire";
    case 10: return "-2 Movement Points";
    case 8: return "+1 Modifier to Fire";
    case 5: return "-1 Movement Points";
    default: return "";
    }
}

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
        cell->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

        auto* effect = new QLabel(QString::fromLatin1(EffectText(level)), frame);
        effect->setObjectName(QStringLiteral("Label3(%1)").arg(level));
        platform::MakePlainLabel(effect);
        effect->setGeometry(TwipRect(480, top, 2175, 255));
        effect->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

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
    SetTextColour(effects_[level], lit ? kRed : kBlack);
}

} // namespace caldrix

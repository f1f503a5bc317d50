// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/RosterList.h"

#include "turn/HeatEffects.h"
#include "turn/HeatScaleTable.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace caldrix {

namespace {

// Draws the row as usual, its name kept clear of the level at the right.
class LevelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int level = index.data(RosterList::kLevelRole).toInt();
        const QString text = QString::number(level);
        const int width = option.fontMetrics.horizontalAdvance(QStringLiteral("30")) + 8;
        QStyleOptionViewItem name = option;
        name.rect.setRight(option.rect.right() - width);
        QStyledItemDelegate::paint(painter, name, index);

        QRect badge(option.rect.right() - width + 1, option.rect.top() + 1, width - 2,
                    option.rect.height() - 2);
        painter->save();
        // A level with an effect wears the heat scale's lit colour.
        const bool effect = *fireModifierText(level) || *movementPenaltyText(level);
        if (effect)
            painter->fillRect(badge, QColor::fromRgb(scale_colours::kLightRed));
        painter->setPen(effect ? QColor(Qt::black)
                               : option.palette.color(option.state & QStyle::State_Selected
                                                          ? QPalette::HighlightedText
                                                          : QPalette::Text));
        painter->drawText(badge, Qt::AlignCenter, text);
        painter->restore();
    }
};

} // namespace

RosterList::RosterList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new LevelDelegate(this));
}

void RosterList::setLevel(QListWidgetItem* item, int level) {
    if (item->data(kLevelRole) == QVariant(level))
        return;
    item->setData(kLevelRole, level);
    item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("heat %1").arg(level));
}

void RosterList::setHint(const QString& hint) {
    if (hint_ == hint)
        return;
    hint_ = hint;
    viewport()->update();
}

void RosterList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    const QString hint = shownHint();
    if (hint.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     hint);
}

void RosterList::keyPressEvent(QKeyEvent* event) {
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (event->key() != Qt::Key_Menu && !shiftF10) {
        QListWidget::keyPressEvent(event);
        return;
    }
    const QModelIndex current = currentIndex();
    emit customContextMenuRequested(current.isValid() ? visualRect(current).bottomLeft()
                                                      : QPoint());
}

} // namespace caldrix

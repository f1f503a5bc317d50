// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/RosterList.h"

#include "game/Game.h"
#include "platform/Controls.h"
#include "turn/HeatEffects.h"
#include "turn/HeatScaleTable.h"

#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace caldrix {

namespace {

// Draws the row as usual, its name kept clear of the level at the right.
class LevelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int level = index.data(RosterList::kLevelRole).toInt();
        // A 'Mech shut down until it restarts is marked before its level.
        const QString down =
            index.data(RosterList::kDownRole).toBool() ? QStringLiteral("\u25BC") : QString();
        const QString text = down + QString::number(level);
        const int width = option.fontMetrics.horizontalAdvance(down + QStringLiteral("30")) + 8;
        QStyleOptionViewItem name = option;
        name.rect.setRight(option.rect.right() - width);
        QStyledItemDelegate::paint(painter, name, index);

        QRect badge(option.rect.right() - width + 1, option.rect.top() + 1, width - 2,
                    option.rect.height() - 2);
        painter->save();
        // A level with an effect wears the heat scale's lit colour.
        const bool effect = *movementPenaltyText(std::min(level, kMaxBasicLevel)); // from 5 up
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

// The local .mtf files among dropped URLs.
QStringList unitFilePaths(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QLatin1String(".mtf"), Qt::CaseInsensitive))
            paths << url.toLocalFile();
    return paths;
}

} // namespace

RosterList::RosterList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new LevelDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    // One line per 'Mech; spares laying out all 256 names on every selection.
    setUniformItemSizes(true);
    viewport()->setAcceptDrops(true);
    connect(this, &QListWidget::itemSelectionChanged, this,
            [this] { emit rowChosen(platform::selectedIndex(this)); });

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("RosterMenu"));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QListWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(viewport()->mapToGlobal(at)); });
}

void RosterList::showGame(const Game& game) {
    const QSignalBlocker quiet(this);
    const int count = game.mechCount();
    while (this->count() > count)
        delete takeItem(this->count() - 1);
    for (int row = 0; row < count; ++row) {
        const QString name = platform::toQ(game.mechName(row));
        if (row >= this->count())
            addItem(name);
        else if (item(row)->text() != name)
            item(row)->setText(name);
        const MechRecord& record = game.mechRecord(row);
        setLevel(item(row), record.heat, shutDownNow(record, game.rules()));
    }
    showSelected(game.selected());
}

void RosterList::showSelected(int row) {
    const QSignalBlocker quiet(this);
    if (platform::selectedIndex(this) != row)
        platform::setSelectedIndex(this, row);
}

void RosterList::setLevel(QListWidgetItem* item, int level, bool down) {
    if (item->data(kLevelRole) == QVariant(level) && item->data(kDownRole).toBool() == down)
        return;
    item->setData(kLevelRole, level);
    item->setData(kDownRole, down);
    item->setData(Qt::AccessibleDescriptionRole,
                  down ? QStringLiteral("heat %1, shut down").arg(level)
                       : QStringLiteral("heat %1").arg(level));
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

void RosterList::mousePressEvent(QMouseEvent* event) {
    // A click below the rows keeps the selection: only the program sets none.
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

bool RosterList::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int row = indexAt(help->pos()).row();
    if (row < 0 || !rowTip_) // the rows are the 'Mechs: below them is empty space
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), rowTip_(row), viewport());
    return true;
}

void RosterList::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void RosterList::dragMoveEvent(QDragMoveEvent* event) {
    if (unitFilePaths(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void RosterList::dropEvent(QDropEvent* event) {
    const QStringList paths = unitFilePaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit unitFilesDropped(paths);
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

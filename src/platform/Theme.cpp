// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Theme.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>

namespace caldrix::platform {

QFont programFont(qreal points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Carlito"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    // Plain Latin captions need no shaping; skipping it halves the cost of
    // every text a 'Mech's load puts into the boxes.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QIcon programIcon() {
    QIcon icon;
    for (const char* file : {":/caldrix-16.png", ":/caldrix-32.png", ":/caldrix-48.png"})
        icon.addFile(QString::fromLatin1(file));
    return icon;
}

QIcon aboutIcon() {
    return QIcon(QStringLiteral(":/about-32.png"));
}

void applyTheme(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    app.setFont(programFont(8));
}

QString contactLine() {
    const QString contact = QStringLiteral(CALDRIX_CONTACT);
    return contact.isEmpty() ? QStringLiteral("Version " CALDRIX_VERSION) : contact;
}

void makeFixedWindow(QWidget* window, const QString& caption, bool minimizeBox) {
    window->setWindowTitle(caption);
    const Qt::WindowType type = window->inherits("QDialog") ? Qt::Dialog : Qt::Window;
    Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

void centreOver(QWidget* window, const QWidget* over) {
    if (!over || !over->isVisible()) {
        centreOnScreen(window);
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(over->frameGeometry().center());
    window->move(frame.topLeft());
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen(); // the primary screen until it is on one
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

namespace {

QRect available(const QWidget* window, const QWidget* over) {
    const QScreen* screen = (over ? over : window)->screen();
    return screen ? screen->availableGeometry() : QRect();
}

// The window manager's frame around the window, or, before it is shown,
// around the main window.
QMargins frameOf(const QWidget* window, const QWidget* over) {
    const QWidget* framed = window->isVisible() || !over ? window : over;
    const QRect frame = framed->frameGeometry(), inner = framed->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

} // namespace

void fitOnScreen(QWidget* window, const QWidget* over) {
    const QRect area = available(window, over);
    if (area.isEmpty())
        return;
    const QMargins frame = frameOf(window, over);
    const QSize room = area.size().shrunkBy(frame);
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSize()));
    QRect outer = QRect(window->pos(), window->size()).marginsAdded(frame);
    // Off neither the right nor the bottom edge, and, for a window whose
    // minimum size is larger than the screen, off neither the left nor the top.
    outer.moveLeft(std::max(area.left(), std::min(outer.left(), area.right() - outer.width() + 1)));
    outer.moveTop(std::max(area.top(), std::min(outer.top(), area.bottom() - outer.height() + 1)));
    window->move(outer.topLeft());
}

void placeBeside(QWidget* window, const QWidget* over, bool leftFirst, const QList<QRect>& clear) {
    fitOnScreen(window, over);
    if (!over || !over->isVisible())
        return;
    const QRect area = available(window, over);
    const QRect main = over->frameGeometry();
    const QMargins frame = frameOf(window, over);
    QSize outer = window->size().grownBy(frame);
    const auto free = [&](const QRect& place) {
        return area.contains(place) &&
               std::none_of(clear.begin(), clear.end(),
                            [&](const QRect& taken) { return place.intersects(taken); });
    };
    const QPoint right(main.right() + 1, main.top()), left(main.left() - outer.width(), main.top());
    for (const QPoint at : {leftFirst ? left : right, leftFirst ? right : left,
                            QPoint(main.left(), main.bottom() + 1),
                            QPoint(main.left(), main.top() - outer.height())}) {
        QRect place(at, outer);
        place.moveBottom(std::min(place.bottom(), area.bottom()));
        place.moveRight(std::min(place.right(), area.right()));
        if (free(place) && !place.intersects(main)) {
            window->move(place.topLeft());
            return;
        }
    }
    // No room beside: over `over`, under its menu bar, shorter if need be,
    // and on another window only where both edges are taken.
    const int top = clear.isEmpty() ? area.top() : std::max(area.top(), clear.first().bottom() + 1);
    outer.setHeight(
        std::min(outer.height(), std::max(area.bottom() + 1 - top, window->minimumHeight())));
    QRect place(QPoint(area.right() + 1 - outer.width(), top), outer);
    if (!free(place))
        if (const QRect other({area.left(), top}, outer); free(other))
            place = other;
    window->resize(outer.shrunkBy(frame));
    window->move(place.topLeft());
}

namespace {

class FitWhenShown : public QObject {
public:
    FitWhenShown(QWidget* window, const QWidget* over) : QObject(window), over_(over) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        // The window's own show first: a message box takes its size there
        // and a dialog centres itself on its window. Moved before that, it
        // would stay where it was put, at the screen's corner.
        watched->event(event);
        fitOnScreen(static_cast<QWidget*>(watched), over_);
        return true;
    }

private:
    QPointer<const QWidget> over_;
};

} // namespace

void keepOnScreen(QWidget* window, const QWidget* over) {
    new FitWhenShown(window, over);
}

} // namespace caldrix::platform

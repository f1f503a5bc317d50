// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Theme.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>

namespace caldrix::platform {

QFont ProgramFont(qreal points, bool bold) {
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

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/caldrix-%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon AboutIcon() {
    return QIcon(QStringLiteral(":/about-32.png"));
}

void ApplyTheme(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    app.setFont(ProgramFont(8));
}

QString ContactLine() {
    const QString contact = QStringLiteral(CALDRIX_CONTACT);
    return contact.isEmpty() ? QStringLiteral("Version " CALDRIX_VERSION) : contact;
}

void MakeFixedWindow(QWidget* window, const QString& caption, bool minimizeBox) {
    window->setWindowTitle(caption);
    const Qt::WindowType type = window->inherits("QDialog") ? Qt::Dialog : Qt::Window;
    Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

void CentreOver(QWidget* window, const QWidget* over) {
    if (!over || !over->isVisible()) {
        CentreOnScreen(window);
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(over->frameGeometry().center());
    window->move(frame.topLeft());
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace caldrix::platform

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QIcon>
#include <QList>
#include <QRect>

class QApplication;
class QWidget;

namespace caldrix::platform {

// The program's dialog font at a given size. The layouts were drawn for a
// narrow 8 pt sans; Carlito keeps every caption inside its fixed rectangle.
QFont programFont(qreal points, bool bold = false);

// The program's icon, a grey pocket calculator with a red display, and the
// About box's own. Bitmaps, so that start-up loads no SVG renderer.
QIcon programIcon();
QIcon aboutIcon();

// How to reach the makers, as the build was told (CALDRIX_CONTACT); without
// one, the program's version.
QString contactLine();

// Style and font for the whole application.
void applyTheme(QApplication& app);

// A fixed-size window without a maximize box, and without a minimize box
// unless asked; centred on its screen.
void makeFixedWindow(QWidget* window, const QString& caption, bool minimizeBox = false);
// Centred over another window, or on the screen when there is none.
void centreOver(QWidget* window, const QWidget* over);
void centreOnScreen(QWidget* window);

// Every window the program opens lies wholly on the available area of the
// main window's screen (`over`'s), never larger than that area, at any scale.
void fitOnScreen(QWidget* window, const QWidget* over);
// Beside `over` where its screen has room for it (right or left first,
// then below, above), clear of the rects in `clear` (global coordinates):
// `over`'s menu bar first, then the other windows. Where there is none, over
// `over` at the screen's right or left edge, below the menu bar.
void placeBeside(QWidget* window, const QWidget* over, bool leftFirst = false,
                 const QList<QRect>& clear = {});
// Fits the window each time it is shown, wherever Qt first put it.
void keepOnScreen(QWidget* window, const QWidget* over);

} // namespace caldrix::platform

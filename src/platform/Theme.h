#pragma once

#include <QFont>

class QApplication;
class QWidget;

namespace caldrix::platform {

// The program's dialog font at a given size. The layouts were drawn for a
// narrow 8 pt sans; Carlito keeps every caption inside its fixed rectangle.
QFont ProgramFont(qreal points, bool bold = false);

// Style and font for the whole application.
void ApplyTheme(QApplication& app);

// A fixed-size window without maximize and minimize boxes, centred on its screen.
void MakeFixedWindow(QWidget* window, const QString& caption);
void CentreOnScreen(QWidget* window);

} // namespace caldrix::platform

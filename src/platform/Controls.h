// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The toolkit contract: what the windows rely on from Qt's widgets. A value
// set by the program raises the same handler as the user's change, at once
// and nested; these helpers absorb where Qt differs from that.

#include <QRect>
#include <QString>
#include <Qt>

#include <string_view>

class QCheckBox;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace caldrix::platform {

// Layouts are given in twips; 15 twips make one device-independent pixel.
constexpr int px(int twips) {
    return twips / 15;
}
// The engine's UTF-8 text as Qt shows it.
inline QString toQ(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QRect twipRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// The selected row, -1 while no row is highlighted. Qt's current row is not
// used: it can point at an item that is not selected.
int selectedIndex(const QListWidget* list);
// Selects a row, or clears the selection and the current row for -1.
void setSelectedIndex(QListWidget* list, int row);

// Sets a text box's text, raising its change handler when the text changes.
// Equal text is left alone: re-laying it out is most of a load's cost.
void setBoxText(QLineEdit* box, const QString& text);

// Selects or deselects an option button. Deselecting the selected button of
// an exclusive group needs the exclusivity suspended; it raises no handler.
void setOptionSelected(QRadioButton* option, bool selected);

// A vertical scroll bar whose change handler runs on every step and on
// release of the thumb, not while the thumb is dragged.
void makeStepScrollBar(QScrollBar* bar, int minimum, int maximum);

// A very long word (a file name, a 'Mech's name) may break anywhere, so
// that a wrapping label stays within the screen: a zero-width space every
// 40 characters of it.
QString breakable(const QString& text);

// Text boxes that take as much as a saved game holds (Qt's own limit is
// 32,767 characters): whatever is typed can be opened again.
void capTypedText(QLineEdit* box);

// Screen readers: an empty label has no name of its own (not its frame's
// caption), and a combo box is named by its accessible name.
void nameLabelByText(QLabel* label);
// What a screen reader reads as the widget's value ("level 12").
void setAccessibleValue(QWidget* widget, const QString& value);
void nameComboByAccessibleName(QComboBox* combo);
// A status text a pixel in size, heard rather than seen: each announcement
// renames it and tells the screen reader so.
QLabel* makeAnnouncer(QWidget* parent, const QString& name);
void announce(QLabel* announcer, const QString& text);

// Labels show their text literally: no markup, no mnemonics.
void makePlainLabel(QLabel* label);
// A frame that shows the button face, not the window's grey.
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, QRect rect);
// A plain label named `name` at `rect`, its text at the top.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect,
                  Qt::Alignment horizontal = Qt::AlignLeft);

} // namespace caldrix::platform

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ComboBox.h"

#include "platform/Controls.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace caldrix::platform {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert); // Enter never adds the text to the list
    setCompleter(nullptr);                // no inline completion: "Jum" stays "Jum"
    nameComboByAccessibleName(this);
    connect(this, &QComboBox::editTextChanged, this, [this] {
        followText();
        if (!picking_)
            emit change();
    });
    connect(this, &QComboBox::activated, this, [this] {
        picking_ = false;
        emit click();
    });
    // Typing always ends a pick that never came (a popup closed unchosen).
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { picking_ = false; });
}

void ComboBox::setText(const QString& text) {
    picking_ = false;
    if (currentText() != text)
        setEditText(text);
    followText();
}

void ComboBox::followText() {
    const QString text = currentText();
    const int index = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index == currentIndex())
        return;
    // Setting the index rewrites the text field; put back what was shown.
    const int cursor = lineEdit()->cursorPosition();
    const QSignalBlocker blockCombo(this);
    const QSignalBlocker blockEdit(lineEdit());
    setCurrentIndex(index);
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
    lineEdit()->setCursorPosition(cursor);
}

void ComboBox::hidePopup() {
    // An open list closes right before Qt reports the item chosen in it.
    const bool open = view()->window()->isVisible();
    QComboBox::hidePopup();
    if (!open)
        return;
    picking_ = true;
    QMetaObject::invokeMethod(
        this, [this] { picking_ = false; }, Qt::QueuedConnection);
}

void ComboBox::keyPressEvent(QKeyEvent* event) {
    // The arrow and page keys step through the list: a pick.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        picking_ = true;
        QComboBox::keyPressEvent(event);
        picking_ = false;
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

void ComboBox::wheelEvent(QWheelEvent* event) {
    picking_ = true;
    QComboBox::wheelEvent(event);
    picking_ = false;
}

} // namespace caldrix::platform

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ComboBox.h"

#include "platform/Controls.h"

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
        emit change();
    });
}

void ComboBox::setText(const QString& text) {
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

} // namespace caldrix::platform

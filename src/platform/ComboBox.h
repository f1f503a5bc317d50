// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

namespace caldrix::platform {

// An editable combo box that keeps what is typed exactly and reports one
// event, Change, whenever its text changes: typed, stepped with the arrow
// keys or the wheel, or picked from its list.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    // Sets the text field; raises Change when the text changes.
    void setText(const QString& text);

signals:
    void change();

private:
    // The list's current item is the one whose text is shown, or none, so
    // the arrow keys and the list step from what the player sees. Moved
    // without raising a handler.
    void followText();
};

} // namespace caldrix::platform

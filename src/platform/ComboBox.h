// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

namespace caldrix::platform {

// An editable combo box that keeps what is typed exactly, with the two
// events the windows handle: Change when its text is typed or set, Click
// when an item is picked from its list (and then not Change as well).
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    // Sets the text field; raises Change when the text changes.
    void setText(const QString& text);

    void hidePopup() override;

signals:
    void change();
    void click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // The list's current item is the one whose text is shown, or none, so
    // the arrow keys and the list step from what the player sees. Moved
    // without raising a handler.
    void followText();

    // Qt puts a picked item's text into the field before it reports the
    // pick; while a pick is under way that text change is not a Change.
    bool picking_ = false;
};

} // namespace caldrix::platform

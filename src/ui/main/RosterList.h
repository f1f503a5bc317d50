// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

namespace caldrix {

// The roster list: each row shows its 'Mech's heat level at its right end
// (painted, not part of the name), and the empty list a hint in grey.
class RosterList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kLevelRole = Qt::UserRole + 1;

    explicit RosterList(QWidget* parent = nullptr);

    // The level a row shows, also given to screen readers ("heat 12").
    static void setLevel(QListWidgetItem* item, int level);
    void setHint(const QString& hint);
    // The hint shows only while the roster is empty.
    QString shownHint() const { return count() > 0 ? QString() : hint_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The Menu key and Shift+F10 ask for the context menu at the current row.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString hint_;
};

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

#include <functional>

class QMenu;

namespace caldrix {

class Game;

// The roster list: each row shows its 'Mech's heat level at its right end
// (painted, not part of the name), and the empty list a hint in grey. It
// follows the game quietly and reports only the player's choice of a row;
// it opens its context menu, shows a row's forecast when hovered, and takes
// unit files dropped on it.
class RosterList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kLevelRole = Qt::UserRole + 1;
    static constexpr int kDownRole = Qt::UserRole + 2; // shut down until it restarts

    explicit RosterList(QWidget* parent = nullptr);

    // The names, levels and selection of the game, set without a signal.
    void showGame(const Game& game);
    // Highlights a row, or none for -1, without a signal.
    void showSelected(int row);

    // Right click anywhere on the list, the Menu key or Shift+F10 open it.
    QMenu* menu() const { return menu_; }
    // What hovering a row shows.
    void setRowTip(std::function<QString(int row)> tip) { rowTip_ = std::move(tip); }

    // The level a row shows, also given to screen readers ("heat 12").
    static void setLevel(QListWidgetItem* item, int level, bool down);
    void setHint(const QString& hint);
    // The hint shows only while the roster is empty.
    QString shownHint() const { return count() > 0 ? QString() : hint_; }

signals:
    // The player chose a row, or none (-1).
    void rowChosen(int row);
    // Local .mtf files were dropped on the list.
    void unitFilesDropped(const QStringList& paths);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The Menu key and Shift+F10 ask for the context menu at the current row.
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QString hint_;
    QMenu* menu_ = nullptr;
    std::function<QString(int row)> rowTip_;
};

} // namespace caldrix

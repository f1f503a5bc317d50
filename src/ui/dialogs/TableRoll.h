// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QPointer>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace caldrix {

// Asks the players for the total of two dice rolled at the table, 2 to 12;
// nothing when they cancel the turn. Tests answer through a double.
class TableRollInterface {
public:
    virtual ~TableRollInterface() = default;
    virtual std::optional<int> askTotal(const QString& question) = 0;
};

// The question in a TableRoll box, modal over the main window.
class QtTableRoll : public TableRollInterface {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    std::optional<int> askTotal(const QString& question) override;

private:
    QPointer<QWidget> owner_;
};

// Asks for the total of two dice rolled at the table. OK accepts only a
// whole number from 2 to 12; "Cancel Turn", Escape and the close control
// abandon the turn.
class TableRoll : public QDialog {
    Q_OBJECT
public:
    explicit TableRoll(const QString& question, QWidget* parent = nullptr);
    std::optional<int> total() const;

private:
    void check();

    QLineEdit* total_ = nullptr;
    QLabel* why_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace caldrix

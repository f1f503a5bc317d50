// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace caldrix {

// Modal message boxes. Windows ask through this so that tests can answer.
class MessageBoxInterface {
public:
    virtual ~MessageBoxInterface() = default;
    // Text, an OK button, no icon; the title "Caldrix" unless one is given.
    virtual void Inform(const QString& text, const QString& title = {}) = 0;
    // Yes and No with the stop icon, No the default. True for Yes.
    virtual bool ConfirmYesNo(const QString& text, const QString& title) = 0;
    // Asks for the total of two dice rolled at the table, 2 to 12; nothing
    // when the players cancel the turn.
    virtual std::optional<int> AskDiceTotal(const QString& text) = 0;
};

inline const QString kApplicationTitle = QStringLiteral("Caldrix");

} // namespace caldrix

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace caldrix {

// Modal message boxes. Windows ask through this so that tests can answer.
class MessageBoxInterface {
public:
    virtual ~MessageBoxInterface() = default;
    // Text, an OK button, no icon; the title "Caldrix" unless one is given.
    virtual void inform(const QString& text, const QString& title = {}) = 0;
    // Yes and No with the stop icon, No the default. True for Yes.
    virtual bool confirmYesNo(const QString& text, const QString& title) = 0;
};

inline const QString kApplicationTitle = QStringLiteral("Caldrix");

} // namespace caldrix

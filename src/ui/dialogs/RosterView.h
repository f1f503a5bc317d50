// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/MechRecordStore.h"

#include <QString>

namespace caldrix {

// What the turn-tool windows may see of the game: the roster and its
// records, read-only.
class RosterView {
public:
    virtual ~RosterView() = default;
    virtual int MechCount() const = 0;
    virtual QString MechName(int row) const = 0;
    virtual MechRecord MechRecordAt(int row) const = 0;
};

} // namespace caldrix

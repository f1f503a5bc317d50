// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/UnitFile.h"

#include <QString>

namespace caldrix::platform {

// Reads one unit file safely: never more than the limit, never trusted.
UnitFileResult readUnitFile(const QString& path);

} // namespace caldrix::platform

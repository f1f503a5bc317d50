// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/UnitFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace caldrix::platform {

// A file's bytes, never more than limit + 1 of them, so that the caller can
// tell a file over its limit without reading all of it. Nothing when the
// path is not a regular file or the read fails.
std::optional<QByteArray> readFileBytes(const QString& path, qint64 limit);

// Reads one unit file safely: never more than the limit, never trusted.
UnitFileResult readUnitFile(const QString& path);

} // namespace caldrix::platform

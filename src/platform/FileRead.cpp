// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileRead.h"

#include <QFile>
#include <QFileInfo>

namespace caldrix::platform {

std::optional<QByteArray> readFileBytes(const QString& path, qint64 limit) {
    QFile file(path);
    // Only a regular file: a device or a pipe could block or never end.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}

UnitFileResult readUnitFile(const QString& path) {
    const std::optional<QByteArray> bytes =
        readFileBytes(path, static_cast<qint64>(kMaxUnitFileBytes));
    if (!bytes) {
        UnitFileResult result;
        result.problem = "it cannot be read";
        return result;
    }
    return parseUnitFile(
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

} // namespace caldrix::platform

// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UnitFileRead.h"

#include <QFile>
#include <QFileInfo>

namespace caldrix::platform {

UnitFileResult readUnitFile(const QString& path) {
    UnitFileResult result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.problem = "it cannot be read";
        return result;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxUnitFileBytes) + 1);
    if (file.error() != QFile::NoError) {
        result.problem = "it cannot be read";
        return result;
    }
    return parseUnitFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace caldrix::platform

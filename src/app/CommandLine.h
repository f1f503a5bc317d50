// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

namespace caldrix {

struct CommandLine {
    // The exit status when the program is to end at once: 0 after --help or
    // --version, 2 for a bad argument.
    std::optional<int> exit;
    QString gameFile; // a saved game to open at start
};

// Reads the command line before any window exists, so that --help and
// --version need no display.
CommandLine readCommandLine(int argc, char* argv[]);

} // namespace caldrix

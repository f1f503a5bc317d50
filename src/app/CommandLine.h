// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

namespace caldrix {

// Reads the command line before any window exists, so that --help and
// --version need no display. Gives the exit status when the program is to
// end at once (0 after --help or --version, 2 for a bad argument); nothing
// when it is to start.
std::optional<int> HandleCommandLine(int argc, char* argv[]);

} // namespace caldrix

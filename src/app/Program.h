// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace caldrix {

// Runs Caldrix: the main window, whose load handler does the set-up, until
// the program ends. `whenShown`, if given, runs once the main window is shown
// and the event loop is idle (the start-up benchmark uses it).
int runProgram(int argc, char* argv[], const std::function<void()>& whenShown = {});

} // namespace caldrix

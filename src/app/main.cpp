// SPDX-FileCopyrightText: 2026 The Caldrix team
// SPDX-License-Identifier: GPL-3.0-or-later

// Caldrix: a heat tracker for 'Mech tabletop games.

#include "app/Program.h"

int main(int argc, char* argv[]) {
    return caldrix::runProgram(argc, argv);
}

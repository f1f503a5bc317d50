// Caldrix: a heat tracker for 'Mech tabletop games.

#include "app/Program.h"

int main(int argc, char* argv[]) {
    return caldrix::RunProgram(argc, argv);
}

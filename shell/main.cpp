// Schallausbreitung: sound propagation in the particle model, as a teaching simulation.

#include "screen/window.h"
#include "shell/program.h"

int main(int, char** argv) { return runInWindow(argv[0], runProgram); }

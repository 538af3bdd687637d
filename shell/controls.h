#pragma once

#include "shell/program.h"

// The first step of every frame: takes the frame's key (a close request ends the program at once),
// starts the frame from a copy of the background, acts on a click on the control row or the info
// button, then on the key, and last advances the source drive.
void handleInput(Program& program);

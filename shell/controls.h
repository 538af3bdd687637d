#pragma once

#include "shell/program.h"
#include "view/panel.h"

// Whether a click at (x, y) hits a row button: strictly inside its face's x band and the row's
// y band, edges excluded.
bool hitsRowButton(PanelEntry entry, std::int32_t x, std::int32_t y);

// The first step of every frame: takes the frame's key (a close request ends the program at once),
// starts the frame from a copy of the background, acts on a click on the control row or the info
// button, then on the key, and last advances the source drive.
void handleInput(Program& program);

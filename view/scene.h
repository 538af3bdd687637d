#pragma once

// Page roles and colours shared by the picture and the shell.

#include "screen/screen.h"

// The static scene: grey ground, control row, icons and caption.
constexpr int BACKGROUND_PAGE = 0;
// Each frame is composed here from a copy of the background; also scratch for sprites and labels.
constexpr int WORK_PAGE = 1;
// The visible page once the scene is set up; receives each finished frame.
constexpr int DISPLAY_PAGE = 2;

constexpr Rgb32 BACKGROUND_GREY = 0xFFDCDCDC;  // the ground, and the plain colour of every button
constexpr Rgb32 TRANSPARENT_KEY = 0xFFFF00FF;  // skipped by transparent puts

#pragma once

// Where the 640 x 480 page stands in a window of any size: at the largest whole-number scale that
// fits, centred on black, so every page pixel is a sharp square; in a window smaller than the page,
// at the largest scale that keeps the aspect. Used for drawing (in the window's pixels) and for
// the pointer (in the window's coordinates).

struct Viewport {
    int x, y;           // top left corner of the page in the window
    int width, height;  // the page's size in the window
};

Viewport fitPage(int windowWidth, int windowHeight);

// The page pixel under the window point (wx, wy), or false if the point lies outside the page.
bool pagePoint(const Viewport& viewport, int wx, int wy, int& px, int& py);

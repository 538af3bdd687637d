#pragma once

// The event side of the facility: what a window backend (or a test acting as one) reports.
// Every call takes the facility's lock; any thread may call them.

#include <cstdint>
#include <string>

#include "screen/screen.h"

// A key string enters the queue (at most 15 wait; the oldest is dropped) and keyPosted is set.
void queueKey(const std::string& keyString);
// The pointer is over the client area at (x, y).
void pointerMoved(int x, int y);
// The pointer has left the client area.
void pointerLeft();
// The buttons held now: the sum of 1 (left), 2 (right) and 4 (middle).
void buttonsHeld(int buttons);
// The wheel turned `steps` events away from the user (negative: towards the user).
void wheelTurned(int steps);
// The window became active or inactive; either way the held buttons are dropped.
void windowActivated(bool active);

// Copies the visible page into `out` (640 x 480 pixels) if it may have changed since `shownVersion`,
// and updates `shownVersion`. Returns whether it copied. Never shows a half-done operation.
bool copyVisiblePageIfChanged(std::uint64_t& shownVersion, Rgb32* out);

// A copy of a page, for tests and tools; an empty vector for a page number out of range.
std::vector<Rgb32> pageSnapshot(int page);

#pragma once

// The window backend: an SDL2 window that shows the facility's visible page and feeds its event
// side. Nothing outside screen/sdl_window.cpp sees SDL.

#include <cstdint>

// A picture for the window's icon: width x height pixels 0xAARRGGBB, row by row.
struct WindowIcon {
    int width, height;
    const std::uint32_t* pixels;
};

// Opens the 640 x 480 window, titled with the program file's name (`programPath` without its
// directory, cut before its last full stop) and with `icon` if given, and runs `program` on a
// thread of its own while the calling thread, which must be the process's main thread, keeps the
// window refreshed and collects its events. F11 and Alt+Enter switch between the window and full
// screen, where the page is shown at the largest whole scale that fits, centred on black. Returns
// the status the program passed to endProgram (0 if it simply returned), once the window is closed;
// returns 1 at once if no window could be opened.
int runInWindow(const char* programPath, void (*program)(), const WindowIcon* icon = nullptr);

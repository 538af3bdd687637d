#pragma once

// The control row at the bottom of the window, and the static scene drawn onto BACKGROUND_PAGE.

#include <array>
#include <cstdint>

struct PanelButton {
    std::int32_t left;   // the face's left x
    std::int32_t width;  // the face spans left to left + width
    const char* label;   // code page 437
};

enum PanelEntry {
    PUSH_LEFT_BUTTON,
    SINE_BUTTON,
    PUSH_RIGHT_BUTTON,
    SLOWER_BUTTON,
    FASTER_BUTTON,
    PAUSE_BUTTON,
    END_BUTTON,
    NO_BARRIER_BUTTON,
    MEMBRANE_BUTTON,
    WALL_BUTTON,
    INFO_BUTTON,  // not a face: the round "i" icon; the entry gives its x extent
    PANEL_ENTRIES
};

struct PanelLayout {
    std::int32_t panelY;  // top y of every button face in the row
    std::array<PanelButton, PANEL_ENTRIES> buttons;
};

// The one table of the panel's geometry, used for drawing and for the hit tests.
inline constexpr PanelLayout panelButtons = {
    453,
    {{
        {10, 20, "<-"},
        {37, 35, ""},  // the sine icon is drawn on it
        {79, 20, "->"},
        {200, 10, "\x11"},
        {216, 10, "\x10"},
        {232, 40, "Pause"},
        {277, 40, "Ende"},
        {438, 60, "ohne"},
        {504, 60, "Membran"},
        {570, 60, "Wand"},
        {620, 20, ""},
    }},
};

// Draws one row button of the panel with its own geometry and label in the given colour.
void drawPanelButton(PanelEntry entry, std::int32_t red, std::int32_t green, std::int32_t blue);

// Draws everything that does not move onto BACKGROUND_PAGE, over the grey ground and over its own
// earlier drawing: every button in its plain grey, the sine icon, the info disc with its "i", and
// the caption line. Called by restartScene. Leaves BACKGROUND_PAGE selected, DISPLAY_PAGE shown and
// the text colours black on grey.
void drawStaticScene();

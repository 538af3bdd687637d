// Text output: whole cells at the text cursor, or glyph pixels alone at any point.

#include <cstring>

#include "screen/font_8x16.h"
#include "screen/state.h"

namespace {

constexpr int TEXT_COLUMNS = 80;
constexpr int TEXT_ROWS = 30;
constexpr int CELL_WIDTH = 8;
constexpr int CELL_HEIGHT = 16;

// Moves the cursor to column 1 of the next row; below the last row the work page scrolls up one
// row of cells, like a console, and the freed row takes the text background.
void newLine(ScreenState& s) {
    s.textColumn = 1;
    if (s.textRow < TEXT_ROWS) {
        ++s.textRow;
        return;
    }
    auto rows = workRows(s);
    std::memmove(rows[0], rows[CELL_HEIGHT], sizeof(Rgb32) * SCREEN_WIDTH * (SCREEN_HEIGHT - CELL_HEIGHT));
    for (int y = SCREEN_HEIGHT - CELL_HEIGHT; y < SCREEN_HEIGHT; ++y)
        for (Rgb32& pixel : rows[y]) pixel = s.textBackground;
}

// Draws the whole cell at the cursor and moves the cursor on, wrapping after column 80.
void printCell(ScreenState& s, unsigned char code) {
    auto rows = workRows(s);
    const int left = (s.textColumn - 1) * CELL_WIDTH, top = (s.textRow - 1) * CELL_HEIGHT;
    for (int dy = 0; dy < CELL_HEIGHT; ++dy) {
        const std::uint8_t bits = FONT_8X16[code][dy];
        for (int dx = 0; dx < CELL_WIDTH; ++dx)
            rows[top + dy][left + dx] = (bits & (0x80 >> dx)) ? s.textForeground : s.textBackground;
    }
    if (s.textColumn < TEXT_COLUMNS)
        ++s.textColumn;
    else
        newLine(s);
}

}  // namespace

void drawText(float xf, float yf, const std::string& text) {
    if (anyNaN({xf, yf})) return;
    const std::int64_t left = roundCoordinate(xf), top = roundCoordinate(yf);
    if (top <= -CELL_HEIGHT || top >= SCREEN_HEIGHT) return;
    ScreenState& s = screenState();
    Lock lock(s.lock);
    auto rows = workRows(s);
    // Only the characters whose cells can touch the screen are looked at.
    const std::int64_t firstChar = left < 0 ? (-left) / CELL_WIDTH : 0;
    for (std::size_t i = firstChar; i < text.size(); ++i) {
        const std::int64_t cellLeft = left + static_cast<std::int64_t>(i) * CELL_WIDTH;
        if (cellLeft >= SCREEN_WIDTH) break;
        const auto code = static_cast<unsigned char>(text[i]);
        for (int dy = 0; dy < CELL_HEIGHT; ++dy) {
            const std::int64_t y = top + dy;
            if (y < 0 || y >= SCREEN_HEIGHT) continue;
            for (int dx = 0; dx < CELL_WIDTH; ++dx) {
                const std::int64_t x = cellLeft + dx;
                if (x >= 0 && x < SCREEN_WIDTH && (FONT_8X16[code][dy] & (0x80 >> dx))) rows[y][x] = s.textForeground;
            }
        }
    }
    workPageChanged(s);
}

void locateText(std::int32_t row, std::int32_t column) {
    if (row < 1 || row > TEXT_ROWS || column < 1 || column > TEXT_COLUMNS) return;
    ScreenState& s = screenState();
    Lock lock(s.lock);
    s.textRow = row;
    s.textColumn = column;
}

void printText(const std::string& text, bool lineBreak) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    for (const char c : text) {
        switch (static_cast<unsigned char>(c)) {
            case 7:  // the bell: this program makes no sound
                break;
            case 8:
                if (s.textColumn > 1) --s.textColumn;
                break;
            case 9:  // spaces up to the next column 1 + 8k
                do printCell(s, ' ');
                while ((s.textColumn - 1) % 8 != 0);
                break;
            case 10:
                newLine(s);
                break;
            case 13:
                s.textColumn = 1;
                break;
            default:
                printCell(s, static_cast<unsigned char>(c));
        }
    }
    if (lineBreak) newLine(s);
    workPageChanged(s);
}

void setTextColours(Rgb32 foreground, Rgb32 background) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    s.textForeground = foreground;
    s.textBackground = background;
}

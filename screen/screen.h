#pragma once

// The screen facility: one 640 x 480 window with three pages of 32-bit pixels, drawing operations,
// text output, the key queue, the mouse and waiting. Everything here is called from the program's
// own thread; a window backend (or a headless host in tests) feeds events from the other side.
// No call reports a failure: a call that cannot be carried out changes nothing.

#include <cstdint>
#include <string>
#include <vector>

using Rgb32 = std::uint32_t;  // 0xAARRGGBB, stored exactly as passed; the window shows RGB only

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;
constexpr int PAGE_COUNT = 3;

enum class PutMode { Opaque, Transparent };

// A captured rectangle of pixels. Only captureImage fills it; an Image starts empty (0 x 0).
class Image {
public:
    int width() const { return width_; }
    int height() const { return height_; }
    Rgb32 pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

private:
    // A horizontal run of pixels that a transparent put writes (those not keyed out).
    struct Run {
        std::int32_t y, x, length;
    };
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<Rgb32> pixels_;
    std::vector<Run> shownRuns_;  // made when the image is captured, so transparent puts copy runs

    friend void captureImage(float, float, float, float, Image&);
    friend void putImage(float, float, const Image&, PutMode);
};

struct MouseState {
    std::int32_t x = -1, y = -1, wheel = -1, buttons = -1;  // all -1 when no reading is available
};

// The key string of the window's close request: byte 255 followed by "k".
inline const std::string CLOSE_KEY = "\xffk";

// Thrown by endProgram on the program's thread; whoever runs the program catches it, closes the
// window and ends the process with `status`. Nothing else may catch it.
struct ProgramEnded {
    int status;
};

// Pages and drawing.
void openScreen();
void setPages(std::int32_t work, std::int32_t visible);
void copyPage(std::int32_t source, std::int32_t target);
void drawLine(float x1, float y1, float x2, float y2, Rgb32 colour);
void drawBox(float x1, float y1, float x2, float y2, Rgb32 colour);
void fillBox(float x1, float y1, float x2, float y2, Rgb32 colour);
void drawCircle(float cx, float cy, float r, Rgb32 colour);
void fillCircle(float cx, float cy, float r, Rgb32 colour);
void floodFill(float x, float y, Rgb32 fill, Rgb32 border);
void captureImage(float x1, float y1, float x2, float y2, Image& into);
void putImage(float x, float y, const Image& image, PutMode mode);
[[noreturn]] void endProgram(std::int32_t status);

// Text on a grid of 80 columns x 30 rows of 8 x 16 cells, code page 437 bytes.
void drawText(float x, float y, const std::string& text);
void locateText(std::int32_t row, std::int32_t column);
void printText(const std::string& text, bool lineBreak);
void setTextColours(Rgb32 foreground, Rgb32 background);

// Keyboard, mouse and waiting.
std::string pollKey();
MouseState pollMouse();
void sleepMs(std::int32_t ms);

// Capturing a rectangle of the work page into an Image, and putting an Image back.

#include <algorithm>
#include <cstring>

#include "screen/state.h"

namespace {

constexpr Rgb32 KEY_RGB = 0x00FF00FF;  // red 255, green 0, blue 255: skipped by transparent puts

bool keyedOut(Rgb32 pixel) { return (pixel & 0x00FFFFFF) == KEY_RGB; }

}  // namespace

void captureImage(float x1f, float y1f, float x2f, float y2f, Image& into) {
    if (anyNaN({x1f, y1f, x2f, y2f})) return;
    std::int64_t x1 = roundCoordinate(x1f), y1 = roundCoordinate(y1f);
    std::int64_t x2 = roundCoordinate(x2f), y2 = roundCoordinate(y2f);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (!onScreen(x1, y1) || !onScreen(x2, y2)) return;  // refused: the image keeps what it had

    const int width = static_cast<int>(x2 - x1 + 1), height = static_cast<int>(y2 - y1 + 1);
    std::vector<Rgb32> pixels(static_cast<std::size_t>(width) * height);
    {
        ScreenState& s = screenState();
        Lock lock(s.lock);
        auto rows = workRows(s);
        for (int y = 0; y < height; ++y) std::memcpy(&pixels[y * width], &rows[y1 + y][x1], width * sizeof(Rgb32));
    }
    std::vector<Image::Run> runs;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (keyedOut(pixels[y * width + x])) continue;
            const int start = x;
            while (x + 1 < width && !keyedOut(pixels[y * width + x + 1])) ++x;
            runs.push_back({y, start, x - start + 1});
        }
    }
    into.width_ = width;
    into.height_ = height;
    into.pixels_ = std::move(pixels);
    into.shownRuns_ = std::move(runs);
}

// Opaque puts write every pixel on the screen; transparent ones write the image's runs of
// non-key pixels. An image wholly on the screen (nearly every sprite of a frame) needs no clipping,
// and its short runs are copied four pixels at a time, which beats a memcpy call per run.
void putImage(float xf, float yf, const Image& image, PutMode mode) {
    if (anyNaN({xf, yf}) || image.width_ == 0) return;
    const std::int64_t left = roundCoordinate(xf), top = roundCoordinate(yf);
    ScreenState& s = screenState();
    Lock lock(s.lock);
    auto rows = workRows(s);
    const bool wholly = left >= 0 && top >= 0 && left + image.width_ <= SCREEN_WIDTH && top + image.height_ <= SCREEN_HEIGHT;
    if (mode == PutMode::Transparent && wholly) {
        for (const Image::Run& run : image.shownRuns_) {
            const Rgb32* from = &image.pixels_[run.y * image.width_ + run.x];
            Rgb32* to = &rows[top + run.y][left + run.x];
            int k = 0;
            for (; k + 4 <= run.length; k += 4) std::memcpy(to + k, from + k, 4 * sizeof(Rgb32));
            for (; k < run.length; ++k) to[k] = from[k];
        }
        workPageChanged(s);
        return;
    }
    auto copyRow = [&](std::int64_t row, std::int64_t column, std::int64_t length) {
        const std::int64_t y = top + row;
        const std::int64_t first = std::max<std::int64_t>(left + column, 0);
        const std::int64_t last = std::min<std::int64_t>(left + column + length - 1, SCREEN_WIDTH - 1);
        if (y < 0 || y >= SCREEN_HEIGHT || first > last) return;
        std::memcpy(&rows[y][first], &image.pixels_[row * image.width_ + (first - left)],
                    (last - first + 1) * sizeof(Rgb32));
    };
    if (mode == PutMode::Opaque) {
        for (int row = 0; row < image.height_; ++row) copyRow(row, 0, image.width_);
    } else {
        for (const Image::Run& run : image.shownRuns_) copyRow(run.y, run.x, run.length);
    }
    workPageChanged(s);
}

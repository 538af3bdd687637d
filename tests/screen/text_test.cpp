// Text output and the font table.

#include <array>
#include <cstring>
#include <limits>

#include "screen/font_8x16.h"
#include "tests/support/screen_test.h"

namespace {

constexpr Rgb32 WHITE = 0xFFFFFFFF;
constexpr Rgb32 BLACK = 0xFF000000;

// Whether the cell with its top left corner at (left, top) shows `code` in fg on bg.
::testing::AssertionResult cellShows(const Page& page, int left, int top, unsigned char code, Rgb32 fg, Rgb32 bg) {
    for (int dy = 0; dy < 16; ++dy)
        for (int dx = 0; dx < 8; ++dx) {
            const Rgb32 want = (FONT_8X16[code][dy] & (0x80 >> dx)) ? fg : bg;
            if (at(page, left + dx, top + dy) != want)
                return ::testing::AssertionFailure() << "pixel (" << left + dx << ", " << top + dy << ") of glyph " << int(code);
        }
    return ::testing::AssertionSuccess();
}

// The cursor's position, found by printing one marker cell there.
std::pair<int, int> cursorCell() {
    setTextColours(0xFF00FF00, 0xFF00FF00);
    setPages(0, 0);
    printText("#", false);
    const Page page = pageSnapshot(0);
    for (int y = 0; y < 480; y += 16)
        for (int x = 0; x < 640; x += 8)
            if (at(page, x, y) == 0xFF00FF00u) return {y / 16 + 1, x / 8 + 1};
    return {0, 0};
}

// SHA-256, enough of it to check the font table's provenance.
std::string sha256(const unsigned char* data, std::size_t size) {
    static const std::uint32_t k[64] = {
        0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5, 0xd807aa98,
        0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174, 0xe49b69c1, 0xefbe4786,
        0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da, 0x983e5152, 0xa831c66d, 0xb00327c8,
        0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967, 0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13,
        0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85, 0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819,
        0xd6990624, 0xf40e3585, 0x106aa070, 0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a,
        0x5b9cca4f, 0x682e6ff3, 0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7,
        0xc67178f2};
    std::uint32_t h[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::vector<unsigned char> m(data, data + size);
    m.push_back(0x80);
    while (m.size() % 64 != 56) m.push_back(0);
    for (int i = 7; i >= 0; --i) m.push_back(static_cast<unsigned char>((std::uint64_t{size} * 8) >> (8 * i)));
    auto rotr = [](std::uint32_t x, int n) { return (x >> n) | (x << (32 - n)); };
    for (std::size_t block = 0; block < m.size(); block += 64) {
        std::uint32_t w[64];
        for (int i = 0; i < 16; ++i)
            w[i] = std::uint32_t{m[block + 4 * i]} << 24 | m[block + 4 * i + 1] << 16 | m[block + 4 * i + 2] << 8 | m[block + 4 * i + 3];
        for (int i = 16; i < 64; ++i)
            w[i] = w[i - 16] + (rotr(w[i - 15], 7) ^ rotr(w[i - 15], 18) ^ (w[i - 15] >> 3)) + w[i - 7] +
                   (rotr(w[i - 2], 17) ^ rotr(w[i - 2], 19) ^ (w[i - 2] >> 10));
        std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], hh = h[7];
        for (int i = 0; i < 64; ++i) {
            const std::uint32_t t1 = hh + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + k[i] + w[i];
            const std::uint32_t t2 = (rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
            hh = g, g = f, f = e, e = d + t1, d = c, c = b, b = a, a = t1 + t2;
        }
        h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e, h[5] += f, h[6] += g, h[7] += hh;
    }
    char hex[65];
    for (int i = 0; i < 8; ++i) std::snprintf(hex + 8 * i, 9, "%08x", h[i]);
    return hex;
}

}  // namespace

TEST(FontTable, IsDebiansDefault8x16Font) {
    EXPECT_EQ(sha256(&FONT_8X16[0][0], sizeof FONT_8X16),
              "602906c22a6d9e1dcf04cffe4fcfa4c9f5239762d670390b9d069bca5588d593");
}

using TextTest = ScreenTest;

TEST_F(TextTest, PrintDrawsWholeCellsOnTheWorkPageOnly) {
    setPages(1, 0);
    printText("Pause", true);
    const Page page = pageSnapshot(1);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(cellShows(page, 8 * i, 0, "Pause"[i], WHITE, BLACK));
    EXPECT_EQ(countColour(pageSnapshot(0), BLACK), 640u * 480u);
    EXPECT_EQ(countColour(page, WHITE) + countColour(page, BLACK), 640u * 480u);
    EXPECT_EQ(cursorCell(), std::make_pair(2, 1));
}

TEST_F(TextTest, ByteAndTrianglesAreTheirGlyphs) {
    setTextColours(0xFF000000, 0xFFDCDCDC);
    locateText(28, 2);
    const std::string caption = std::string("Schallquelle            Geschwindigkeit                    Schallempf") + "\x84" + "nger";
    ASSERT_EQ(caption.size(), 74u);
    printText(caption, true);
    const Page page = pageSnapshot(0);
    EXPECT_TRUE(cellShows(page, 560, 432, 132, 0xFF000000, 0xFFDCDCDC));
    EXPECT_TRUE(cellShows(page, 592, 432, 'r', 0xFF000000, 0xFFDCDCDC));
    EXPECT_EQ(at(page, 7, 440), BLACK);
    EXPECT_EQ(at(page, 600, 440), BLACK);
    EXPECT_EQ(cursorCell(), std::make_pair(29, 1));
    // Code page 437's "ä" is an "a" with two dots; 16 and 17 are the two triangles.
    EXPECT_EQ(std::memcmp(FONT_8X16[132] + 5, FONT_8X16[unsigned('a')] + 5, 11), 0);
    EXPECT_EQ(FONT_8X16[16][6], 0xfe);
    EXPECT_EQ(FONT_8X16[16][1], 0x80);  // pointing right
    EXPECT_EQ(FONT_8X16[17][1], 0x02);  // pointing left
}

TEST_F(TextTest, ControlBytesMoveTheCursorWithoutDrawing) {
    const struct {
        std::string text;
        std::pair<int, int> cursor;  // row, column afterwards
        std::size_t cellsDrawn;
    } cases[] = {
        {"\x07", {5, 10}, 0},     {"\x08", {5, 9}, 0},      {"\x0a", {6, 1}, 0}, {"\x0d", {5, 1}, 0},
        {"\x09", {5, 17}, 7},     {"ab\x08\x08", {5, 10}, 2}, {"\x0d\x08", {5, 1}, 0},
    };
    for (const auto& c : cases) {
        openScreen();
        setTextColours(0xFFFF0000, 0xFFFF0000);
        locateText(5, 10);
        printText(c.text, false);
        EXPECT_EQ(countColour(pageSnapshot(0), 0xFFFF0000), c.cellsDrawn * 128) << "text " << int(c.text[0]);
        EXPECT_EQ(cursorCell(), c.cursor) << "text " << int(c.text[0]);
    }
}

TEST_F(TextTest, PrintingWrapsAfterColumn80AndScrollsBelowRow30) {
    locateText(1, 79);
    printText("ab", false);
    EXPECT_EQ(cursorCell(), std::make_pair(2, 1));
    openScreen();
    setTextColours(0xFFFF0000, 0xFF0000FF);
    locateText(30, 1);
    printText("x", true);  // the whole page moves up one row of cells
    const Page page = pageSnapshot(0);
    EXPECT_TRUE(cellShows(page, 0, 448, 'x', 0xFFFF0000, 0xFF0000FF));
    for (int x = 0; x < 640; ++x) EXPECT_EQ(at(page, x, 470), 0xFF0000FFu);
}

TEST_F(TextTest, LocateOutsideTheGridLeavesTheCursor) {
    locateText(3, 4);
    for (auto [row, column] : {std::pair{0, 1}, {31, 1}, {1, 0}, {1, 81}, {-5, -5}}) locateText(row, column);
    EXPECT_EQ(cursorCell(), std::make_pair(3, 4));
}

TEST_F(TextTest, DrawTextSetsOnlyTheGlyphPixels) {
    fillBox(600, 420, 639, 460, 0x00FFFFAA);
    setTextColours(0xFF000000, 0xFF00FF00);
    drawText(624, 432, "i");
    const Page page = pageSnapshot(0);
    EXPECT_TRUE(cellShows(page, 624, 432, 'i', 0xFF000000, 0x00FFFFAA));
    EXPECT_EQ(countColour(page, 0xFF00FF00), 0u);
    EXPECT_EQ(cursorCell(), std::make_pair(1, 1));  // the cursor did not move
}

TEST_F(TextTest, DrawTextClipsAtTheEdgesAndDrawsControlBytesAsGlyphs) {
    setTextColours(0xFFFF0000, BLACK);
    drawText(-4, -8, "\x10\x11");
    drawText(636, 470, "\xdb\xdb");
    drawText(std::numeric_limits<float>::quiet_NaN(), 0, "A");
    drawText(-1e30f, 0, std::string(1000, '\xdb'));
    const Page page = pageSnapshot(0);
    std::size_t expected = 0;
    for (int dy = 8; dy < 16; ++dy)
        for (int dx = 0; dx < 16; ++dx)
            if (dx >= 4 && (FONT_8X16[dx < 8 ? 16 : 17][dy] & (0x80 >> (dx % 8)))) ++expected;
    for (int dy = 0; dy < 10; ++dy)
        for (int dx = 0; dx < 4; ++dx)
            if (FONT_8X16[0xdb][dy] & (0x80 >> dx)) ++expected;
    EXPECT_EQ(countColour(page, 0xFFFF0000), expected);
}

// Converts and compares the pictures of the window tests.
//   picture_tool convert IN OUT.png          IN: .xwd (an xwd capture), .ppm or .png
//   picture_tool compare A B                 exit 0 if A and B have the same size and RGB pixels
//   picture_tool pixel IN X Y                prints the pixel as RRGGBB
//   picture_tool scaled A B SCALE            exit 0 if A is B scaled by a whole number, centred on black

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/png_io.h"

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<Rgb32> pixels;
    Rgb32 at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF; }
};

bool endsWith(const std::string& s, const char* suffix) {
    return s.size() >= std::strlen(suffix) && s.compare(s.size() - std::strlen(suffix), std::string::npos, suffix) == 0;
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// An xwd capture of a true-colour window (ZPixmap, 24 or 32 bits per pixel).
bool readXwd(const std::string& path, Picture& p) {
    const std::vector<unsigned char> b = fileBytes(path);
    if (b.size() < 100) return false;
    auto field = [&](int i) {
        return std::uint32_t{b[4 * i]} << 24 | b[4 * i + 1] << 16 | b[4 * i + 2] << 8 | b[4 * i + 3];
    };
    const std::uint32_t headerSize = field(0), format = field(2), width = field(4), height = field(5);
    const std::uint32_t byteOrder = field(7), bitsPerPixel = field(11), bytesPerLine = field(12);
    const std::uint32_t masks[3] = {field(14), field(15), field(16)}, colours = field(19);
    const std::size_t data = headerSize + 12 * std::size_t{colours};
    if (format != 2 || (bitsPerPixel != 32 && bitsPerPixel != 24) || b.size() < data + std::size_t{bytesPerLine} * height)
        return false;
    p.width = static_cast<int>(width);
    p.height = static_cast<int>(height);
    p.pixels.assign(std::size_t{width} * height, 0);
    const int bytes = static_cast<int>(bitsPerPixel / 8);
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const unsigned char* q = &b[data + y * bytesPerLine + x * bytes];
            std::uint32_t v = 0;
            for (int i = 0; i < bytes; ++i) v |= std::uint32_t{q[byteOrder == 0 ? i : bytes - 1 - i]} << (8 * i);
            Rgb32 rgb = 0xFF000000;
            for (int c = 0; c < 3; ++c) {
                std::uint32_t part = v & masks[c], mask = masks[c];
                while (mask && !(mask & 1)) mask >>= 1, part >>= 1;
                rgb |= (part & 0xFF) << (16 - 8 * c);
            }
            p.pixels[y * width + x] = rgb;
        }
    return true;
}

bool readPpm(const std::string& path, Picture& p) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    int maxValue = 0;
    const bool ok = std::fscanf(f, "P6 %d %d %d", &p.width, &p.height, &maxValue) == 3 && maxValue == 255 && std::fgetc(f) != EOF;
    std::vector<unsigned char> rgb(ok ? std::size_t(p.width) * p.height * 3 : 0);
    const bool complete = ok && std::fread(rgb.data(), 1, rgb.size(), f) == rgb.size();
    std::fclose(f);
    if (!complete) return false;
    p.pixels.resize(std::size_t(p.width) * p.height);
    for (std::size_t i = 0; i < p.pixels.size(); ++i)
        p.pixels[i] = 0xFF000000u | rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2];
    return true;
}

bool readPicture(const std::string& path, Picture& p) {
    if (endsWith(path, ".xwd")) return readXwd(path, p);
    if (endsWith(path, ".ppm")) return readPpm(path, p);
    p.pixels = readPng(path, p.width, p.height);
    return !p.pixels.empty();
}

int compare(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) {
        std::printf("sizes differ: %dx%d and %dx%d\n", a.width, a.height, b.width, b.height);
        return 1;
    }
    long differing = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.at(x, y) != b.at(x, y) && differing++ == 0)
                std::printf("first difference at (%d, %d): %06x and %06x\n", x, y, a.at(x, y), b.at(x, y));
    std::printf("%ld pixels differ\n", differing);
    return differing == 0 ? 0 : 1;
}

int compareScaled(const Picture& big, const Picture& page, int scale) {
    const int left = (big.width - page.width * scale) / 2, top = (big.height - page.height * scale) / 2;
    long differing = 0;
    for (int y = 0; y < big.height; ++y)
        for (int x = 0; x < big.width; ++x) {
            const int px = (x - left) / scale, py = (y - top) / scale;
            const bool inside = x >= left && y >= top && px < page.width && py < page.height;
            const Rgb32 want = inside ? page.at(px, py) : 0;
            if (big.at(x, y) != want && differing++ == 0)
                std::printf("first difference at (%d, %d): %06x instead of %06x\n", x, y, big.at(x, y), want);
        }
    std::printf("%ld pixels differ\n", differing);
    return differing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    Picture a, b;
    if (argc < 3 || !readPicture(argv[2], a)) {
        std::fprintf(stderr, "cannot read the picture %s\n", argc > 2 ? argv[2] : "(none given)");
        return 2;
    }
    if (command == "convert" && argc == 4) return writePng(argv[3], a.pixels, a.width, a.height) ? 0 : 2;
    if (command == "pixel" && argc == 5) {
        std::printf("%06x\n", a.at(std::atoi(argv[3]), std::atoi(argv[4])));
        return 0;
    }
    if (argc < 4 || !readPicture(argv[3], b)) {
        std::fprintf(stderr, "cannot read the picture %s\n", argc > 3 ? argv[3] : "(none given)");
        return 2;
    }
    if (command == "compare") return compare(a, b);
    if (command == "scaled" && argc == 5) return compareScaled(a, b, std::atoi(argv[4]));
    std::fprintf(stderr, "usage: picture_tool convert|compare|pixel|scaled ...\n");
    return 2;
}

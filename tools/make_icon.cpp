// Writes the program's icon for the desktop, the same picture the window shows as its icon, as a
// 64 x 64 PNG with transparency. Usage: make_icon OUT.png

#include <png.h>

#include <cstdio>
#include <vector>

#include "shell/icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUT.png\n");
        return 2;
    }
    constexpr int SIZE = 64;
    std::vector<unsigned char> rgba;
    for (std::uint32_t p : ballIcon(SIZE))
        for (int shift : {16, 8, 0, 24}) rgba.push_back(static_cast<unsigned char>(p >> shift));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = SIZE;
    image.height = SIZE;
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, argv[1], 0, rgba.data(), 0, nullptr) ? 0 : 1;
}

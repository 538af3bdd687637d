#include "tests/support/png_io.h"

#include <png.h>

std::vector<Rgb32> readPng(const std::string& path, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    std::vector<Rgb32> pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 0xFF000000u | rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2];
    return pixels;
}

bool writePng(const std::string& path, const std::vector<Rgb32>& pixels, int width, int height) {
    std::vector<unsigned char> rgb;
    rgb.reserve(pixels.size() * 3);
    for (Rgb32 p : pixels) {
        rgb.push_back(static_cast<unsigned char>(p >> 16));
        rgb.push_back(static_cast<unsigned char>(p >> 8));
        rgb.push_back(static_cast<unsigned char>(p));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

#pragma once

// Reading and writing 640 x 480 pictures as PNG files with libpng.

#include <string>
#include <vector>

#include "screen/screen.h"

// Reads an RGB or RGBA PNG into 0xFFRRGGBB pixels, row by row; empty if the file cannot be read.
std::vector<Rgb32> readPng(const std::string& path, int& width, int& height);
// Writes pixels (alpha ignored) as an RGB PNG; returns false if the file cannot be written.
bool writePng(const std::string& path, const std::vector<Rgb32>& pixels, int width, int height);

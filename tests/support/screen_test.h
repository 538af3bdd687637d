#pragma once

// A fixture that gives each test a freshly opened screen with simulated time, and helpers to look
// at pages and compare them with expected pictures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screen/events.h"
#include "screen/host.h"
#include "screen/screen.h"
#include "screen/virtual_host.h"

using Page = std::vector<Rgb32>;

inline Rgb32 at(const Page& page, int x, int y) { return page[static_cast<std::size_t>(y) * SCREEN_WIDTH + x]; }

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        setHost(host);
        openScreen();
    }
    void TearDown() override { useRealTimeHost(); }

    VirtualHost host;
};

// Fails unless `actual` equals `expected` pixel for pixel, comparing red, green and blue (the window
// never shows alpha). On failure writes NAME-actual.png, NAME-expected.png and NAME-diff.png (the
// differing pixels white on black) into the current directory and names the first difference.
void expectSamePicture(const Page& actual, const Page& expected, const std::string& name);

// The pixel count of each colour on a page.
std::size_t countColour(const Page& page, Rgb32 colour);

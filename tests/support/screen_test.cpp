#include "tests/support/screen_test.h"

#include <algorithm>

#include "tests/support/png_io.h"

void expectSamePicture(const Page& actual, const Page& expected, const std::string& name) {
    ASSERT_EQ(actual.size(), expected.size());
    Page diff(actual.size(), 0xFF000000);
    std::size_t differing = 0, first = 0;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (((actual[i] ^ expected[i]) & 0x00FFFFFF) == 0) continue;
        if (differing++ == 0) first = i;
        diff[i] = 0xFFFFFFFF;
    }
    if (differing == 0) return;
    writePng(name + "-actual.png", actual, SCREEN_WIDTH, SCREEN_HEIGHT);
    writePng(name + "-expected.png", expected, SCREEN_WIDTH, SCREEN_HEIGHT);
    writePng(name + "-diff.png", diff, SCREEN_WIDTH, SCREEN_HEIGHT);
    ADD_FAILURE() << name << ": " << differing << " pixels differ; the first at (" << first % SCREEN_WIDTH << ", "
                  << first / SCREEN_WIDTH << "): " << std::hex << actual[first] << " instead of " << expected[first]
                  << "; see " << name << "-diff.png";
}

std::size_t countColour(const Page& page, Rgb32 colour) { return std::count(page.begin(), page.end(), colour); }

// The program's frames at rest against pictures rendered independently of this code.

#include "tests/support/headless_program.h"
#include "tests/support/png_io.h"

namespace {

Page golden(const std::string& name) {
    int width = 0, height = 0;
    Page picture = readPng(std::string(GOLDEN_DIR) + "/" + name + ".png", width, height);
    EXPECT_EQ(width, SCREEN_WIDTH) << name;
    EXPECT_EQ(height, SCREEN_HEIGHT) << name;
    return picture;
}

}  // namespace

TEST(ReferenceFrames, TheFirstFrameShowsTheSceneWithoutBarrier) {
    HeadlessProgram p;
    p.frame();
    expectSamePicture(p.shown(), golden("rest-none"), "rest-none");
}

TEST(ReferenceFrames, TheFrameAfterABarrierKeyShowsTheNewScene) {
    for (const char* key : {"m", "w"}) {
        HeadlessProgram p;
        p.press(key);
        p.frames(2);
        const std::string name = std::string("rest-") + (key[0] == 'm' ? "membrane" : "wall");
        expectSamePicture(p.shown(), golden(name), name);
    }
}

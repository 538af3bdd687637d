// The facility shared between the program's thread and an event side on another thread, as in
// the window: the refresh never sees half an operation, and keys arrive whole and in order.

#include <atomic>
#include <thread>

#include "tests/support/screen_test.h"

TEST(Threads, TheRefreshNeverSeesAHalfCopiedPageAndKeysArriveInOrder) {
    useRealTimeHost();
    openScreen();
    setPages(1, 0);
    fillBox(0, 0, 639, 479, 0xFFFF0000);
    setPages(2, 0);
    fillBox(0, 0, 639, 479, 0xFF0000FF);

    std::atomic<bool> done{false};
    std::atomic<int> halfPages{0}, refreshes{0};
    std::thread eventSide([&] {
        std::vector<Rgb32> window(640 * 480);
        std::uint64_t shown = 0;
        for (int key = 0; !done; ++key) {
            queueKey(std::to_string(key));
            pointerMoved(key % 640, key % 480);
            buttonsHeld(key % 2);
            windowActivated(true);
            if (copyVisiblePageIfChanged(shown, window.data())) {
                ++refreshes;
                if (std::count(window.begin(), window.end(), window[0]) != static_cast<long>(window.size())) ++halfPages;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    });

    int lastKey = -1, outOfOrder = 0;
    for (int frame = 0; frame < 300; ++frame) {
        copyPage(frame % 2 ? 1 : 2, 0);
        for (std::string key = pollKey(); !key.empty(); key = pollKey()) {
            if (std::stoi(key) <= lastKey) ++outOfOrder;
            lastKey = std::stoi(key);
        }
        pollMouse();
        sleepMs(frame % 10 == 0 ? 100 : 1);
    }
    done = true;
    eventSide.join();
    EXPECT_EQ(halfPages, 0);
    EXPECT_GT(refreshes, 10);
    EXPECT_EQ(outOfOrder, 0);
    EXPECT_GT(lastKey, 0);
}

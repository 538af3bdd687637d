#include "screen/viewport.h"

#include <algorithm>

#include "screen/screen.h"

Viewport fitPage(int windowWidth, int windowHeight) {
    const int w = std::max(windowWidth, 1), h = std::max(windowHeight, 1);
    const int scale = std::min(w / SCREEN_WIDTH, h / SCREEN_HEIGHT);
    int width, height;
    if (scale >= 1) {
        width = SCREEN_WIDTH * scale;
        height = SCREEN_HEIGHT * scale;
    } else if (static_cast<long long>(w) * SCREEN_HEIGHT <= static_cast<long long>(h) * SCREEN_WIDTH) {
        width = w;  // narrower than 4:3: the width decides
        height = std::max(1, static_cast<int>(static_cast<long long>(w) * SCREEN_HEIGHT / SCREEN_WIDTH));
    } else {
        height = h;
        width = std::max(1, static_cast<int>(static_cast<long long>(h) * SCREEN_WIDTH / SCREEN_HEIGHT));
    }
    return {(w - width) / 2, (h - height) / 2, width, height};
}

bool pagePoint(const Viewport& v, int wx, int wy, int& px, int& py) {
    if (wx < v.x || wy < v.y || wx >= v.x + v.width || wy >= v.y + v.height) return false;
    px = static_cast<int>(static_cast<long long>(wx - v.x) * SCREEN_WIDTH / v.width);
    py = static_cast<int>(static_cast<long long>(wy - v.y) * SCREEN_HEIGHT / v.height);
    return true;
}

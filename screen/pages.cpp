// Opening the screen, selecting and copying pages, ending the program, and reading pages out.

#include <algorithm>
#include <cstring>

#include "screen/events.h"
#include "screen/state.h"

void openScreen() {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    std::fill(&s.pages[0][0][0], &s.pages[0][0][0] + sizeof s.pages / sizeof(Rgb32), 0xFF000000u);
    s.workPage = 0;
    s.visiblePage = 0;
    ++s.visibleVersion;
    s.textRow = 1;
    s.textColumn = 1;
    s.textForeground = 0xFFFFFFFF;
    s.textBackground = 0xFF000000;
    s.keyQueue.clear();
    s.keyPosted = false;
    s.buttons = 0;
    s.wheel = 0;
}

void setPages(std::int32_t work, std::int32_t visible) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    if (work < 0 && visible < 0) {
        work = 0;
        visible = 0;
    }
    if (validPage(work)) s.workPage = work;
    if (validPage(visible) && visible != s.visiblePage) {
        s.visiblePage = visible;
        ++s.visibleVersion;
    }
}

void copyPage(std::int32_t source, std::int32_t target) {
    if (!validPage(source) || !validPage(target) || source == target) return;
    ScreenState& s = screenState();
    Lock lock(s.lock);
    std::memcpy(s.pages[target], s.pages[source], sizeof s.pages[0]);
    if (target == s.visiblePage) ++s.visibleVersion;
}

void endProgram(std::int32_t status) { throw ProgramEnded{status}; }

bool copyVisiblePageIfChanged(std::uint64_t& shownVersion, Rgb32* out) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    if (s.visibleVersion == shownVersion) return false;
    std::memcpy(out, s.pages[s.visiblePage], sizeof s.pages[0]);
    shownVersion = s.visibleVersion;
    return true;
}

std::vector<Rgb32> pageSnapshot(int page) {
    if (!validPage(page)) return {};
    ScreenState& s = screenState();
    Lock lock(s.lock);
    const Rgb32* first = &s.pages[page][0][0];
    return std::vector<Rgb32>(first, first + SCREEN_WIDTH * SCREEN_HEIGHT);
}

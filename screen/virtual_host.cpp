#include "screen/virtual_host.h"

#include <stdexcept>

void VirtualHost::at(std::int64_t timeMs, std::function<void()> event) { events_.emplace(timeMs, std::move(event)); }

void VirtualHost::waitMs(int ms) {
    pollsWithoutWait_ = 0;
    advanceTo(now_ + ms);
}

void VirtualHost::mousePolled() {
    if (++pollsWithoutWait_ == 1) return;  // a single poll takes no time
    if (events_.empty() && pollsWithoutWait_ > 1'000'000)
        throw std::runtime_error("the program keeps polling the mouse and no scripted event is left");
    advanceTo(now_ + 1);
}

void VirtualHost::advanceTo(std::int64_t timeMs) {
    while (!events_.empty() && events_.begin()->first <= timeMs) {
        auto next = events_.extract(events_.begin());
        now_ = std::max(now_, next.key());
        next.mapped()();
    }
    now_ = timeMs;
}

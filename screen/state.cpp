#include "screen/state.h"

#include <thread>

namespace {

class RealTimeHost final : public Host {
public:
    void waitMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    void mousePolled() override { std::this_thread::yield(); }
};

RealTimeHost realTimeHost;

struct DefaultScreenState : ScreenState {
    DefaultScreenState() { host = &realTimeHost; }
};

}  // namespace

ScreenState& screenState() {
    static DefaultScreenState state;
    return state;
}

void setHost(Host& host) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    s.host = &host;
}

void useRealTimeHost() { setHost(realTimeHost); }

#pragma once

// What the facility needs from whatever runs it: a way to let time pass on the program's thread,
// and a moment after each mouse poll in which the event side may get in. The window backend
// waits in real time; tests install a host whose time is simulated.

class Host {
public:
    virtual ~Host() = default;
    // Lets `ms` milliseconds pass. Called on the program's thread without the facility's lock.
    virtual void waitMs(int ms) = 0;
    // Called after every pollMouse, without the lock: the pause polls in a tight loop, and this is
    // where the event side gets the lock (or a scripted host plays its next event).
    virtual void mousePolled() = 0;
};

// Installs `host` for all later waits; it must outlive its use. The default waits in real time.
void setHost(Host& host);
// Puts back the default real-time host.
void useRealTimeHost();

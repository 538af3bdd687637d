// The SDL2 window under the facility. SDL owns the window on the process's main thread; the
// program runs on a thread of its own. This file translates SDL's events into the facility's event
// side and copies the visible page to the window about every 10 ms.

#include <SDL.h>

#ifdef __linux__
#include <sys/prctl.h>
#endif

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "screen/events.h"
#include "screen/screen.h"
#include "screen/viewport.h"
#include "screen/window.h"

namespace {

constexpr int REFRESH_MS = 10;

struct Backend {
    SDL_Window* window = nullptr;
    SDL_Surface* page = nullptr;      // wraps `shown`, the last copy of the visible page
    bool fullScreen = false;
    Uint32 wakeEvent = 0;             // pushed by the program thread when the program has ended
    std::atomic<bool> programEnded{false};
    int exitStatus = 0;
    int buttons = 0;                  // held buttons as the facility counts them: 1 left, 2 right, 4 middle
    std::vector<Rgb32> shown = std::vector<Rgb32>(SCREEN_WIDTH * SCREEN_HEIGHT);
    std::uint64_t shownVersion = ~std::uint64_t{0};
    bool mustPresent = true;          // the window surface needs drawing again (new or exposed)
};

std::string windowTitle(const char* programPath) {
    std::string name = programPath ? programPath : "";
    if (const auto slash = name.find_last_of('/'); slash != std::string::npos) name.erase(0, slash + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos) name.erase(dot);
    return name;
}

// The code page 437 byte of a typed character, or 0 if code page 437 has none for it.
unsigned char toCodePage437(char32_t c) {
    if (c >= 0x20 && c < 0x7F) return static_cast<unsigned char>(c);
    static const struct {
        char32_t unicode;
        unsigned char byte;
    } table[] = {
        {U'Ç', 128}, {U'ü', 129}, {U'é', 130}, {U'â', 131}, {U'ä', 132}, {U'à', 133}, {U'å', 134}, {U'ç', 135},
        {U'ê', 136}, {U'ë', 137}, {U'è', 138}, {U'ï', 139}, {U'î', 140}, {U'ì', 141}, {U'Ä', 142}, {U'Å', 143},
        {U'É', 144}, {U'æ', 145}, {U'Æ', 146}, {U'ô', 147}, {U'ö', 148}, {U'ò', 149}, {U'û', 150}, {U'ù', 151},
        {U'ÿ', 152}, {U'Ö', 153}, {U'Ü', 154}, {U'¢', 155}, {U'£', 156}, {U'¥', 157}, {U'ƒ', 159}, {U'á', 160},
        {U'í', 161}, {U'ó', 162}, {U'ú', 163}, {U'ñ', 164}, {U'Ñ', 165}, {U'ª', 166}, {U'º', 167}, {U'¿', 168},
        {U'¬', 170}, {U'½', 171}, {U'¼', 172}, {U'¡', 173}, {U'«', 174}, {U'»', 175}, {U'ß', 225}, {U'µ', 230},
        {U'±', 241}, {U'÷', 246}, {U'°', 248}, {U'·', 250}, {U'²', 253}, {U'§', 21},  {U'¶', 20},
    };
    for (const auto& entry : table)
        if (entry.unicode == c) return entry.byte;
    return 0;
}

// Queues each character of a UTF-8 text input event as one code page 437 byte.
void queueTypedText(const char* utf8) {
    const auto* p = reinterpret_cast<const unsigned char*>(utf8);
    while (*p) {
        char32_t c = *p;
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (extra) c &= 0x3F >> extra;
        ++p;
        for (; extra > 0 && (*p & 0xC0) == 0x80; --extra, ++p) c = (c << 6) | (*p & 0x3F);
        if (const unsigned char byte = toCodePage437(c)) queueKey(std::string(1, static_cast<char>(byte)));
    }
}

// The key string of a key that types no character, or "" for keys that type one (they arrive as
// text input) and keys the facility does not report.
std::string keyStringOf(SDL_Keycode key) {
    auto extended = [](unsigned char code) { return std::string{'\xff', static_cast<char>(code)}; };
    switch (key) {
        case SDLK_RETURN: case SDLK_KP_ENTER: return "\r";
        case SDLK_ESCAPE: return "\x1b";
        case SDLK_BACKSPACE: return "\b";
        case SDLK_TAB: return "\t";
        case SDLK_UP: return extended('H');
        case SDLK_DOWN: return extended('P');
        case SDLK_LEFT: return extended('K');
        case SDLK_RIGHT: return extended('M');
        case SDLK_HOME: return extended('G');
        case SDLK_END: return extended('O');
        case SDLK_PAGEUP: return extended('I');
        case SDLK_PAGEDOWN: return extended('Q');
        case SDLK_INSERT: return extended('R');
        case SDLK_DELETE: return extended('S');
        case SDLK_F11: return extended(133);
        case SDLK_F12: return extended(134);
        default:
            if (key >= SDLK_F1 && key <= SDLK_F10) return extended(static_cast<unsigned char>(';' + (key - SDLK_F1)));
            return {};
    }
}

int facilityButton(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 4;
        default: return 0;
    }
}

// Reports the pointer at window point (x, y) as the page pixel under it, or as outside the page
// when it is on the black border of the full screen.
void reportPointer(Backend& b, int x, int y) {
    int width, height, px, py;
    SDL_GetWindowSize(b.window, &width, &height);
    if (pagePoint(fitPage(width, height), x, y, px, py))
        pointerMoved(px, py);
    else
        pointerLeft();
}

void toggleFullScreen(Backend& b) {
    b.fullScreen = !b.fullScreen;
    if (b.fullScreen) {
        SDL_SetWindowFullscreen(b.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(b.window, 0);
        SDL_SetWindowSize(b.window, SCREEN_WIDTH, SCREEN_HEIGHT);
        SDL_SetWindowPosition(b.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    b.mustPresent = true;
}

bool isFullScreenKey(const SDL_KeyboardEvent& key) {
    return !key.repeat && (key.keysym.sym == SDLK_F11 || (key.keysym.sym == SDLK_RETURN && (key.keysym.mod & KMOD_ALT)));
}

void handleWindowEvent(Backend& b, const SDL_WindowEvent& e) {
    switch (e.event) {
        case SDL_WINDOWEVENT_CLOSE: queueKey(CLOSE_KEY); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
            b.buttons = 0;
            windowActivated(e.event == SDL_WINDOWEVENT_FOCUS_GAINED);
            break;
        case SDL_WINDOWEVENT_ENTER: {
            int x, y;
            SDL_GetMouseState(&x, &y);
            reportPointer(b, x, y);
            break;
        }
        case SDL_WINDOWEVENT_LEAVE: pointerLeft(); break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_SHOWN: b.mustPresent = true; break;
        default: break;
    }
}

void handleEvent(Backend& b, const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT: queueKey(CLOSE_KEY); break;  // the system's close command (the window's own comes below)
        case SDL_WINDOWEVENT: handleWindowEvent(b, e.window); break;
        case SDL_TEXTINPUT: queueTypedText(e.text.text); break;
        case SDL_KEYDOWN:
            if (isFullScreenKey(e.key)) toggleFullScreen(b);  // the key is still reported
            if (std::string key = keyStringOf(e.key.keysym.sym); !key.empty()) queueKey(key);
            break;
        case SDL_MOUSEMOTION: reportPointer(b, e.motion.x, e.motion.y); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int button = facilityButton(e.button.button);
            b.buttons = e.type == SDL_MOUSEBUTTONDOWN ? (b.buttons | button) : (b.buttons & ~button);
            buttonsHeld(b.buttons);
            break;
        }
        case SDL_MOUSEWHEEL: {
            const int away = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            if (away != 0) wheelTurned(away > 0 ? 1 : -1);
            break;
        }
        default: break;
    }
}

// Copies the visible page to the window if it changed, or shows it again if the window asks. The
// page is scaled by whole numbers with nearest pixels (each page pixel a sharp square), centred on
// black; in the 640 x 480 window that is a plain copy.
void refresh(Backend& b) {
    const bool changed = copyVisiblePageIfChanged(b.shownVersion, b.shown.data());
    if (!changed && !b.mustPresent) return;
    SDL_Surface* surface = SDL_GetWindowSurface(b.window);
    if (!surface) return;
    const Viewport v = fitPage(surface->w, surface->h);
    SDL_Rect target{v.x, v.y, v.width, v.height};
    if (v.width != surface->w || v.height != surface->h) SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_BlitScaled(b.page, nullptr, surface, &target);
    SDL_UpdateWindowSurface(b.window);
    b.mustPresent = false;
}

}  // namespace

int runInWindow(const char* programPath, void (*program)(), const WindowIcon* icon) {
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");  // the close button is a key, not the end
    // The window system's own framebuffer: an accelerated one would make SDL re-create the window
    // (losing the pointer's enter and leave events) and costs more than a 640 x 480 copy.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "cannot open the window: %s\n", SDL_GetError());
        return 1;
    }
    // Without a display SDL falls back to drivers that draw nowhere: the program would run unseen.
    const std::string driver = SDL_GetCurrentVideoDriver();
    if (driver == "offscreen" || driver == "dummy" || driver == "evdev") {
        std::fprintf(stderr, "cannot open the window: no display (set DISPLAY or WAYLAND_DISPLAY)\n");
        SDL_Quit();
        return 1;
    }
    Backend b;
    b.window = SDL_CreateWindow(windowTitle(programPath).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                SCREEN_WIDTH, SCREEN_HEIGHT, SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI);
    // RGB888 is 0x00RRGGBB with the top byte ignored: the alpha byte of a page is never shown.
    b.page = SDL_CreateRGBSurfaceWithFormatFrom(b.shown.data(), SCREEN_WIDTH, SCREEN_HEIGHT, 32, SCREEN_WIDTH * 4,
                                                SDL_PIXELFORMAT_RGB888);
    b.wakeEvent = SDL_RegisterEvents(1);
    if (!b.window || !b.page || b.wakeEvent == static_cast<Uint32>(-1)) {
        std::fprintf(stderr, "cannot open the window: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    if (icon) {
        if (SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(icon->pixels), icon->width,
                                                                      icon->height, 32, icon->width * 4,
                                                                      SDL_PIXELFORMAT_ARGB8888)) {
            SDL_SetWindowIcon(b.window, picture);
            SDL_FreeSurface(picture);
        }
    }
    SDL_StartTextInput();

    std::thread programThread([&b, program] {
#ifdef __linux__
        prctl(PR_SET_TIMERSLACK, 1);  // 1 ns: the frame delay can be 1 ms, so sleep no longer than asked
#endif
        try {
            program();
        } catch (const ProgramEnded& end) {
            b.exitStatus = end.status;
        }
        b.programEnded = true;
        SDL_Event wake{};
        wake.type = b.wakeEvent;
        SDL_PushEvent(&wake);
    });

    while (!b.programEnded) {
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, REFRESH_MS)) {
            do handleEvent(b, e);
            while (SDL_PollEvent(&e));
        }
        refresh(b);
    }
    programThread.join();
    SDL_FreeSurface(b.page);
    SDL_DestroyWindow(b.window);
    SDL_Quit();
    return b.exitStatus;
}

#include "platform/window/GameWindow.h"

#include "core/ErrorLog.h"
#include "platform/time/FramePacer.h"
#include "platform/window/DesktopCover.h"
#include "platform/window/WindowIcon.h"

#include <SDL.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

GameWindow::~GameWindow()
{
    if (window_)
        SDL_DestroyWindow(window_);
    if (ownsSdl_)
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
}

namespace {
// Whether a driver the player named in SDL_VIDEODRIVER (a comma-separated list).
bool requestedByName(const char* driver)
{
    const char* list = SDL_getenv("SDL_VIDEODRIVER");
    if (!list)
        return false;
    const std::string names(list);
    const std::size_t length = std::strlen(driver);
    for (std::size_t at = 0; at <= names.size();) {
        std::size_t end = names.find(',', at);
        if (end == std::string::npos)
            end = names.size();
        if (end - at == length && SDL_strncasecmp(names.c_str() + at, driver, length) == 0)
            return true;
        at = end + 1;
    }
    return false;
}

// The drivers SDL 2.26 falls back to where no display can be reached: they draw nowhere.
bool drawsNowhere(const char* driver)
{
    static const char* const kDrawNowhere[] = {"offscreen", "dummy", "evdev"};
    for (const char* name : kDrawNowhere) {
        if (driver && SDL_strcasecmp(driver, name) == 0)
            return true;
    }
    return false;
}
// A hang-up (the terminal the game was started from closed) ends the game as a termination
// signal does, saving first. SDL handles SIGINT and SIGTERM itself; this flag is the
// hang-up's, set by the handler and read by the loop.
volatile std::sig_atomic_t gHangUp = 0;

extern "C" void noteHangUp(int)
{
    gHangUp = 1;
}

// The client of the running loop, for an exit that happens inside it: a broken X
// connection ends the process from inside Xlib, through exit, so an exit handler is the
// one place left to save from.
WindowClient* gLoopClient = nullptr;

extern "C" void saveAtExitInsideLoop()
{
    WindowClient* client = gLoopClient;
    gLoopClient = nullptr;
    if (client)
        client->onDisplayLost();
}
} // namespace

bool GameWindow::create()
{
    // The close box is the window's close event alone; a quit event then means a
    // termination signal, which leaves even when the player could not be told of a save.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        logError(std::string("Could not start the window system: ") + SDL_GetError());
        return false;
    }
    ownsSdl_ = true;
    // On a driver that draws nowhere the game would run unseen, a core busy, with no window
    // to close: only the player's own choice of one is taken.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (drawsNowhere(driver) && !requestedByName(driver)) {
        logError(std::string("Could not start the window system: no display to show the game on (only SDL's ") +
                 driver + " driver started)");
        return false;
    }

    // The attributes only count when set before the window exists. The default framebuffer
    // needs no depth, stencil or samples: the game draws into its own 1024x768 buffer.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 0);

    window_ = SDL_CreateWindow("Pitchbar", kLeft, kTop, kWidth, kHeight,
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!window_) {
        logError(std::string("Could not create the window: ") + SDL_GetError());
        return false;
    }
    setBallWindowIcon(window_);
    return true;
}

ScreenArea GameWindow::screenAreaFor(const WindowPlacement& p) const
{
    const SDL_Point middle{p.left + p.width / 2, p.top + p.height / 2};
    const int displays = SDL_GetNumVideoDisplays();
    int chosen = 0;
    for (int i = 0; i < displays; ++i) {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(i, &bounds) == 0 && SDL_PointInRect(&middle, &bounds)) {
            chosen = i;
            break;
        }
    }
    SDL_Rect usable{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(chosen, &usable) != 0)
        return ScreenArea{};
    return ScreenArea{usable.x, usable.y, usable.w, usable.h};
}

void GameWindow::place(const WindowPlacement& wanted)
{
    windowed_ = fitOnScreen(wanted, screenAreaFor(wanted));
    windowed_.fullscreen = wanted.fullscreen;
    if (!window_)
        return;
    SDL_SetWindowSize(window_, windowed_.width, windowed_.height);
    SDL_SetWindowPosition(window_, windowed_.left, windowed_.top);
}

WindowPlacement GameWindow::placement() const
{
    WindowPlacement p = windowed_;
    p.fullscreen = isFullscreen();
    if (window_ && !p.fullscreen && (SDL_GetWindowFlags(window_) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_MAXIMIZED)) == 0) {
        SDL_GetWindowPosition(window_, &p.left, &p.top);
        SDL_GetWindowSize(window_, &p.width, &p.height);
        windowed_ = p;
    }
    return p;
}

void GameWindow::show()
{
    if (!window_)
        return;
    SDL_ShowWindow(window_);
    if (windowed_.fullscreen)
        enterFullscreen();
    SDL_RaiseWindow(window_);
}

void GameWindow::enterFullscreen()
{
    placement();  // the window's own place, for the way back
    // Desktop full screen is the window manager's to grant; without one the request would
    // be dropped while SDL reports the desktop size, so the desktop is covered by hand.
    if (windowManagerGrantsFullscreen(window_) &&
        SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0)
        return;
    if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN)
        SDL_SetWindowFullscreen(window_, 0);
    coveringDesktop_ = coverDesktop(window_);
}

void GameWindow::leaveFullscreen()
{
    if (coveringDesktop_) {
        coveringDesktop_ = false;
        uncoverDesktop(window_, windowed_.left, windowed_.top, windowed_.width, windowed_.height);
        return;
    }
    SDL_SetWindowFullscreen(window_, 0);
}

bool GameWindow::isFullscreen() const
{
    return window_ &&
           (coveringDesktop_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0);
}

void GameWindow::toggleFullscreen()
{
    if (!window_)
        return;
    if (isFullscreen())
        leaveFullscreen();
    else
        enterFullscreen();
}

bool GameWindow::hasInputFocus() const
{
    return window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

int GameWindow::width() const
{
    int w = 0, h = 0;
    if (window_)
        SDL_GL_GetDrawableSize(window_, &w, &h);
    return w;
}

int GameWindow::height() const
{
    int w = 0, h = 0;
    if (window_)
        SDL_GL_GetDrawableSize(window_, &w, &h);
    return h;
}

bool GameWindow::outerSize(int& outerWidth, int& outerHeight) const
{
    if (!window_)
        return false;
    SDL_GetWindowSize(window_, &outerWidth, &outerHeight);
    // The borders count only where the window system reports them.
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) == 0) {
        outerWidth += left + right;
        outerHeight += top + bottom;
    }
    return true;
}

void GameWindow::addEventListener(WindowEventListener* listener)
{
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void GameWindow::removeEventListener(WindowEventListener* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

bool GameWindow::dispatch(const SDL_Event& event, WindowClient& client)
{
    for (WindowEventListener* listener : listeners_)
        listener->handleEvent(event);

    switch (event.type) {
    case SDL_QUIT:
        // A termination signal: save, unless the close path already did.
        if (!closed_) {
            closed_ = true;
            client.onTerminate();
        }
        return true;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            if (!closed_ && !client.onClose())
                return false;
            closed_ = true;
            return true;
        }
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED)
            client.onFrame();
        return false;
    case SDL_KEYDOWN:
        if (event.key.keysym.scancode == SDL_SCANCODE_RETURN && !event.key.repeat &&
            (event.key.keysym.mod & KMOD_ALT) != 0)
            toggleFullscreen();
        return false;
    default:
        return false;
    }
}

int GameWindow::refreshRate() const
{
    SDL_DisplayMode mode;
    const int display = window_ ? SDL_GetWindowDisplayIndex(window_) : 0;
    if (SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) != 0)
        return 0;
    return mode.refresh_rate;
}

bool uncappedFramesRequested()
{
    const char* value = std::getenv("PITCHBAR_UNCAPPED_FRAMES");
    return value && *value && std::strcmp(value, "0") != 0;
}

void GameWindow::runMessageLoop(WindowClient& client)
{
    quitRequested_ = false;
    std::signal(SIGHUP, noteHangUp);
    static const bool exitHandlerSet = std::atexit(saveAtExitInsideLoop) == 0;
    (void)exitHandlerSet;
    struct LoopClientScope {
        explicit LoopClientScope(WindowClient& c) { gLoopClient = &c; }
        ~LoopClientScope() { gLoopClient = nullptr; }
    } scope(client);
    const bool uncapped = uncappedFramesRequested();
    const double ticksPerSecond = static_cast<double>(SDL_GetPerformanceFrequency());
    auto now = [ticksPerSecond] { return static_cast<double>(SDL_GetPerformanceCounter()) / ticksPerSecond; };
    FramePacer pacer;
    SDL_Event event;
    while (!quitRequested_) {
        if (gHangUp) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            dispatch(quit, client);
            break;
        }
        if (SDL_PollEvent(&event)) {
            if (dispatch(event, client))
                break;
            continue;
        }
        // The display may change with the window (full screen, another monitor).
        const double interval = FramePacer::minimumInterval(refreshRate(), uncapped, client.frameRateLimit());
        const double wait = pacer.waitBefore(now(), interval);
        if (wait > 0.0) {
            // Whole milliseconds asleep, woken early by any event; the last fraction of a
            // millisecond is left to the next turn of the loop.
            const int ms = static_cast<int>(wait * 1000.0);
            if (ms > 0 && SDL_WaitEventTimeout(&event, ms) && dispatch(event, client))
                break;
            continue;
        }
        pacer.frameStarted(now(), interval);
        client.onFrame();
    }
}

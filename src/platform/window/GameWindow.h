#pragma once
// The game's one window and its event pump. The pump is the game loop: a frame runs
// whenever no event is waiting and the display is ready for another one (no more frames
// per second than its refresh rate, 240 when it does not say; the environment variable
// PITCHBAR_UNCAPPED_FRAMES=1 lifts the limit for benchmarks).
// SDL types stay behind forward declarations so that the app layer can hold a window.
struct SDL_Window;
union SDL_Event;

#include "platform/window/WindowMetrics.h"
#include "platform/window/WindowPlacement.h"

#include <vector>

// Something in the platform layer that wants to see raw events (the input devices latch
// quick key taps and clicks from them).
class WindowEventListener {
public:
    virtual ~WindowEventListener() = default;
    virtual void handleEvent(const SDL_Event& event) = 0;
};

// What the loop calls back into.
class WindowClient {
public:
    virtual ~WindowClient() = default;
    // One frame: runs when the queue is empty and when the window needs repainting.
    virtual void onFrame() = 0;
    // The player closes the window (close box, the window manager's close): the last
    // chance to save. false keeps the game running, so that the player can read why the
    // save failed; the next close asks again.
    virtual bool onClose() = 0;
    // The game is ended from outside (a termination signal, the session ending): the last
    // chance to save before the loop ends, whatever happens.
    virtual void onTerminate() = 0;
    // The process is ending under the loop without asking: the X connection broke (Xlib
    // then ends the process itself) or a library called exit. Nothing of the window may
    // be used any more; files can still be written.
    virtual void onDisplayLost() { onTerminate(); }
    // At most this many frames a second for now, 0 for as many as the display shows: a
    // game where nothing moves need not keep a core busy.
    virtual int frameRateLimit() const { return 0; }
};

// PITCHBAR_UNCAPPED_FRAMES set to anything but "" or "0".
bool uncappedFramesRequested();

class GameWindow : public WindowMetrics {
public:
    static constexpr int kWidth = 940;
    static constexpr int kHeight = 700;
    static constexpr int kLeft = 100;
    static constexpr int kTop = 100;

    GameWindow() = default;
    ~GameWindow() override;
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Starts SDL's video and event subsystems and creates the hidden window "Pitchbar",
    // 940x700 at (100, 100), ready for an OpenGL 3.3 core context with a double-buffered
    // colour-only default framebuffer. false (after writing the error line) on failure.
    bool create();
    // Where show puts the window: full screen, or a window at that place and size, pulled
    // onto the screen it would open on. Without it, full screen as always.
    void place(const WindowPlacement& placement);
    // Shows the window, then makes it full screen on the desktop's own resolution (unless
    // placed as a window): through the window manager where there is one, otherwise as a
    // borderless window covering the desktop.
    void show();
    // Full screen or not, and the window's place and size (the last ones it had as a
    // window while it is full screen), to keep for the next run.
    WindowPlacement placement() const;
    // Alt+Enter: between the window and full screen.
    void toggleFullscreen();
    bool isFullscreen() const;
    // Whether the window has the keyboard focus (the input devices are lost without it).
    bool hasInputFocus() const;

    SDL_Window* sdlWindow() const { return window_; }
    // Size of the drawable area in pixels.
    int width() const;
    int height() const;
    // The window's size with the borders the window system reports (WindowMetrics).
    bool outerSize(int& outerWidth, int& outerHeight) const override;

    void addEventListener(WindowEventListener* listener);
    void removeEventListener(WindowEventListener* listener);

    // The refresh rate of the window's display in Hz, 0 when unknown.
    int refreshRate() const;
    // Runs until the window is closed or requestQuit is called.
    void runMessageLoop(WindowClient& client);
    // Ends the loop after the current event or frame without the close path: the menu's
    // quit command saves by itself before asking.
    void requestQuit() { quitRequested_ = true; }

    // Routes one event as the loop does; true when it ends the loop.
    bool dispatch(const SDL_Event& event, WindowClient& client);

private:
    void enterFullscreen();
    void leaveFullscreen();

    // The usable area of the screen the rectangle's middle is on (the first screen when
    // none holds it).
    ScreenArea screenAreaFor(const WindowPlacement& p) const;

    SDL_Window* window_ = nullptr;
    // The window's place and size when it is not full screen.
    mutable WindowPlacement windowed_;
    // Full screen made by hand (no window manager to grant it): borderless over the desktop.
    bool coveringDesktop_ = false;
    bool ownsSdl_ = false;
    bool quitRequested_ = false;
    bool closed_ = false;
    std::vector<WindowEventListener*> listeners_;
};

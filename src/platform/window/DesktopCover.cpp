#include "platform/window/DesktopCover.h"

#include "core/ErrorLog.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <string>

namespace {

#if defined(SDL_VIDEO_DRIVER_X11)
// libX11 is already in the process (SDL's X11 driver loads it), so its functions are taken
// from there rather than linking the game against it.
using InternAtomFn = Atom (*)(Display*, const char*, Bool);
using GetWindowPropertyFn = int (*)(Display*, Window, Atom, long, long, Bool, Atom, Atom*, int*,
                                    unsigned long*, unsigned long*, unsigned char**);
using FreeFn = int (*)(void*);

// An EWMH window manager announces itself with _NET_SUPPORTING_WM_CHECK on the root
// window; desktop full screen is one of its _NET_WM_STATE services. The atom may exist
// without the property (SDL interns it), so the property itself is what counts.
bool x11HasWindowManager(Display* display)
{
    void* library = SDL_LoadObject("libX11.so.6");
    if (!library)
        return true;  // cannot ask: leave full screen to SDL as before
    auto internAtom = reinterpret_cast<InternAtomFn>(SDL_LoadFunction(library, "XInternAtom"));
    auto getProperty =
        reinterpret_cast<GetWindowPropertyFn>(SDL_LoadFunction(library, "XGetWindowProperty"));
    auto xFree = reinterpret_cast<FreeFn>(SDL_LoadFunction(library, "XFree"));
    bool present = true;
    if (internAtom && getProperty && xFree) {
        present = false;
        Atom check = internAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
        if (check != None) {
            Atom type = None;
            int format = 0;
            unsigned long count = 0, remaining = 0;
            unsigned char* data = nullptr;
            if (getProperty(display, DefaultRootWindow(display), check, 0, 1, False, AnyPropertyType,
                            &type, &format, &count, &remaining, &data) == Success) {
                present = type != None && count > 0;
                if (data)
                    xFree(data);
            }
        }
    }
    SDL_UnloadObject(library);
    return present;
}

using GetGeometryFn = int (*)(Display*, Drawable, Window*, int*, int*, unsigned int*, unsigned int*,
                              unsigned int*, unsigned int*);

// The window's size as the X server has it now (a round trip, so every event about the
// window sent before has arrived by the time it returns).
bool x11WindowSize(Display* display, Window window, int& width, int& height)
{
    void* library = SDL_LoadObject("libX11.so.6");
    if (!library)
        return false;
    auto getGeometry = reinterpret_cast<GetGeometryFn>(SDL_LoadFunction(library, "XGetGeometry"));
    Window root = 0;
    int x = 0, y = 0;
    unsigned int w = 0, h = 0, border = 0, depth = 0;
    const bool known = getGeometry && getGeometry(display, window, &root, &x, &y, &w, &h, &border, &depth) != 0;
    SDL_UnloadObject(library);
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return known;
}
#endif

} // namespace

bool windowSystemSize(SDL_Window* window, int& width, int& height)
{
    if (!window)
        return false;
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
        return x11WindowSize(info.info.x11.display, info.info.x11.window, width, height);
#endif
    SDL_GetWindowSize(window, &width, &height);
    return true;
}

bool windowManagerGrantsFullscreen(SDL_Window* window)
{
    if (!window)
        return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info))
        return true;
#if defined(SDL_VIDEO_DRIVER_X11)
    if (info.subsystem == SDL_SYSWM_X11)
        return x11HasWindowManager(info.info.x11.display);
#endif
    return true;
}

bool coverDesktop(SDL_Window* window)
{
    if (!window)
        return false;
    int display = SDL_GetWindowDisplayIndex(window);
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(display < 0 ? 0 : display, &bounds) != 0) {
        logError(std::string("Could not read the desktop size: ") + SDL_GetError());
        return false;
    }
    SDL_SetWindowBordered(window, SDL_FALSE);
    SDL_SetWindowPosition(window, bounds.x, bounds.y);
    SDL_SetWindowSize(window, bounds.w, bounds.h);
    SDL_RaiseWindow(window);
    return true;
}

void uncoverDesktop(SDL_Window* window, int left, int top, int width, int height)
{
    if (!window)
        return;
    SDL_SetWindowBordered(window, SDL_TRUE);
    SDL_SetWindowSize(window, width, height);
    SDL_SetWindowPosition(window, left, top);
}

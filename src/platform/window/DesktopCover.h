#pragma once
// Full screen where nobody grants it. Desktop full screen is a request to the window
// manager; on an X server without one (a bare test display, a kiosk session) the request
// is silently dropped and the window stays 940x700 at (100, 100) although SDL reports the
// desktop size. These helpers tell that case apart and cover the desktop by hand instead.
struct SDL_Window;

// Whether a window manager is there to honour a desktop full-screen request for this
// window. Outside X11 (Wayland, KMS) SDL handles full screen itself: always true.
bool windowManagerGrantsFullscreen(SDL_Window* window);

// Makes the window a borderless one at the origin of its display with the display's size.
// false (after writing the error line) when the display's bounds cannot be read.
bool coverDesktop(SDL_Window* window);

// Undoes coverDesktop: the bordered window at the given place and size.
void uncoverDesktop(SDL_Window* window, int left, int top, int width, int height);

// The window's size as the window system has it now; SDL's own idea of it follows only as
// it handles the system's events, and the first frame must wait for both.
bool windowSystemSize(SDL_Window* window, int& width, int& height);

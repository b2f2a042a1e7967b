// Watches the real game from outside, on its X display, for the whole-program figures
// (see app_figures.sh):
//   app_probe launch <folder> <game>  starts the game in <folder> and prints, in ms from
//                                     the start, when its window first shows and when
//                                     the main menu stands fully shown after the loading
//                                     picture; then "pid <n>". The game keeps running.
//   app_probe frames <seconds>        frames per second the game's window presents,
//                                     counted from the X server's damage reports.
// The window is the top-level window titled "Pitchbar".
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool isGameWindow(Display* display, Window w) {
    char* name = nullptr;
    bool match = XFetchName(display, w, &name) && name && std::strcmp(name, "Pitchbar") == 0;
    if (name) XFree(name);
    return match;
}

Window findGameWindow(Display* display) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i) {
            XWindowAttributes a;
            if (XGetWindowAttributes(display, children[i], &a) && a.map_state == IsViewable &&
                isGameWindow(display, children[i]))
                found = children[i];
        }
        if (children) XFree(children);
    }
    return found;
}

// A fingerprint of what the screen shows: a 16x12 grid of pixels. The root window is
// read, as a window partly off the screen cannot be.
unsigned long long fingerprint(Display* display) {
    XWindowAttributes a;
    XGetWindowAttributes(display, DefaultRootWindow(display), &a);
    const int width = a.width, height = a.height;
    XImage* image = XGetImage(display, DefaultRootWindow(display), 0, 0, width, height, AllPlanes,
                              ZPixmap);
    if (!image) return 0;
    unsigned long long h = 1469598103934665603ull;
    for (int gy = 0; gy < 12; ++gy)
        for (int gx = 0; gx < 16; ++gx) {
            unsigned long p = XGetPixel(image, (2 * gx + 1) * width / 32, (2 * gy + 1) * height / 24);
            h = (h ^ p) * 1099511628211ull;
        }
    XDestroyImage(image);
    return h;
}

// A window that goes away between two requests is no reason to stop watching.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

int launch(const char* folder, const char* game) {
    XSetErrorHandler(ignoreXError);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "app_probe: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const Clock::time_point start = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        // The game's own output goes to a file of its folder, not into the probe's pipe.
        if (chdir(folder) != 0) _exit(127);
        if (!std::freopen("game.log", "w", stdout) || !std::freopen("game.log", "a", stderr))
            _exit(127);
        execl(game, game, static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) return 1;

    // The window shows: its MapNotify.
    Window window = 0;
    double shownMs = -1.0;
    while (!window) {
        XEvent e;
        XNextEvent(display, &e);
        if (e.type == MapNotify && isGameWindow(display, e.xmap.window)) {
            window = e.xmap.window;
            shownMs = msSince(start);
        }
        if (msSince(start) > 30000) {
            std::fprintf(stderr, "app_probe: no window within 30 s\n");
            return 1;
        }
    }
    // The main menu: the picture leaves the loading screen's, then stands still for
    // 400 ms (the fades change it every frame); the menu stood from the first such sample.
    unsigned long long loading = 0, last = 0;
    double lastChangeMs = 0.0;
    bool left = false;
    for (;;) {
        unsigned long long f = fingerprint(display);
        double now = msSince(start);
        if (loading == 0) {
            // The loading picture, once it has surely been drawn.
            if (now - shownMs > 300) loading = f;
        } else if (!left) {
            left = f != loading;
            last = f;
            lastChangeMs = now;
        } else if (f != last) {
            last = f;
            lastChangeMs = now;
        } else if (now - lastChangeMs >= 400) {
            std::printf("window_ms %.0f\nmenu_ms %.0f\npid %d\n", shownMs, lastChangeMs, pid);
            return 0;
        }
        if (now > 60000) {
            std::fprintf(stderr, "app_probe: no main menu within 60 s\n");
            return 1;
        }
        usleep(5000);
    }
}

// The damage extension's client side, taken from libXdamage at run time (its headers are
// not part of the build's dependencies).
struct DamageNotifyEvent {
    int type;
    unsigned long serial;
    Bool send_event;
    Display* display;
    Drawable drawable;
    XID damage;
    int level;
    Bool more;
    Time timestamp;
    XRectangle area;
    XRectangle geometry;
};
constexpr int kReportRawRectangles = 0;

int frames(double seconds) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "app_probe: no X display\n");
        return 1;
    }
    void* library = dlopen("libXdamage.so.1", RTLD_NOW);
    auto query = library ? reinterpret_cast<Bool (*)(Display*, int*, int*)>(
                               dlsym(library, "XDamageQueryExtension"))
                         : nullptr;
    auto create = library ? reinterpret_cast<XID (*)(Display*, Drawable, int)>(
                                dlsym(library, "XDamageCreate"))
                          : nullptr;
    int eventBase = 0, errorBase = 0;
    if (!query || !create || !query(display, &eventBase, &errorBase)) {
        std::fprintf(stderr, "app_probe: no damage extension\n");
        return 1;
    }
    Window window = findGameWindow(display);
    if (!window) {
        std::fprintf(stderr, "app_probe: no Pitchbar window\n");
        return 1;
    }
    XWindowAttributes a;
    XGetWindowAttributes(display, window, &a);
    create(display, window, kReportRawRectangles);
    XSync(display, False);
    // Every presented frame puts the whole picture into the window, perhaps in several
    // pieces: the damaged area over the window's area counts the frames.
    double area = 0.0;
    const Clock::time_point start = Clock::now();
    while (msSince(start) < seconds * 1000.0) {
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type == eventBase) {
                const auto* d = reinterpret_cast<const DamageNotifyEvent*>(&e);
                area += static_cast<double>(d->area.width) * d->area.height;
            }
        }
        usleep(1000);
    }
    const double framesSeen = area / (static_cast<double>(a.width) * a.height);
    std::printf("fps %.1f\n", framesSeen / seconds);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "launch") return launch(argv[2], argv[3]);
    if (argc == 3 && std::string(argv[1]) == "frames") return frames(std::atof(argv[2]));
    std::fprintf(stderr, "usage: app_probe launch <folder> <game> | app_probe frames <seconds>\n");
    return 2;
}

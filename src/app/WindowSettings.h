#pragma once
// The window's placement as the settings file keeps it: "window.fullscreen" (yes/no) and
// the window's "window.left", "window.top", "window.width", "window.height".
#include "platform/window/WindowPlacement.h"
#include "profiles/SettingsFile.h"

inline WindowPlacement readWindowPlacement(const SettingsFile& settings)
{
    WindowPlacement p;
    p.fullscreen = settings.flag("window.fullscreen", p.fullscreen);
    p.left = settings.number("window.left", p.left, -100000, 100000);
    p.top = settings.number("window.top", p.top, -100000, 100000);
    p.width = settings.number("window.width", p.width, kSmallestWindowWidth, 100000);
    p.height = settings.number("window.height", p.height, kSmallestWindowHeight, 100000);
    return p;
}

inline void keepWindowPlacement(SettingsFile& settings, const WindowPlacement& p)
{
    settings.setFlag("window.fullscreen", p.fullscreen);
    settings.setNumber("window.left", p.left);
    settings.setNumber("window.top", p.top);
    settings.setNumber("window.width", p.width);
    settings.setNumber("window.height", p.height);
}

#pragma once
// The picture's settings of this machine, kept in the settings file (not per profile: they
// belong to the screen and the graphics card): "video.widePicture" draws the picture at
// the window's own size and shape (off: the designed 4:3 picture with black bars), and
// "video.smoothEdges" smooths the 3D scene's edges where the device has no multisampling.
#include "profiles/SettingsFile.h"

constexpr const char* kWidePictureKey = "video.widePicture";
constexpr const char* kSmoothEdgesKey = "video.smoothEdges";
// The designed picture unless the player asks for the wide one.
constexpr bool kWidePictureByDefault = false;
// The smoothing pass costs a software renderer more than a tenth of its match frame rate
// (docs/before-after/wide-and-smooth/figures.txt): asked for, not given.
constexpr bool kSmoothEdgesByDefault = false;

struct VideoSettings {
    bool widePicture = kWidePictureByDefault;
    bool smoothEdges = kSmoothEdgesByDefault;
};

inline VideoSettings readVideoSettings(const SettingsFile& settings)
{
    VideoSettings v;
    v.widePicture = settings.flag(kWidePictureKey, kWidePictureByDefault);
    v.smoothEdges = settings.flag(kSmoothEdgesKey, kSmoothEdgesByDefault);
    return v;
}

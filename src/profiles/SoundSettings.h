#pragma once
// The four sound fields a profile and the profile store share: effects on and their volume,
// music on and its volume (volumes 0..15).
#include <cstdint>

struct SoundSettings {
    bool sound = true;
    std::int32_t soundVolume = 15;
    bool music = true;
    std::int32_t musicVolume = 15;
};

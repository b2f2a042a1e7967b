#include "profiles/Profile.h"

#include <algorithm>

std::uint64_t nextProfileSerial()
{
    static std::uint64_t last = 0;
    return ++last;
}

SoundSettings Profile::soundSettings() const
{
    SoundSettings s;
    s.sound = sound;
    s.soundVolume = soundVolume;
    s.music = music;
    s.musicVolume = musicVolume;
    return s;
}

void Profile::setSoundSettings(const SoundSettings& s)
{
    sound = s.sound;
    soundVolume = s.soundVolume;
    music = s.music;
    musicVolume = s.musicVolume;
}

void Profile::clampToRanges()
{
    soundVolume = std::clamp<std::int32_t>(soundVolume, 0, 15);
    musicVolume = std::clamp<std::int32_t>(musicVolume, 0, 15);
    bestLevel = std::clamp<std::int32_t>(bestLevel, -1, kOpponentCount - 1);
    bestConceded = std::clamp<std::int32_t>(bestConceded, 0, 4);
    rodSelection = std::clamp<std::int32_t>(rodSelection, kRodSelectionManual, kRodSelectionBack);
    horizontalMouseSens = std::clamp<std::int32_t>(horizontalMouseSens, 1, 15);
    verticalMouseSens = std::clamp<std::int32_t>(verticalMouseSens, 1, 15);
    clickRotVel = std::clamp<std::int32_t>(clickRotVel, 1, 15);
    rodRotDir = std::clamp<std::int32_t>(rodRotDir, 0, 1);
}

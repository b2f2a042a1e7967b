#pragma once
// The music steps back while the player is away from the window or the match is paused,
// and comes back when play goes on: a fade of half a second each way, never a jump.

// The music's level while nothing is being played, of its level in play.
constexpr float kQuietMusicLevel = 0.25f;
constexpr float kMusicFadeSeconds = 0.5f;

// The level after dt seconds of fading from level towards target (both in 0..1).
inline float fadeMusicLevel(float level, float target, float dt)
{
    const float step = dt / kMusicFadeSeconds;
    if (level < target)
        return level + step < target ? level + step : target;
    return level - step > target ? level - step : target;
}

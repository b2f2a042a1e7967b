#pragma once
// The game's music: several looping tracks played in turn, one at a time. Turning to the
// next track cross-fades over about a second, the outgoing track fading as the new one
// comes in, equal in power so that the music neither dips nor swells. A track that cannot
// be played (its file missing or damaged, or its stream broken while it played) is passed
// over for the rest of the run, so one bad file never silences the others.
#include <vector>

class SoundSystem;
struct SoundHandle;
struct Voice;

class MusicRotation {
public:
    static constexpr float kCrossfadeSeconds = 1.0f;

    // Starts the rotation on `sounds` with the first of `tracks` that plays, at its full
    // share at once. A null handle (a file that failed to load, its error line written)
    // is passed over; a null sound system (no sound device) plays nothing.
    void start(SoundSystem* sounds, const std::vector<const SoundHandle*>& tracks);
    // Cross-fades from the playing track to the next one that plays, the first again after
    // the last. With one track left, it plays on.
    void next();
    // Stops every music voice at once (before the sound system goes).
    void stop();
    // The music's gain as a whole (the settings, the pause); each voice plays it times its
    // share of a cross-fade.
    void setGain(float gain);
    // Once a frame, after the sound system has fed its streams: moves the cross-fade on,
    // lets a faded-out track go, and passes over a track whose stream broke.
    void update(float dt);

    // The track that plays or fades in (index into the tracks), -1 when none plays.
    int currentTrack() const { return playing_.empty() ? -1 : playing_.back().track; }
    const Voice* currentVoice() const { return playing_.empty() ? nullptr : playing_.back().voice; }
    // The music voices in use: two while a cross-fade runs.
    int voiceCount() const { return static_cast<int>(playing_.size()); }
    float gain() const { return gain_; }

private:
    struct Playing {
        Voice* voice = nullptr;
        int track = -1;
        float share = 0.0f;  // of the cross-fade, 0..1
    };
    // Starts the first track from `from` on that plays, at `share`; false when none does.
    bool launchFrom(int from, float share);
    bool launch(int track, float share);
    void applyGain(const Playing& p);

    SoundSystem* sounds_ = nullptr;
    std::vector<const SoundHandle*> tracks_;
    std::vector<bool> broken_;
    // The current track last; the ones before it fade out.
    std::vector<Playing> playing_;
    int turn_ = -1;  // the track whose turn it is, or was last
    float gain_ = 0.0f;
};

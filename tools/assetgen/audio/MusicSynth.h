#pragma once
// The instruments of the menu music, each rendering one note into a stereo track. The
// track is circular: a note that rings past the end continues at the beginning, so the
// rendered piece loops without a click, its last bar's tails sounding into the first.
#include "audio/Dsp.h"

#include <vector>

struct MusicTrack {
    int frames = 0;
    std::vector<float> left;
    std::vector<float> right;

    explicit MusicTrack(int frameCount) : frames(frameCount), left(frameCount, 0.0f), right(frameCount, 0.0f) {}

    // Adds a sample at frame `at` (wrapped), panned from -1 (left) to 1 (right).
    void add(long at, double value, double pan) {
        long i = at % frames;
        if (i < 0) i += frames;
        left[i] += static_cast<float>(value * (1.0 - pan) * 0.5 * 1.41421356);
        right[i] += static_cast<float>(value * (1.0 + pan) * 0.5 * 1.41421356);
    }
};

double midiToHz(double note);

// Melodic instruments: a note at `start` seconds lasting `length` seconds, with a
// velocity in [0, 1].
void playLead(MusicTrack& track, double start, double length, int note, double velocity);
void playPad(MusicTrack& track, double start, double length, int note, double velocity);
void playStab(MusicTrack& track, double start, int note, double velocity, double pan);
void playBass(MusicTrack& track, double start, double length, int note, double velocity);
void playPluck(MusicTrack& track, double start, int note, double velocity, double pan);

// Drums.
void playKickDrum(MusicTrack& track, double start, double velocity);
void playClap(MusicTrack& track, double start, double velocity);
void playSnare(MusicTrack& track, double start, double velocity);
void playHat(MusicTrack& track, double start, double velocity, bool open);
void playCrash(MusicTrack& track, double start, double velocity);

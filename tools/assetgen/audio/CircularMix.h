#pragma once
// Mixing tools for music rendered on a circle (see MusicSynth.h). Every effect with a
// memory (an echo, a room, a compressor's recovery) runs round the circle more than once,
// so that at the loop's start it already carries what the loop's end left in it: the end
// flows into the beginning sample for sample.
#include "audio/MusicSynth.h"

#include <vector>

// A melody or bass line on a grid of equal slots, one row per bar: a MIDI note starts a
// note, kHold holds the previous one, kRest is silence.
constexpr int kHold = 0;
constexpr int kRest = -1;

struct GridNote {
    int slot = 0;   // where in the bar it starts
    int slots = 1;  // how many slots it lasts
    int note = 0;
};

// The notes of one bar's row of `slotCount` slots. A note held to the bar line carries on
// into the holds at the start of `nextRow` (null: none).
std::vector<GridNote> notesOfRow(const int* row, int slotCount, const int* nextRow);

// The music dips for a moment at each of `times` (seconds), by `depth` (0..1), recovering
// over `recovery` seconds: the pumping of a compressor under the kick.
void duckAround(MusicTrack& music, const std::vector<double>& times, double depth, double recovery);

// Adds `send` of `in` through a small stereo room (parallel combs into all-passes) that
// dies away over about `decaySeconds`, darker above `damping` Hz.
void addRoom(MusicTrack& out, const MusicTrack& in, double send, double decaySeconds, double damping);

// Adds `in` and its ping-pong echo, `delaySeconds` apart, each repeat `feedback` of the one
// before, darkened above 3 kHz.
void addPingPongEcho(MusicTrack& out, const MusicTrack& in, double delaySeconds, double feedback, double level);

// The tracks summed into interleaved stereo.
std::vector<float> mixToStereo(const std::vector<const MusicTrack*>& tracks);

// Sets the mix's loudness to `rmsDb` dBFS (the menu music's), then holds its peaks under
// `ceilingDb` with a smooth limiter that looks a few milliseconds ahead, so a loud beat
// is turned down gently rather than clipped.
void levelToLoudness(std::vector<float>& interleaved, double rmsDb, double ceilingDb);

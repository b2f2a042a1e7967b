// precalc/precalc3.dat: the third music track, a quick arcade piece at 150 BPM in E minor,
// 32 bars (51.2 s) that loop seamlessly, encoded as Ogg Vorbis.
//
// The voices of an eighties games console: a pulse lead with a ping-pong echo, a thin
// pulse running arpeggios, a triangle bass bouncing in octaves, and noise drums.
//   bars 1-4    the groove: Em C G D, arpeggio, bass and drums;
//   bars 5-12   the theme over Em C G D, twice;
//   bars 13-20  the bridge: Am Em C B, twice, the leading tone pulling back home;
//   bars 21-28  the theme again, doubled an octave down;
//   bars 29-32  the groove, with a snare run in the last bar that leads into the first.
// Rendered on a circle (see MusicSynth.h); the echo and the room run round it too.
#include "Generator.h"
#include "audio/CircularMix.h"
#include "audio/Dsp.h"
#include "audio/MoreInstruments.h"
#include "audio/OggVorbisWriter.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kBpm = 150.0;
constexpr double kBeat = 60.0 / kBpm;
constexpr double kEighth = kBeat / 2.0;
constexpr double kSixteenth = kBeat / 4.0;
constexpr double kBar = kBeat * 4.0;
constexpr int kBars = 32;

struct Chord {
    int bassRoot;
    int tones[4];  // the arpeggio's notes, lowest first
};

const Chord kEm = {40, {64, 67, 71, 76}};
const Chord kC = {36, {60, 64, 67, 72}};
const Chord kG = {43, {62, 67, 71, 74}};
const Chord kD = {38, {62, 66, 69, 74}};
const Chord kAm = {45, {60, 64, 69, 72}};
const Chord kB = {47, {63, 66, 71, 75}};

enum class Part { Groove, Theme, Bridge, ThemeDoubled };

Part partOfBar(int bar) {
    if (bar < 4 || bar >= 28) return Part::Groove;
    if (bar < 12) return Part::Theme;
    if (bar < 20) return Part::Bridge;
    return Part::ThemeDoubled;
}

const Chord& chordOfBar(int bar) {
    static const Chord* const verse[4] = {&kEm, &kC, &kG, &kD};
    static const Chord* const bridge[4] = {&kAm, &kEm, &kC, &kB};
    return partOfBar(bar) == Part::Bridge ? *bridge[bar % 4] : *verse[bar % 4];
}

constexpr int H = kHold;
constexpr int R = kRest;
const int kThemeTune[8][8] = {
    {76, H, 71, H, 74, 76, H, 79},  // Em
    {H, H, 79, 76, H, H, 74, 72},   // C
    {71, H, 74, H, 79, H, 78, 79},  // G
    {81, H, H, H, 78, H, 74, H},    // D
    {76, H, 71, H, 74, 76, H, 79},  // Em
    {H, H, 79, 76, H, H, 84, H},    // C
    {83, H, 81, H, 79, H, 78, H},   // G
    {78, H, 81, H, 83, H, 86, H},   // D: climbing out
};
const int kBridgeTune[8][8] = {
    {84, H, H, H, 83, H, 81, H},  // Am
    {79, H, H, H, 76, H, 79, H},  // Em
    {81, H, H, H, 79, H, 76, H},  // C
    {75, H, H, H, 78, H, 81, H},  // B
    {84, H, 83, H, 81, H, 84, H}, // Am
    {83, H, H, H, 79, H, 76, H},  // Em
    {79, H, 81, H, 83, H, 84, H}, // C
    {75, H, 78, H, 81, H, 83, H}, // B: up the dominant into the theme
};
const int kSilentBar[8] = {R, R, R, R, R, R, R, R};

const int* tuneOfBar(int bar) {
    switch (partOfBar(bar)) {
    case Part::Theme: return kThemeTune[bar - 4];
    case Part::Bridge: return kBridgeTune[bar - 12];
    case Part::ThemeDoubled: return kThemeTune[bar - 20];
    case Part::Groove: break;
    }
    return kSilentBar;
}

struct Machine {
    MusicTrack drums;
    MusicTrack chips;  // bass and arpeggio
    MusicTrack lead;   // gets the echo
    explicit Machine(int frames) : drums(frames), chips(frames), lead(frames) {}
};

void writeDrums(Machine& m, int bar) {
    const double t0 = bar * kBar;
    const bool fill = bar == kBars - 1;
    const bool busy = partOfBar(bar) != Part::Groove;
    for (int beat = 0; beat < 4; ++beat) {
        const double tb = t0 + beat * kBeat;
        if (beat == 0 || beat == 2) playChipKick(m.drums, tb, 1.0);
        if (busy && beat == 2) playChipKick(m.drums, tb + kEighth, 0.7);
        if ((beat == 1 || beat == 3) && !(fill && beat == 3)) playChipSnare(m.drums, tb, 0.9);
        playChipHat(m.drums, tb + kEighth, 0.9);
        if (busy) playChipHat(m.drums, tb, 0.5);
    }
    if (fill) {
        for (int k = 0; k < 4; ++k) playChipSnare(m.drums, t0 + 3 * kBeat + k * kSixteenth, 0.45 + 0.15 * k);
    }
}

void writeChips(Machine& m, int bar) {
    const double t0 = bar * kBar;
    const Chord& chord = chordOfBar(bar);
    // The triangle bounces between the root and its octave.
    for (int slot = 0; slot < 8; ++slot) {
        int note = chord.bassRoot + (slot % 2 == 1 ? 12 : 0);
        playChipTriangle(m.chips, t0 + slot * kEighth, kEighth * 0.8, note, slot % 2 == 0 ? 1.0 : 0.8);
    }
    // Sixteenth arpeggios up and down the chord, quieter under the tune.
    static const int order[8] = {0, 1, 2, 3, 2, 1, 2, 3};
    const double level = partOfBar(bar) == Part::Groove ? 0.9 : 0.55;
    for (int s = 0; s < 16; ++s) {
        int note = chord.tones[order[s % 8]];
        playChipPulse(m.chips, t0 + s * kSixteenth, kSixteenth * 0.7, note, level * (s % 4 == 0 ? 1.0 : 0.75), 0.125,
                      s % 2 == 0 ? -0.35 : 0.35);
    }
}

void writeTune(Machine& m, int bar) {
    const double t0 = bar * kBar;
    const int* row = tuneOfBar(bar);
    const int* nextRow = tuneOfBar((bar + 1) % kBars);
    const bool doubled = partOfBar(bar) == Part::ThemeDoubled;
    for (const GridNote& g : notesOfRow(row, 8, nextRow)) {
        const double at = t0 + g.slot * kEighth;
        const double length = g.slots * kEighth * 0.9;
        const double velocity = g.slot % 2 == 0 ? 1.0 : 0.85;
        playChipPulse(m.lead, at, length, g.note, velocity, 0.25, 0.0);
        if (doubled) playChipPulse(m.lead, at, length, g.note - 12, velocity * 0.6, 0.5, 0.0);
    }
}

std::vector<float> renderArcade() {
    const int frames = static_cast<int>(std::lround(kBars * kBar * dsp::kRate));
    Machine m(frames);
    for (int bar = 0; bar < kBars; ++bar) {
        writeDrums(m, bar);
        writeChips(m, bar);
        writeTune(m, bar);
    }
    MusicTrack leadWithEcho(frames);
    addPingPongEcho(leadWithEcho, m.lead, 1.5 * kEighth, 0.3, 0.4);
    MusicTrack room(frames);
    addRoom(room, leadWithEcho, 0.15, 0.9, 6000.0);
    addRoom(room, m.chips, 0.1, 0.9, 6000.0);
    std::vector<float> mix = mixToStereo({&m.drums, &m.chips, &leadWithEcho, &room});
    levelToLoudness(mix, -17.9, -2.5);
    return mix;
}

bool generateArcadeMusic(const std::string& dir) {
    return saveOggVorbis(dir + "/precalc/precalc3.dat", renderArcade(), 2, dsp::kRate, 0.45f,
                         "Pitchbar music 3: arcade");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("music-arcade", generateArcadeMusic);

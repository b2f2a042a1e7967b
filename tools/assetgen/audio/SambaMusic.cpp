// precalc/precalc4.dat: the fourth music track, a samba at 108 BPM in A major, 24 bars
// (53.3 s) that loop seamlessly, encoded as Ogg Vorbis: the sound of a crowd's drummers
// in the stands.
//
// A nylon-string guitar plays the bass with its thumb and syncopated chords with its
// fingers, a flute has the tune, and the batucada grows: surdo and ganzá from the start,
// the tamborim from the bridge, the agogô bells in the theme's return.
//   1. theme (bars 1-8): A6/9 F#m7 Bm7 E7 A6/9 F#7 Bm7 E7;
//   2. bridge (bars 9-16): Dmaj7 C#m7 Bm7 E7 Dmaj7 C#m7 Bm7 E7;
//   3. theme again with every drum; the tamborim calls the loop back to its start.
// Rendered on a circle (see MusicSynth.h); the room runs round it too.
#include "Generator.h"
#include "audio/CircularMix.h"
#include "audio/Dsp.h"
#include "audio/MoreInstruments.h"
#include "audio/OggVorbisWriter.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kBpm = 108.0;
constexpr double kBeat = 60.0 / kBpm;
constexpr double kEighth = kBeat / 2.0;
constexpr double kSixteenth = kBeat / 4.0;
constexpr double kBar = kBeat * 4.0;
constexpr int kBars = 24;

struct Chord {
    int root;   // the thumb's note on the one
    int fifth;  // and on the three
    int tones[4];
};

const Chord kA69 = {45, 40, {57, 61, 66, 71}};
const Chord kFsm7 = {42, 49, {54, 57, 61, 64}};
const Chord kBm7 = {47, 42, {57, 62, 66, 69}};
const Chord kE7 = {40, 47, {56, 59, 62, 64}};
const Chord kFs7 = {42, 49, {58, 61, 64, 66}};
const Chord kDmaj7 = {50, 45, {57, 61, 62, 66}};
const Chord kCsm7 = {49, 44, {56, 59, 61, 64}};

const Chord* const kTheme[8] = {&kA69, &kFsm7, &kBm7, &kE7, &kA69, &kFs7, &kBm7, &kE7};
const Chord* const kBridge[8] = {&kDmaj7, &kCsm7, &kBm7, &kE7, &kDmaj7, &kCsm7, &kBm7, &kE7};

bool inBridge(int bar) { return bar / 8 == 1; }

const Chord& chordOfBar(int bar) { return inBridge(bar) ? *kBridge[bar % 8] : *kTheme[bar % 8]; }

constexpr int H = kHold;
constexpr int R = kRest;
const int kThemeTune[8][8] = {
    {81, H, 80, 81, H, 76, H, H},   // A6/9
    {R, 78, 81, 85, H, 83, 81, H},  // F#m7
    {83, H, 81, 83, H, 78, H, H},   // Bm7
    {R, 80, 83, 86, H, 85, 83, H},  // E7
    {81, H, 80, 81, H, 76, H, 78},  // A6/9
    {82, H, H, 85, 82, H, 78, H},   // F#7
    {81, H, 78, H, 74, H, 76, 78},  // Bm7
    {80, H, H, H, 76, H, R, R},     // E7
};
const int kThemeLastBar[8] = {80, H, H, H, 76, H, 78, 80};  // E7, leading up into the A
const int kBridgeTune[8][8] = {
    {85, H, H, 86, 85, H, 81, H},  // Dmaj7
    {80, H, H, H, 76, H, 80, H},   // C#m7
    {81, H, H, 83, 81, H, 78, H},  // Bm7
    {80, H, H, H, H, H, 83, H},    // E7
    {85, H, 86, H, 88, H, 85, H},  // Dmaj7
    {83, H, H, H, 80, H, 76, H},   // C#m7
    {81, H, 83, H, 81, H, 78, H},  // Bm7
    {80, H, 83, H, 86, H, 85, 83}, // E7: round the dominant into the theme
};

const int* tuneOfBar(int bar) {
    if (inBridge(bar)) return kBridgeTune[bar % 8];
    if (bar == kBars - 1) return kThemeLastBar;
    return kThemeTune[bar % 8];
}

struct School {
    MusicTrack drums;
    MusicTrack guitar;
    MusicTrack flute;
    explicit School(int frames) : drums(frames), guitar(frames), flute(frames) {}
};

void writeDrums(School& s, int bar) {
    const double t0 = bar * kBar;
    const bool tamborim = bar >= 8;
    const bool agogo = bar >= 16;
    const bool call = bar == kBars - 1;
    // Surdo: muted on one and three, open and strong on two and four.
    for (int beat = 0; beat < 4; ++beat) {
        const bool open = beat % 2 == 1;
        playSurdo(s.drums, t0 + beat * kBeat, open ? 1.0 : 0.55, !open);
    }
    // Ganzá: every sixteenth, leaning on the last of each beat.
    for (int k = 0; k < 16; ++k) playGanza(s.drums, t0 + k * kSixteenth, k % 4 == 3 ? 0.9 : k % 4 == 0 ? 0.55 : 0.4);
    if (tamborim) {
        static const int hits[6] = {0, 3, 6, 8, 10, 13};
        for (int k : hits) {
            if (call && k >= 8) break;
            playTamborim(s.drums, t0 + k * kSixteenth, k % 8 == 0 ? 0.9 : 0.7);
        }
    }
    // The call back to the top: the tamborim in sixteenths through the bar's second half.
    if (call) {
        for (int k = 8; k < 16; ++k) playTamborim(s.drums, t0 + k * kSixteenth, 0.5 + 0.05 * (k - 8));
    }
    if (agogo) {
        struct Bell {
            int slot;
            bool high;
        };
        static const Bell bells[7] = {{0, true}, {3, false}, {6, true}, {8, false}, {10, true}, {12, false}, {14, false}};
        for (const Bell& b : bells) playAgogo(s.drums, t0 + b.slot * kSixteenth, b.high, 0.8);
    }
}

void writeGuitar(School& s, int bar) {
    const double t0 = bar * kBar;
    const Chord& chord = chordOfBar(bar);
    // The thumb: root on the one, fifth on the three.
    playNylonGuitar(s.guitar, t0, 3.0 * kSixteenth, chord.root, 0.9, 0.0);
    playNylonGuitar(s.guitar, t0 + 2 * kBeat, 3.0 * kSixteenth, chord.fifth, 0.8, 0.0);
    // The fingers: the chord on the syncopations of the samba.
    static const int hits[5] = {0, 3, 6, 10, 13};
    for (int slot : hits) {
        for (int k = 0; k < 4; ++k) {
            // Fingers pull the strings together, a few milliseconds apart.
            double at = t0 + slot * kSixteenth + 0.004 * k;
            playNylonGuitar(s.guitar, at, 1.6 * kSixteenth, chord.tones[k], slot == 0 ? 0.7 : 0.6,
                            -0.25 + 0.15 * k);
        }
    }
}

void writeTune(School& s, int bar) {
    const double t0 = bar * kBar;
    const int* row = tuneOfBar(bar);
    const int* nextRow = tuneOfBar((bar + 1) % kBars);
    for (const GridNote& g : notesOfRow(row, 8, nextRow)) {
        double velocity = g.slot % 2 == 0 ? 0.95 : 0.85;
        playFlute(s.flute, t0 + g.slot * kEighth, g.slots * kEighth * 0.92, g.note, velocity);
    }
}

std::vector<float> renderSamba() {
    const int frames = static_cast<int>(std::lround(kBars * kBar * dsp::kRate));
    School s(frames);
    for (int bar = 0; bar < kBars; ++bar) {
        writeDrums(s, bar);
        writeGuitar(s, bar);
        writeTune(s, bar);
    }
    MusicTrack room(frames);
    addRoom(room, s.flute, 0.3, 1.5, 5500.0);
    addRoom(room, s.guitar, 0.18, 1.2, 5000.0);
    addRoom(room, s.drums, 0.15, 1.0, 6000.0);
    std::vector<float> mix = mixToStereo({&s.drums, &s.guitar, &s.flute, &room});
    levelToLoudness(mix, -17.9, -2.5);
    return mix;
}

bool generateSambaMusic(const std::string& dir) {
    return saveOggVorbis(dir + "/precalc/precalc4.dat", renderSamba(), 2, dsp::kRate, 0.45f,
                         "Pitchbar music 4: samba");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("music-samba", generateSambaMusic);

// precalc/precalc2.dat: the second music track, an easy lounge piece at 96 BPM in F major,
// 24 bars (60 s) that loop seamlessly, encoded as Ogg Vorbis.
//
// A small band: the electric piano comps in jazz chords (rootless voicings, their colour
// notes on top), the round bass walks between the roots, the vibraphone sings the tune,
// and the drums are brushed: a soft kick, rimshots on two and four, a swung shaker.
//   1. theme (bars 1-8): Fmaj9 Dm9 Gm9 C9 Fmaj9 Am7 Bbmaj7 C9;
//   2. bridge (bars 9-16): Bbmaj7 Am7 Gm9 Fmaj9, twice, the last turning on C9;
//   3. theme again with the full drums, its last bar falling back into the first.
// Rendered on a circle (see MusicSynth.h); the room and the kick's dip run round it too.
#include "Generator.h"
#include "audio/CircularMix.h"
#include "audio/Dsp.h"
#include "audio/MoreInstruments.h"
#include "audio/OggVorbisWriter.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kBpm = 96.0;
constexpr double kBeat = 60.0 / kBpm;
constexpr double kEighth = kBeat / 2.0;
constexpr double kSixteenth = kBeat / 4.0;
constexpr double kBar = kBeat * 4.0;
constexpr int kBars = 24;
// The shaker's off-beat sixteenths come late: a light swing.
constexpr double kSwing = 0.035;

struct Chord {
    int bassRoot;
    int tones[4];  // the piano's voicing, around middle C
};

const Chord kFmaj9 = {41, {57, 60, 64, 67}};
const Chord kDm9 = {38, {57, 60, 64, 65}};
const Chord kGm9 = {43, {58, 62, 65, 69}};
const Chord kC9 = {36, {58, 62, 64, 67}};
const Chord kAm7 = {45, {55, 60, 64, 67}};
const Chord kBbmaj7 = {46, {53, 57, 62, 65}};

const Chord* const kTheme[8] = {&kFmaj9, &kDm9, &kGm9, &kC9, &kFmaj9, &kAm7, &kBbmaj7, &kC9};
const Chord* const kBridge[8] = {&kBbmaj7, &kAm7, &kGm9, &kFmaj9, &kBbmaj7, &kAm7, &kGm9, &kC9};

const Chord& chordOfBar(int bar) {
    return bar / 8 == 1 ? *kBridge[bar % 8] : *kTheme[bar % 8];
}

constexpr int H = kHold;
constexpr int R = kRest;
// The vibraphone's tune, in eighths.
const int kThemeTune[8][8] = {
    {R, 72, 74, 76, H, H, 79, H},    // Fmaj9: C D E . . G
    {77, H, H, H, 76, 74, 72, H},    // Dm9
    {R, 74, 77, 81, H, H, 79, 77},   // Gm9
    {76, H, H, H, H, H, R, R},       // C9: the E rings
    {R, 72, 74, 76, H, H, 79, H},    // Fmaj9
    {81, H, H, 79, 76, H, 72, H},    // Am7
    {74, H, 77, H, 81, H, 79, 77},   // Bbmaj7
    {79, H, H, H, H, H, R, R},       // C9
};
const int kThemeLastBar[8] = {79, H, H, H, 76, H, 74, H};  // C9, settling towards the F
const int kBridgeTune[8][8] = {
    {81, H, H, H, 82, 81, 79, 77},  // Bbmaj7
    {76, H, H, H, 72, H, 76, H},    // Am7
    {74, H, H, H, 77, H, 82, H},    // Gm9
    {81, H, H, H, H, H, R, 77},     // Fmaj9
    {82, H, 81, H, 79, H, 77, H},   // Bbmaj7
    {79, H, 76, H, 72, H, 76, 79},  // Am7
    {82, H, H, H, 81, H, 79, H},    // Gm9
    {76, H, 79, H, 82, H, 84, H},   // C9: up the dominant into the theme
};

const int* tuneOfBar(int bar) {
    if (bar / 8 == 1) return kBridgeTune[bar % 8];
    if (bar == kBars - 1) return kThemeLastBar;
    return kThemeTune[bar % 8];
}

struct Band {
    MusicTrack drums;
    MusicTrack keys;  // piano and bass: they dip under the kick
    MusicTrack vibes;
    std::vector<double> kickTimes;
    explicit Band(int frames) : drums(frames), keys(frames), vibes(frames) {}
};

void writeDrums(Band& band, int bar) {
    const double t0 = bar * kBar;
    const bool full = bar >= 8;
    const bool lastBar = bar == kBars - 1;
    for (int beat = 0; beat < 4; ++beat) {
        const double tb = t0 + beat * kBeat;
        if (beat == 0 || beat == 2) {
            playSoftKick(band.drums, tb, beat == 0 ? 1.0 : 0.8);
            band.kickTimes.push_back(tb);
        }
        if (beat == 1 || (beat == 3 && !lastBar)) playRimshot(band.drums, tb, 0.85);
        for (int s = 0; s < 4; ++s) {
            double at = tb + s * kSixteenth + (s % 2 == 1 ? kSwing : 0.0);
            double velocity = s == 2 ? 0.9 : s == 0 ? 0.6 : 0.4;
            playShaker(band.drums, at, velocity * (full ? 1.0 : 0.75));
        }
    }
    // The kick's pick-up on the "and" of two once the bridge has begun.
    if (full) {
        playSoftKick(band.drums, t0 + 1.5 * kBeat, 0.55);
        band.kickTimes.push_back(t0 + 1.5 * kBeat);
    }
    // A little rimshot figure turns the loop round.
    if (lastBar) {
        const double figure[3] = {3.0, 3.5, 3.75};
        for (int k = 0; k < 3; ++k) playRimshot(band.drums, t0 + figure[k] * kBeat, 0.55 + 0.15 * k);
    }
}

void writeKeys(Band& band, int bar) {
    const double t0 = bar * kBar;
    const Chord& chord = chordOfBar(bar);
    const Chord& next = chordOfBar((bar + 1) % kBars);

    // Piano: on the one, the "and" of two and on four, leaving the tune room between.
    struct Hit {
        double slot, length, velocity;
    };
    const Hit hits[3] = {{0.0, 2.6, 0.85}, {3.0, 0.8, 0.6}, {6.0, 1.8, 0.7}};
    for (const Hit& h : hits) {
        for (int k = 0; k < 4; ++k) {
            // The fingers land a hair apart, lowest first.
            double at = t0 + h.slot * kEighth + k * 0.006;
            playElectricPiano(band.keys, at, h.length * kEighth, chord.tones[k], h.velocity * (k == 3 ? 1.0 : 0.8),
                              k % 2 == 0 ? -0.3 : 0.3);
        }
    }

    // Bass: root, fifth, root an octave up, and a chromatic step into the next bar's root.
    const int root = chord.bassRoot;
    int approach = next.bassRoot - 1;
    if (approach == root) approach = root + 2;
    playRoundBass(band.keys, t0, 2.7 * kEighth, root, 1.0);
    playRoundBass(band.keys, t0 + 3 * kEighth, 0.9 * kEighth, root + 7, 0.75);
    playRoundBass(band.keys, t0 + 4 * kEighth, 1.8 * kEighth, root + 12, 0.8);
    playRoundBass(band.keys, t0 + 6 * kEighth, 0.9 * kEighth, root + 7, 0.7);
    playRoundBass(band.keys, t0 + 7 * kEighth, 0.9 * kEighth, approach, 0.75);
}

void writeTune(Band& band, int bar) {
    const double t0 = bar * kBar;
    const int* row = tuneOfBar(bar);
    const int* nextRow = tuneOfBar((bar + 1) % kBars);
    for (const GridNote& g : notesOfRow(row, 8, nextRow)) {
        double velocity = g.slot % 2 == 0 ? 0.95 : 0.8;
        playVibraphone(band.vibes, t0 + g.slot * kEighth, g.slots * kEighth * 0.95, g.note, velocity);
    }
}

std::vector<float> renderLounge() {
    const int frames = static_cast<int>(std::lround(kBars * kBar * dsp::kRate));
    Band band(frames);
    for (int bar = 0; bar < kBars; ++bar) {
        writeDrums(band, bar);
        writeKeys(band, bar);
        writeTune(band, bar);
    }
    duckAround(band.keys, band.kickTimes, 0.15, 0.12);
    MusicTrack room(frames);
    addRoom(room, band.vibes, 0.35, 1.8, 5000.0);
    addRoom(room, band.keys, 0.2, 1.8, 5000.0);
    addRoom(room, band.drums, 0.12, 1.2, 6000.0);
    std::vector<float> mix = mixToStereo({&band.drums, &band.keys, &band.vibes, &room});
    levelToLoudness(mix, -17.9, -2.5);
    return mix;
}

bool generateLoungeMusic(const std::string& dir) {
    return saveOggVorbis(dir + "/precalc/precalc2.dat", renderLounge(), 2, dsp::kRate, 0.45f,
                         "Pitchbar music 2: lounge");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("music-lounge", generateLoungeMusic);

// precalc/precalc.dat: the menu music, an upbeat 124 BPM piece in D major, 32 bars (just
// under 62 s) that loop seamlessly, encoded as Ogg Vorbis.
//
// Four sections of eight bars:
//   1. groove: four-on-the-floor kick, off-beat hats, bass, pad; the arpeggio and claps
//      join halfway;
//   2. theme: the lead plays the tune over off-beat chord stabs;
//   3. bridge: the chords turn to the relative minor (Bm G D A), the lead sings a longer,
//      higher line over a running arpeggio;
//   4. theme again with everything, and a snare fill in the last bar that leads back into
//      the groove's first beat.
// The track is rendered circularly (see MusicSynth.h) and the echo and the kick's ducking
// run around the circle too, so the end flows into the beginning sample for sample.
#include "Generator.h"
#include "audio/Dsp.h"
#include "audio/MusicSynth.h"
#include "audio/OggVorbisWriter.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kBpm = 124.0;
constexpr double kBeat = 60.0 / kBpm;
constexpr double kEighth = kBeat / 2.0;
constexpr double kSixteenth = kBeat / 4.0;
constexpr double kBar = kBeat * 4.0;
constexpr int kBars = 32;

struct Chord {
    int bassRoot;
    int tones[4];  // voicing around middle C, top note last
};

const Chord kD = {38, {62, 66, 69, 74}};
const Chord kA = {33, {61, 64, 69, 73}};
const Chord kBm = {35, {62, 66, 71, 74}};
const Chord kG = {31, {62, 67, 71, 74}};

const Chord& chordOfBar(int bar) {
    static const Chord* const verse[4] = {&kD, &kA, &kBm, &kG};
    static const Chord* const bridge[4] = {&kBm, &kG, &kD, &kA};
    int section = bar / 8;
    return section == 2 ? *bridge[bar % 4] : *verse[bar % 4];
}

// Melodies on an eighth-note grid, one row per bar: a MIDI note starts a note, 0 holds the
// previous one, -1 is a rest.
constexpr int H = 0;
constexpr int R = -1;
const int kTheme[8][8] = {
    {78, H, 81, H, 78, 76, 74, H},  // D
    {76, H, 73, H, 76, H, 81, H},   // A
    {78, H, 74, H, 71, H, 74, 78},  // Bm
    {79, H, H, H, 78, H, 76, H},    // G
    {78, H, 81, H, 78, 76, 74, H},  // D
    {76, H, 73, H, 76, 78, 76, 73}, // A
    {74, H, 71, H, 74, H, 78, H},   // Bm
    {76, H, H, H, 74, H, R, R},     // G
};
const int kThemeEnding[2][8] = {
    {74, H, 71, H, 74, H, 78, 81},  // Bm, climbing
    {79, H, H, H, 78, H, 76, 73},   // G, leading back down to the groove
};
const int kBridgeLine[8][8] = {
    {83, H, H, H, 81, H, 78, H},  // Bm
    {79, H, H, H, 78, H, 74, H},  // G
    {78, H, H, H, 76, H, 74, H},  // D
    {76, H, H, H, H, H, 73, H},   // A
    {83, H, H, H, 81, H, 83, 85}, // Bm
    {86, H, H, H, 83, H, 79, H},  // G
    {81, H, H, H, 78, H, 74, H},  // D
    {76, H, 81, H, 85, H, H, H},  // A, rising into the theme
};

void playMelodyBar(MusicTrack& lead, double barStart, const int (&row)[8], const int* nextRow) {
    for (int slot = 0; slot < 8; ++slot) {
        int note = row[slot];
        if (note <= 0) continue;
        int length = 1;
        while (slot + length < 8 && row[slot + length] == H) ++length;
        // A note held to the bar line carries on into the next bar's holds.
        if (slot + length == 8 && nextRow != nullptr) {
            for (int k = 0; k < 8 && nextRow[k] == H; ++k) ++length;
        }
        playLead(lead, barStart + slot * kEighth, length * kEighth * 0.92, note, slot % 2 == 0 ? 0.95 : 0.85);
    }
}

struct Mix {
    MusicTrack drums;
    MusicTrack music;  // ducked by the kick
    MusicTrack lead;   // gets the echo
    std::vector<double> kickTimes;

    explicit Mix(int frames) : drums(frames), music(frames), lead(frames) {}
};

void writeDrums(Mix& mix, int bar) {
    double t0 = bar * kBar;
    int section = bar / 8;
    bool fillBar = bar == 31;
    bool smallFill = bar == 7 || bar == 15 || bar == 23;
    if (bar % 8 == 0) playCrash(mix.drums, t0, bar == 0 ? 0.9 : 1.0);
    for (int beat = 0; beat < 4; ++beat) {
        double tb = t0 + beat * kBeat;
        bool kick = !(fillBar && beat == 3);
        if (kick) {
            playKickDrum(mix.drums, tb, 1.0);
            mix.kickTimes.push_back(tb);
        }
        bool clapsOn = section > 0 || bar >= 4;
        if (clapsOn && (beat == 1 || beat == 3) && !(fillBar && beat == 3)) playClap(mix.drums, tb, 0.9);
        // Off-beat hats drive the groove; sixteenths thicken the later sections.
        bool openHat = (section == 1 || section == 3) && beat == 3 && bar % 2 == 1 && !fillBar;
        playHat(mix.drums, tb + kEighth, 0.9, openHat);
        if (section >= 2) {
            playHat(mix.drums, tb + kSixteenth, 0.35, false);
            playHat(mix.drums, tb + 3 * kSixteenth, 0.45, false);
        }
    }
    if (smallFill) {
        for (int k = 0; k < 4; ++k) playSnare(mix.drums, t0 + 3 * kBeat + k * kSixteenth, 0.35 + 0.12 * k);
    }
    if (fillBar) {
        for (int k = 0; k < 8; ++k) playSnare(mix.drums, t0 + 2 * kBeat + k * kSixteenth, 0.3 + 0.09 * k);
    }
}

void writeHarmony(Mix& mix, int bar) {
    double t0 = bar * kBar;
    int section = bar / 8;
    const Chord& chord = chordOfBar(bar);

    // Bass: driving eighths with octave jumps.
    static const int octave[8] = {0, 0, 12, 0, 0, 12, 0, 12};
    for (int slot = 0; slot < 8; ++slot) {
        if (bar == 31 && slot >= 6) break;  // the fill has the floor
        double velocity = slot % 2 == 0 ? 1.0 : 0.8;
        playBass(mix.music, t0 + slot * kEighth, kEighth * 0.7, chord.bassRoot + octave[slot], velocity);
    }

    // Pad: the whole bar, quieter under the stabs.
    double padLevel = section == 0 || section == 2 ? 1.0 : 0.55;
    for (int k = 0; k < 3; ++k) playPad(mix.music, t0, kBar * 0.97, chord.tones[k], padLevel);

    // Stabs on the off-beats in the theme; a syncopated figure in the bridge.
    if (section == 1 || section == 3) {
        for (int beat = 0; beat < 4; ++beat) {
            for (int k = 0; k < 4; ++k) {
                playStab(mix.music, t0 + beat * kBeat + kEighth, chord.tones[k], 0.9, k % 2 == 0 ? -0.45 : 0.45);
            }
        }
    } else if (section == 2) {
        const double hits[3] = {0.0, 1.5 * kBeat, 3.0 * kBeat};
        for (double h : hits) {
            for (int k = 0; k < 4; ++k) playStab(mix.music, t0 + h, chord.tones[k], 0.8, k % 2 == 0 ? -0.45 : 0.45);
        }
    }

    // Arpeggio: chord tones an octave up in sixteenths, swinging from side to side.
    if ((section == 0 && bar >= 4) || section >= 2) {
        static const int order[8] = {0, 1, 2, 3, 2, 1, 2, 3};
        double level = section == 3 ? 0.6 : 0.85;
        for (int s = 0; s < 16; ++s) {
            int note = chord.tones[order[s % 8]] + 12;
            playPluck(mix.music, t0 + s * kSixteenth, note, level * (s % 4 == 0 ? 1.0 : 0.7), s % 2 == 0 ? -0.5 : 0.5);
        }
    }
}

void writeMelody(Mix& mix, int bar) {
    double t0 = bar * kBar;
    int section = bar / 8;
    int row = bar % 8;
    if (section == 1 || section == 3) {
        const int(*rows)[8] = kTheme;
        if (section == 3 && row >= 6) {
            playMelodyBar(mix.lead, t0, kThemeEnding[row - 6], row == 6 ? kThemeEnding[1] : nullptr);
        } else {
            playMelodyBar(mix.lead, t0, rows[row], row < 7 ? rows[row + 1] : nullptr);
        }
    } else if (section == 2) {
        playMelodyBar(mix.lead, t0, kBridgeLine[row], row < 7 ? kBridgeLine[row + 1] : nullptr);
    }
}

// The music dips for a moment under every kick, the pumping of dance music. Computed
// around the circle, so the first beat is ducked by the kick at the last bar's end too.
void duckUnderKicks(MusicTrack& music, const std::vector<double>& kickTimes) {
    std::vector<char> kickAt(music.frames, 0);
    for (double t : kickTimes) kickAt[std::lround(t * dsp::kRate) % music.frames] = 1;
    double since = 1e9;
    std::vector<double> gain(music.frames, 1.0);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < music.frames; ++i) {
            since = kickAt[i] ? 0.0 : since + 1.0 / dsp::kRate;
            if (pass == 1) gain[i] = 1.0 - 0.45 * std::exp(-since / 0.11) * std::fmin(1.0, since / 0.004 + 0.3);
        }
    }
    for (int i = 0; i < music.frames; ++i) {
        music.left[i] *= static_cast<float>(gain[i]);
        music.right[i] *= static_cast<float>(gain[i]);
    }
}

// A dotted-eighth ping-pong echo behind the lead. A feedback delay on a circle settles after
// a few trips around it; six leave less than a thousandth of the first echo unsettled.
void addEcho(MusicTrack& out, const MusicTrack& lead) {
    const int delay = static_cast<int>(std::lround(kEighth * 1.5 * dsp::kRate));
    const double feedback = 0.38;
    const int n = lead.frames;
    std::vector<float> mono(n);
    for (int i = 0; i < n; ++i) mono[i] = 0.5f * (lead.left[i] + lead.right[i]);
    // Two taps that swap sides: the echo of the left goes right and back.
    std::vector<float> echoL(n, 0.0f), echoR(n, 0.0f);
    for (int pass = 0; pass < 6; ++pass) {
        for (int i = 0; i < n; ++i) {
            int j = (i - delay + n) % n;
            echoL[i] = static_cast<float>(0.5 * mono[j] + feedback * echoR[j]);
            echoR[i] = static_cast<float>(feedback * echoL[j]);
        }
    }
    dsp::Biquad darkL = dsp::Biquad::lowpass(3000.0, 0.7), darkR = dsp::Biquad::lowpass(3000.0, 0.7);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < n; ++i) {
            double l = darkL.process(echoL[i]);
            double r = darkR.process(echoR[i]);
            if (pass == 1) {
                out.left[i] += static_cast<float>(lead.left[i] + 0.55 * l);
                out.right[i] += static_cast<float>(lead.right[i] + 0.55 * r);
            }
        }
    }
}

std::vector<float> renderMusic() {
    const int frames = static_cast<int>(std::lround(kBars * kBar * dsp::kRate));
    Mix mix(frames);
    for (int bar = 0; bar < kBars; ++bar) {
        writeDrums(mix, bar);
        writeHarmony(mix, bar);
        writeMelody(mix, bar);
    }
    duckUnderKicks(mix.music, mix.kickTimes);
    MusicTrack master(frames);
    addEcho(master, mix.lead);
    std::vector<float> interleaved(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        double l = master.left[i] + mix.drums.left[i] + mix.music.left[i];
        double r = master.right[i] + mix.drums.right[i] + mix.music.right[i];
        interleaved[2 * i] = static_cast<float>(l);
        interleaved[2 * i + 1] = static_cast<float>(r);
    }
    // A little under -3 dBFS: the encoder's ringing adds a few tenths of a decibel.
    dsp::normalisePeak(interleaved, -3.6);
    return interleaved;
}

bool generateMenuMusic(const std::string& dir) {
    return saveOggVorbis(dir + "/precalc/precalc.dat", renderMusic(), 2, dsp::kRate, 0.45f);
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("menu-music", generateMenuMusic);

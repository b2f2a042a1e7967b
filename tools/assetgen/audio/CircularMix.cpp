#include "audio/CircularMix.h"

#include <algorithm>
#include <cmath>

namespace {

// A feedback comb with a damped loop (the room's walls), on one channel.
class DampedComb {
public:
    DampedComb(int delay, double feedback, double damping)
        : line_(static_cast<size_t>(delay), 0.0), feedback_(feedback), damp_(damping) {}
    double process(double x) {
        double y = line_[at_];
        stored_ = y * (1.0 - damp_) + stored_ * damp_;
        line_[at_] = x + stored_ * feedback_;
        at_ = at_ + 1 == line_.size() ? 0 : at_ + 1;
        return y;
    }

private:
    std::vector<double> line_;
    double feedback_;
    double damp_;
    double stored_ = 0.0;
    size_t at_ = 0;
};

class AllPass {
public:
    explicit AllPass(int delay) : line_(static_cast<size_t>(delay), 0.0) {}
    double process(double x) {
        double delayed = line_[at_];
        double y = delayed - 0.5 * x;
        line_[at_] = x + 0.5 * delayed;
        at_ = at_ + 1 == line_.size() ? 0 : at_ + 1;
        return y;
    }

private:
    std::vector<double> line_;
    size_t at_ = 0;
};

}  // namespace

std::vector<GridNote> notesOfRow(const int* row, int slotCount, const int* nextRow) {
    std::vector<GridNote> notes;
    for (int slot = 0; slot < slotCount; ++slot) {
        if (row[slot] <= 0) continue;
        GridNote g;
        g.slot = slot;
        g.note = row[slot];
        while (slot + g.slots < slotCount && row[slot + g.slots] == kHold) ++g.slots;
        if (slot + g.slots == slotCount && nextRow != nullptr) {
            for (int k = 0; k < slotCount && nextRow[k] == kHold; ++k) ++g.slots;
        }
        notes.push_back(g);
    }
    return notes;
}

void duckAround(MusicTrack& music, const std::vector<double>& times, double depth, double recovery) {
    std::vector<char> hitAt(music.frames, 0);
    for (double t : times) {
        long i = std::lround(t * dsp::kRate) % music.frames;
        hitAt[i < 0 ? i + music.frames : i] = 1;
    }
    double since = 1e9;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < music.frames; ++i) {
            since = hitAt[i] ? 0.0 : since + 1.0 / dsp::kRate;
            if (pass == 0) continue;
            // A few milliseconds to dip, so the dip itself does not click.
            double gain = 1.0 - depth * std::exp(-since / recovery) * std::fmin(1.0, since / 0.004 + 0.3);
            music.left[i] *= static_cast<float>(gain);
            music.right[i] *= static_cast<float>(gain);
        }
    }
}

void addRoom(MusicTrack& out, const MusicTrack& in, double send, double decaySeconds, double damping) {
    // Delays (in samples at 44.1 kHz) that share no factor, a few more on the right so the
    // two sides differ.
    const int combDelays[4] = {1116, 1277, 1422, 1557};
    const int allPassDelays[2] = {556, 341};
    const int spread = 23;
    const double damp = std::exp(-2.0 * dsp::kPi * damping / dsp::kRate);
    std::vector<DampedComb> combs[2];
    std::vector<AllPass> allPasses[2];
    for (int side = 0; side < 2; ++side) {
        for (int d : combDelays) {
            int delay = d + side * spread;
            // The loop gain that loses 60 dB in decaySeconds.
            double feedback = std::pow(10.0, -3.0 * delay / (decaySeconds * dsp::kRate));
            combs[side].emplace_back(delay, feedback, damp);
        }
        for (int d : allPassDelays) allPasses[side].emplace_back(d + side * spread);
    }
    // Round the circle twice: the first pass only fills the room with the loop's end.
    const int n = in.frames;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < n; ++i) {
            const double x = 0.5 * (in.left[i] + in.right[i]) * send;
            double wet[2];
            for (int side = 0; side < 2; ++side) {
                double sum = 0.0;
                for (DampedComb& c : combs[side]) sum += c.process(x);
                for (AllPass& a : allPasses[side]) sum = a.process(sum);
                wet[side] = sum * 0.25;
            }
            if (pass == 1) {
                out.left[i] += static_cast<float>(wet[0]);
                out.right[i] += static_cast<float>(wet[1]);
            }
        }
    }
}

void addPingPongEcho(MusicTrack& out, const MusicTrack& in, double delaySeconds, double feedback, double level) {
    const int delay = static_cast<int>(std::lround(delaySeconds * dsp::kRate));
    const int n = in.frames;
    std::vector<float> echoL(n, 0.0f), echoR(n, 0.0f);
    // A feedback delay on a circle settles after a few trips round it.
    for (int pass = 0; pass < 6; ++pass) {
        for (int i = 0; i < n; ++i) {
            int j = (i - delay % n + n) % n;
            double mono = 0.5 * (in.left[j] + in.right[j]);
            echoL[i] = static_cast<float>(mono + feedback * echoR[j]);
            echoR[i] = static_cast<float>(feedback * echoL[j]);
        }
    }
    dsp::Biquad darkL = dsp::Biquad::lowpass(3000.0, 0.7), darkR = dsp::Biquad::lowpass(3000.0, 0.7);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < n; ++i) {
            double l = darkL.process(echoL[i]);
            double r = darkR.process(echoR[i]);
            if (pass == 1) {
                out.left[i] += static_cast<float>(in.left[i] + level * l);
                out.right[i] += static_cast<float>(in.right[i] + level * r);
            }
        }
    }
}

std::vector<float> mixToStereo(const std::vector<const MusicTrack*>& tracks) {
    const int frames = tracks.empty() ? 0 : tracks.front()->frames;
    std::vector<float> interleaved(static_cast<size_t>(frames) * 2, 0.0f);
    for (const MusicTrack* track : tracks) {
        for (int i = 0; i < frames; ++i) {
            interleaved[2 * i] += track->left[i];
            interleaved[2 * i + 1] += track->right[i];
        }
    }
    return interleaved;
}

void levelToLoudness(std::vector<float>& interleaved, double rmsDb, double ceilingDb) {
    const double rms = dsp::rmsOf(interleaved);
    if (rms <= 0.0) return;
    const double gain = std::pow(10.0, rmsDb / 20.0) / rms;
    for (float& v : interleaved) v = static_cast<float>(v * gain);

    // The gain each frame may have at most; the limiter turns down along a straight ramp
    // over the look-ahead before such a frame, holds a moment after it and comes back up
    // slowly. All of it around the circle.
    const double ceiling = std::pow(10.0, ceilingDb / 20.0);
    const int frames = static_cast<int>(interleaved.size() / 2);
    std::vector<double> allowed(frames);
    for (int i = 0; i < frames; ++i) {
        double peak = std::fmax(std::fabs(interleaved[2 * i]), std::fabs(interleaved[2 * i + 1]));
        allowed[i] = peak > ceiling ? ceiling / peak : 1.0;
    }
    const int ahead = dsp::samplesFor(0.004);
    std::vector<double> lowest(frames, 1.0);
    for (int i = 0; i < frames; ++i) {
        if (allowed[i] >= 1.0) continue;
        for (int k = -ahead; k <= ahead; ++k) {
            int j = ((i + k) % frames + frames) % frames;
            double ramp = k < 0 ? allowed[i] + (1.0 - allowed[i]) * (-k) / ahead : allowed[i];
            lowest[j] = std::fmin(lowest[j], ramp);
        }
    }
    const double release = std::exp(-1.0 / (0.08 * dsp::kRate));
    double level = 1.0;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < frames; ++i) {
            level = lowest[i] < level ? lowest[i] : lowest[i] + (level - lowest[i]) * release;
            if (pass == 1) {
                interleaved[2 * i] = static_cast<float>(interleaved[2 * i] * level);
                interleaved[2 * i + 1] = static_cast<float>(interleaved[2 * i + 1] * level);
            }
        }
    }
    // The smoothing never lets a peak through, but rounding might: a last plain check.
    if (dsp::peakOf(interleaved) > ceiling) dsp::normalisePeak(interleaved, ceilingDb);
}

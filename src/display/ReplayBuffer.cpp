#include "display/ReplayBuffer.h"

namespace {
// 240 frames a second for the kept seconds, and room for a busy table's sounds (a kick or
// a wall hit every few milliseconds at the worst).
constexpr std::size_t kFrameRing = static_cast<std::size_t>(kReplayKeptSeconds * 240.0) + 1;
constexpr std::size_t kSoundRing = 2048;

// Farther than the ball rolls in one frame at any speed the table gives it.
constexpr float kLargestDrawnBallStep = 15.0f;

float mix(float a, float b, float t) { return a + (b - a) * t; }
} // namespace

ReplayBuffer::ReplayBuffer() : frames_(kFrameRing), sounds_(kSoundRing) {}

void ReplayBuffer::clear()
{
    frameStart_ = frameCount_ = 0;
    soundStart_ = soundCount_ = 0;
}

const DrawnFrame& ReplayBuffer::frame(std::size_t age) const
{
    return frames_[(frameStart_ + age) % frames_.size()];
}

void ReplayBuffer::addFrame(const DrawnFrame& f)
{
    // Frames older than the kept seconds go first, then the oldest when the ring is full.
    while (frameCount_ > 0 && f.time - frame(0).time > kReplayKeptSeconds) {
        frameStart_ = (frameStart_ + 1) % frames_.size();
        --frameCount_;
    }
    if (frameCount_ == frames_.size()) {
        frameStart_ = (frameStart_ + 1) % frames_.size();
        --frameCount_;
    }
    frames_[(frameStart_ + frameCount_) % frames_.size()] = f;
    ++frameCount_;
}

void ReplayBuffer::addSound(const ReplaySound& s)
{
    while (soundCount_ > 0 && s.time - sounds_[soundStart_].time > kReplayKeptSeconds) {
        soundStart_ = (soundStart_ + 1) % sounds_.size();
        --soundCount_;
    }
    if (soundCount_ == sounds_.size()) {
        soundStart_ = (soundStart_ + 1) % sounds_.size();
        --soundCount_;
    }
    sounds_[(soundStart_ + soundCount_) % sounds_.size()] = s;
    ++soundCount_;
}

double ReplayBuffer::oldestTime() const { return frameCount_ ? frame(0).time : 0.0; }
double ReplayBuffer::newestTime() const { return frameCount_ ? frame(frameCount_ - 1).time : 0.0; }

bool ReplayBuffer::frameAt(double time, DrawnFrame& out) const
{
    if (frameCount_ == 0)
        return false;
    if (time <= frame(0).time) {
        out = frame(0);
        return true;
    }
    if (time >= frame(frameCount_ - 1).time) {
        out = frame(frameCount_ - 1);
        return true;
    }
    // The first frame after the time, by halving: the ring is in time order.
    std::size_t low = 0, high = frameCount_ - 1;
    while (high - low > 1) {
        const std::size_t middle = (low + high) / 2;
        (frame(middle).time <= time ? low : high) = middle;
    }
    const DrawnFrame& a = frame(low);
    const DrawnFrame& b = frame(high);
    const double span = b.time - a.time;
    const float t = span > 0.0 ? static_cast<float>((time - a.time) / span) : 1.0f;
    out = t < 0.5f ? a : b;
    out.time = time;
    // A ball put back on the table between the two frames (a kick-off) jumps: no frame
    // shows it on its way.
    const Vector3 jump = b.ballPosition - a.ballPosition;
    if (jump.x * jump.x + jump.z * jump.z > kLargestDrawnBallStep * kLargestDrawnBallStep)
        return true;
    out.ballPosition = a.ballPosition + (b.ballPosition - a.ballPosition) * t;
    for (int i = 0; i < kDrawnRods; ++i) {
        out.rodAngle[i] = mix(a.rodAngle[i], b.rodAngle[i], t);
        out.rodShift[i] = mix(a.rodShift[i], b.rodShift[i], t);
    }
    return true;
}

void ReplayBuffer::soundsBetween(double after, double upTo, std::vector<ReplaySound>& out) const
{
    for (std::size_t i = 0; i < soundCount_; ++i) {
        const ReplaySound& s = sounds_[(soundStart_ + i) % sounds_.size()];
        if (s.time > after && s.time <= upTo)
            out.push_back(s);
    }
}

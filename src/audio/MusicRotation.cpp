#include "audio/MusicRotation.h"

#include "audio/SoundSystem.h"

#include <cmath>

namespace {

const Vector3 kNowhere(0.0f, 0.0f, 0.0f);

// Equal power: two unrelated pieces at shares s and 1 - s sound as loud as one.
float fadeCurve(float share) { return std::sin(1.57079632679f * share); }

}  // namespace

void MusicRotation::start(SoundSystem* sounds, const std::vector<const SoundHandle*>& tracks) {
    stop();
    sounds_ = sounds;
    tracks_ = tracks;
    broken_.assign(tracks.size(), false);
    turn_ = -1;
    launchFrom(0, 1.0f);
}

bool MusicRotation::launchFrom(int from, float share) {
    const int count = static_cast<int>(tracks_.size());
    for (int k = 0; k < count; ++k) {
        const int track = (from + k) % count;
        if (!broken_[track] && launch(track, share)) return true;
    }
    return false;
}

bool MusicRotation::launch(int track, float share) {
    if (sounds_ == nullptr) return false;
    // A track still fading out turns round and comes back from where it is.
    for (std::size_t i = 0; i < playing_.size(); ++i) {
        if (playing_[i].track != track) continue;
        Playing back = playing_[i];
        playing_.erase(playing_.begin() + static_cast<std::ptrdiff_t>(i));
        playing_.push_back(back);
        turn_ = track;
        return true;
    }
    // A file that did not load has said so; it is simply not in the rotation.
    if (tracks_[track] == nullptr) {
        broken_[track] = true;
        return false;
    }
    Voice* voice = sounds_->allocateVoice(kNowhere);
    // Every source busy is no fault of the track: it may play at the next turn.
    if (voice == nullptr) return false;
    if (!sounds_->play(voice, tracks_[track], 0.0f, true, false)) {
        // play has written why and released the voice.
        broken_[track] = true;
        return false;
    }
    playing_.push_back({voice, track, share});
    applyGain(playing_.back());
    turn_ = track;
    return true;
}

void MusicRotation::next() {
    if (tracks_.empty()) return;
    // With no other track left, the round comes back to the current one, which plays on.
    launchFrom((turn_ + 1) % static_cast<int>(tracks_.size()), 0.0f);
}

void MusicRotation::stop() {
    if (sounds_ != nullptr) {
        for (Playing& p : playing_) sounds_->stopVoice(p.voice);
    }
    playing_.clear();
}

void MusicRotation::setGain(float gain) {
    gain_ = gain;
    for (const Playing& p : playing_) applyGain(p);
}

void MusicRotation::applyGain(const Playing& p) {
    if (sounds_ != nullptr) sounds_->setVoiceUnscaled(p.voice, kNowhere, gain_ * fadeCurve(p.share));
}

void MusicRotation::update(float dt) {
    if (sounds_ == nullptr || playing_.empty()) return;
    // A stream that broke has stopped its source and written its error line.
    int brokeTrack = -1;
    for (std::size_t i = 0; i < playing_.size();) {
        const MusicStreamer* stream = sounds_->streamerOf(playing_[i].voice);
        if (stream != nullptr && stream->state() == MusicStreamer::State::Playing) {
            ++i;
            continue;
        }
        const bool current = i + 1 == playing_.size();
        broken_[playing_[i].track] = true;
        if (current) brokeTrack = playing_[i].track;
        sounds_->stopVoice(playing_[i].voice);
        playing_.erase(playing_.begin() + static_cast<std::ptrdiff_t>(i));
    }
    // The music goes on with the track after the broken one, fading in.
    if (brokeTrack != -1) {
        launchFrom((brokeTrack + 1) % static_cast<int>(tracks_.size()), 0.0f);
        if (playing_.empty()) return;
    }

    const float step = kCrossfadeSeconds > 0.0f ? dt / kCrossfadeSeconds : 1.0f;
    for (std::size_t i = 0; i < playing_.size();) {
        Playing& p = playing_[i];
        const bool current = i + 1 == playing_.size();
        const float share = current ? std::fmin(1.0f, p.share + step) : std::fmax(0.0f, p.share - step);
        if (!current && share <= 0.0f) {
            sounds_->stopVoice(p.voice);
            playing_.erase(playing_.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (share != p.share) {
            p.share = share;
            applyGain(p);
        }
        ++i;
    }
}

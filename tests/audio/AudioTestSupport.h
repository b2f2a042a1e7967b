#pragma once
// Shared pieces of the sound tests: OpenAL Soft on its silent backend, the generated
// resources, a private error file and a sound cache standing in for the resource manager.
#include "core/ErrorLog.h"
#include "audio/SoundSystem.h"

#include <AL/al.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

// Must run before the first OpenAL call of the process: the backend list is read once.
inline void useNullAudioBackend() { setenv("ALSOFT_DRIVERS", "null", 1); }

inline std::string resourcesDir() {
    const char* dir = std::getenv("PITCHBAR_RESOURCES");
    return dir != nullptr ? std::string(dir) : std::string("build/game/resources");
}
inline std::string soundPath(const std::string& name) { return resourcesDir() + "/sounds/" + name; }
inline std::string musicPath() { return resourcesDir() + "/precalc/precalc.dat"; }

// A fresh error file per test, read back line by line.
class ErrorFile {
public:
    ErrorFile() {
        char name[] = "/tmp/pitchbar-audio-errors-XXXXXX";
        int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        path_ = name;
        setErrorLogPath(path_);
    }
    ~ErrorFile() { std::remove(path_.c_str()); }
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        std::ifstream in(path_);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Caches sound handles by file name the way the game's resource manager does.
class SoundFolder {
public:
    explicit SoundFolder(SoundSystem* sounds) : sounds_(sounds) {}
    const SoundHandle* getSound(const std::string& name) {
        auto found = cache_.find(name);
        if (found != cache_.end()) return found->second;
        const SoundHandle* handle = sounds_->loadWav(soundPath(name));
        cache_[name] = handle;
        return handle;
    }

private:
    SoundSystem* sounds_;
    std::map<std::string, const SoundHandle*> cache_;
};

inline float sourceGain(const SoundSystem& sounds, const Voice* voice) {
    float gain = -1.0f;
    alGetSourcef(sounds.sourceOf(voice), AL_GAIN, &gain);
    return gain;
}
inline Vector3 sourcePosition(const SoundSystem& sounds, const Voice* voice) {
    float p[3] = {};
    alGetSourcefv(sounds.sourceOf(voice), AL_POSITION, p);
    return {p[0], p[1], p[2]};
}
inline int sourceState(const SoundSystem& sounds, const Voice* voice) {
    int state = 0;
    alGetSourcei(sounds.sourceOf(voice), AL_SOURCE_STATE, &state);
    return state;
}

// The voices in use, in slot order.
inline std::vector<const Voice*> busyVoices(const SoundSystem& sounds) {
    std::vector<const Voice*> out;
    for (int slot = 0; slot < SoundSystem::kSourceCount; ++slot)
        if (sounds.voiceAt(slot) != nullptr) out.push_back(sounds.voiceAt(slot));
    return out;
}

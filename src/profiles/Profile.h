#pragma once
// One player: his settings and the strongest opponent he has beaten.
#include "profiles/SoundSettings.h"

#include <cstdint>
#include <string>

constexpr int kOpponentCount = 8;

// A number no other profile of this run has had or will have: unlike the profile's address,
// which a new profile may reuse after a delete, it tells two profiles apart for good.
std::uint64_t nextProfileSerial();

// Rod selection modes as stored in a profile.
enum RodSelectionMode : std::int32_t {
    kRodSelectionManual = 0,
    kRodSelectionAuto = 1,
    kRodSelectionAll = 2,
    kRodSelectionBack = 3,
};

struct Profile {
    bool sound = true;
    std::int32_t soundVolume = 15;
    bool music = true;
    std::int32_t musicVolume = 15;
    std::string name;
    std::int32_t bestLevel = -1;     // strongest opponent beaten, -1 none
    std::int32_t bestConceded = 0;   // goals conceded in that win
    bool shadows = true;
    bool rotBoundaries = false;
    std::int32_t rodSelection = kRodSelectionAuto;
    bool assistedMode = true;
    std::int32_t horizontalMouseSens = 8;
    std::int32_t verticalMouseSens = 8;
    std::int32_t clickRotVel = 8;
    bool rim = true;
    std::int32_t rodRotDir = 0;      // 0 normal, 1 opposite
    std::uint64_t serial = nextProfileSerial();  // not saved

    Profile() = default;
    explicit Profile(std::string profileName) : name(std::move(profileName)) {}

    // Opponent i is playable once the one before it has been beaten.
    bool canPlay(int opponent) const { return opponent >= 0 && opponent <= bestLevel + 1; }

    SoundSettings soundSettings() const;
    void setSoundSettings(const SoundSettings& s);

    // Pulls every field into its range, so that a hand-edited or damaged save file cannot
    // hand a screen or a controller a value it would index with.
    void clampToRanges();
};

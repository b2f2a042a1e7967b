#pragma once
// Who plays the next match when two players share the table: the two-player screen fills
// it, the match screen takes it at its start (and clears `active`, so the matches the
// player menu starts afterwards are against the computer again).
#include "match/MatchLength.h"

#include <cstdint>
#include <string>

// What one player holds. A pad is named by its place among the pads connected when the
// match starts (PAD 1 is the first).
enum class HandsKind : std::int32_t { Mouse = 0, Keyboard = 1, Pad = 2 };

struct HandsChoice {
    HandsKind kind = HandsKind::Mouse;
    int padNumber = 0;
    bool operator==(const HandsChoice& o) const { return kind == o.kind && (kind != HandsKind::Pad || padNumber == o.padNumber); }
};

// Player 2's name when he plays without a profile; his results are kept nowhere.
constexpr const char* kGuestName = "GUEST";

struct TwoPlayerSetup {
    bool active = false;
    // Player 1 is the selected profile; player 2 a profile of this name, or the guest.
    std::string secondName = kGuestName;
    bool secondIsGuest = true;
    HandsChoice hands[2] = {{HandsKind::Mouse, 0}, {HandsKind::Keyboard, 0}};
    // First to five unless the players chose another length.
    MatchLength length;
};

// Settings keys of a profile's two-player record (SettingsFile::profileKey).
constexpr const char* kTwoPlayerWinsKey = "twoPlayerWins";
constexpr const char* kTwoPlayerLossesKey = "twoPlayerLosses";

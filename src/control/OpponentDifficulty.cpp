#include "control/OpponentDifficulty.h"

#include "control/Opponent.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace {
// EASY: opponent i plays with the reaction, action, block and strike values found at
// kEasyTop * (i / 7)^kEasyCurve along the designed ladder (0 BOB ... 7 JOHN THE KING),
// between two neighbouring rows. BOB stays BOB; the strongest comes out as NATALIE's
// values with its own turning, moving and aiming.
constexpr float kEasyTop = 3.1f;
constexpr float kEasyCurve = 1.35f;
// HARD: reaction times a quarter as long, action, block, turning, moving and strike speeds
// three and a half times as high; BOB then plays about as a designed LISA.
constexpr float kHardReaction = 0.25f;
constexpr float kHardSpeeds = 3.5f;

float between(float a, float b, float t) { return a + (b - a) * t; }
} // namespace

OpponentParameters parametersAt(int index, Difficulty difficulty)
{
    OpponentParameters p = opponentEntry(index).parameters;
    if (difficulty == Difficulty::Easy) {
        const float rung = kEasyTop * std::pow(static_cast<float>(index) / (kOpponentTableSize - 1), kEasyCurve);
        const int below = std::min(static_cast<int>(rung), kOpponentTableSize - 2);
        const float t = rung - static_cast<float>(below);
        const OpponentParameters& a = opponentEntry(below).parameters;
        const OpponentParameters& b = opponentEntry(below + 1).parameters;
        p.reactionTime = between(a.reactionTime, b.reactionTime, t);
        p.actSpeed = between(a.actSpeed, b.actSpeed, t);
        p.blockSpeed = between(a.blockSpeed, b.blockSpeed, t);
        p.strikeSpeed = between(a.strikeSpeed, b.strikeSpeed, t);
    } else if (difficulty == Difficulty::Hard) {
        p.reactionTime *= kHardReaction;
        p.actSpeed *= kHardSpeeds;
        p.blockSpeed *= kHardSpeeds;
        p.strikeSpeed *= kHardSpeeds;
        p.rotationSpeed *= kHardSpeeds;
        p.shiftSpeed *= kHardSpeeds;
    }
    return p;
}

const char* difficultyName(Difficulty difficulty)
{
    switch (difficulty) {
    case Difficulty::Easy: return "EASY";
    case Difficulty::Hard: return "HARD";
    case Difficulty::Normal: break;
    }
    return "NORMAL";
}

bool parseDifficulty(const char* text, Difficulty& out)
{
    for (int i = 0; i < kDifficultyCount; ++i) {
        const char* name = difficultyName(static_cast<Difficulty>(i));
        std::size_t n = std::strlen(name);
        if (std::strlen(text) != n) continue;
        bool same = true;
        for (std::size_t c = 0; c < n && same; ++c)
            same = std::toupper(static_cast<unsigned char>(text[c])) == name[c];
        if (same) {
            out = static_cast<Difficulty>(i);
            return true;
        }
    }
    return false;
}

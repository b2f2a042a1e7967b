#include "control/OpponentDifficulty.h"

#include <cctype>
#include <cstring>

OpponentParameters parametersAt(const OpponentParameters& designed, Difficulty difficulty)
{
    OpponentParameters p = designed;
    (void)difficulty;
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

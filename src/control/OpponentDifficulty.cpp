#include "control/OpponentDifficulty.h"

#include "control/Opponent.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {
// EASY. Opponent i reacts with the reaction time, action and block speeds found at
// kEasyRung[i] along the designed ladder (0 BOB ... 7 JOHN THE KING), between two
// neighbouring rows; it turns, moves and strikes at its own speeds, so that a match against
// it stays quick, and its goalkeeper stands in the middle instead of following the ball (a
// beginner scores, and the matches end sooner). Its aim and passes stay its own. The rungs
// were measured with the scripted average player so that its win rate falls in even steps
// from BOB to JOHN THE KING.
//
// BOB to OSCAR, the rungs a beginner meets first, play with a beginner's habits instead of
// being softened. Softer strikes and later reactions made a quick player win more, not a
// slow one: the slow player loses to shots his goalkeeper is not lined up for, however long
// they take, and his matches drag on. So BOB and ROBERT often only push a resting ball on
// gently (into the other side's reach, instead of shooting it from where it lies, which
// scored against a slow player and almost never against a quick one); their goalkeeper and
// defence see an oncoming ball late and leave it to the figures standing in the middle; and
// a resting ball that only they reach and cannot play (behind their goalkeeper, say) is
// given up after 4 s instead of 11, so it is played again sooner. BOB's rods in front of the
// ball also lift sooner and come down later while he attacks (at 2 and 40 units instead of 6
// and 6), so a ball played back finds gaps.
// ROBERT to OSCAR play an open game: they slam their shots (strikes at 1.5 times ROBERT's
// speed, 1.4 times the others'), and their goalkeeper stands like a statue (1.2 s late; the
// defence 0.8 s, 0.5 s). With the first habits alone a slow player won about a third of his
// matches against ROBERT and took six minutes to do it, one slow goal after another, and
// the matches against the middle of the ladder, softened to the right strength, were even
// and as long; more goals a minute both ways shortened them, and higher rungs (DAVID on his
// own row, NATALIE and OSCAR nearer theirs) keep the win rates in steps.
constexpr float kEasyRung[kOpponentTableSize] = {0.0f, 1.0f, 2.0f, 2.45f, 3.0f, 2.4f, 2.6f, 2.9f};
struct BeginnerHabits {
    float pushChance;
    float goalkeeperDelay;  // s
    float defenceDelay;     // s
    float deadBallTime;     // s
    float strike;           // times the opponent's own strike speed
    bool liftsLong;         // lifts at kBeginnerLift, comes down at kBeginnerLower
};
constexpr int kEasyBeginners = 5;  // BOB to OSCAR
constexpr BeginnerHabits kBeginnerHabits[kEasyBeginners] = {
    {0.6f, 0.5f, 0.5f, 4.0f, 1.0f, true},   {0.5f, 1.2f, 0.8f, 4.0f, 1.5f, false},
    {0.0f, 1.2f, 0.5f, 11.0f, 1.4f, false}, {0.0f, 1.2f, 0.5f, 11.0f, 1.4f, false},
    {0.0f, 1.2f, 0.5f, 11.0f, 1.4f, false},
};
constexpr float kBeginnerLift = 2.0f;
constexpr float kBeginnerLower = 40.0f;
// HARD: reaction times a quarter as long, action, block, turning, moving and strike speeds
// three and a half times as high; BOB then plays about as a designed LISA.
constexpr float kHardReaction = 0.25f;
constexpr float kHardSpeeds = 3.5f;

float between(float a, float b, float t) { return a + (b - a) * t; }
} // namespace

OpponentParameters parametersAt(int index, Difficulty difficulty)
{
    index = std::clamp(index, 0, kOpponentTableSize - 1);
    OpponentParameters p = opponentEntry(index).parameters;
    if (difficulty == Difficulty::Easy) {
        const float rung = kEasyRung[index];
        const int below = std::min(static_cast<int>(rung), kOpponentTableSize - 2);
        const float t = rung - static_cast<float>(below);
        const OpponentParameters& a = opponentEntry(below).parameters;
        const OpponentParameters& b = opponentEntry(below + 1).parameters;
        p.reactionTime = between(a.reactionTime, b.reactionTime, t);
        p.actSpeed = between(a.actSpeed, b.actSpeed, t);
        p.blockSpeed = between(a.blockSpeed, b.blockSpeed, t);
        p.goalieTracking = false;
        if (index < kEasyBeginners) {
            const BeginnerHabits& habits = kBeginnerHabits[index];
            p.restingPushChance = habits.pushChance;
            p.goalkeeperReactionDelay = habits.goalkeeperDelay;
            p.defenceReactionDelay = habits.defenceDelay;
            p.deadBallTime = habits.deadBallTime;
            p.strikeSpeed *= habits.strike;
            if (habits.liftsLong) {
                p.liftDistance = kBeginnerLift;
                p.lowerDistance = kBeginnerLower;
            }
        }
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

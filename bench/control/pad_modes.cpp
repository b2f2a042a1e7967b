// pad_modes [seconds] [seeds]: which way of driving the rods by stick plays better, measured
// as pitchbar-sim measures opponents: scripted matches on the game's own Match. A scripted
// pad player holds team 0 through PadRodCommands, exactly as a pad reaches the game: it
// sees the ball 0.1 s late (a player's reaction), moves each stick at most 0.35 of its
// travel a frame (a thumb), lines the nearest figure of the rod the automatic choice gives
// up with the ball and shoots with the turning stick (back, then forward) when the ball lies
// in front of a foot. Each of the four pairs of turning and shifting control plays the same
// seeds against the first and the fourth opponent; goals for and against are reported.
#include "control/AssistedControl.h"
#include "control/FoosballAI.h"
#include "control/Opponent.h"
#include "control/PadRodCommands.h"
#include "core/GameRandom.h"
#include "input/InputSystem.h"
#include "match/Match.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>

namespace {

constexpr float kFrame = 1.0f / 60.0f;
constexpr int kReactionFrames = 6;
constexpr float kThumbSlew = 0.35f;

float towards(float from, float to)
{
    return from + std::clamp(to - from, -kThumbSlew, kThumbSlew);
}

struct ScriptedPadPlayer {
    AssistedControl* control = nullptr;
    PadState* pad = nullptr;
    PadSettings settings;
    std::deque<Vector3> seen;
    int shotFrame = -1;
    // Where on the foot the player meets the ball: never quite its middle.
    float aim = 0.7f;
    std::uint32_t hand = 12345u;

    void frame(const Simulation& sim)
    {
        // The ball in team 0's frame, as the player saw it a moment ago.
        seen.push_back(sim.ballPosition);
        if (static_cast<int>(seen.size()) > kReactionFrames) seen.pop_front();
        const Vector3 ball = seen.front();
        const int s = control->pickRod();
        const Rod& rod = control->rods[s];
        const Team& team = sim.teams[0];

        // The figure that reaches the ball's line with the least travel.
        float want = rod.shift;
        float best = 1e9f;
        const float travel = 33.2f - rod.endMargin;
        for (int k = 0; k < rod.figureCount; ++k) {
            const float shift = ball.z + aim - 33.2f - team.figureOffsets[rod.firstFigure + k];
            if (shift < -travel || shift > travel) continue;
            if (std::fabs(shift - rod.shift) < best) {
                best = std::fabs(shift - rod.shift);
                want = shift;
            }
        }
        const float error = want - rod.shift;
        float& y = pad->axes[kPadLeftY];
        if (settings.shiftControl == StickControl::Rate)
            y = towards(y, std::clamp(-error / 8.0f, -1.0f, 1.0f));
        else
            y = towards(y, std::clamp(y - error / kPadShiftRange, -1.0f, 1.0f));

        // The shot: back for a few frames, then forward, then back to rest.
        const float ahead = ball.x - rod.position;
        if (shotFrame < 0 && ahead > 0.0f && ahead < 7.0f && std::fabs(error) < 2.5f) {
            shotFrame = 0;
            hand = hand * 1103515245u + 12345u;
            aim = (static_cast<float>((hand >> 16) & 1023u) / 1023.0f - 0.5f) * 3.0f;
        }
        float& x = pad->axes[kPadRightX];
        if (shotFrame >= 0) {
            x = towards(x, shotFrame < 5 ? -1.0f : 1.0f);
            if (++shotFrame > 12) shotFrame = -1;
        } else if (settings.turnControl == StickControl::Rate) {
            // Rate control keeps the angle the shot left: the figures are brought upright.
            x = towards(x, std::clamp(-rod.angle * 2.0f, -1.0f, 1.0f));
        } else {
            x = towards(x, 0.0f);
        }
    }
};

struct Score {
    int goalsFor = 0;
    int goalsAgainst = 0;
};

Score play(const PadSettings& settings, int opponent, std::uint32_t seed, double seconds)
{
    seedGameRandom(seed);
    InputSystem& input = *new InputSystem;  // its destructor lives with the platform devices
    input.pads.resize(1);
    input.pads[0].id = 1;
    Match match;
    AssistedControl control;
    PadRodCommands hands;
    hands.input = &input;
    hands.control = &control;
    hands.padId = 1;
    hands.settings = settings;
    FoosballAI ai(opponentEntry(opponent).parameters);
    match.setSide(0, &control, &hands);
    match.setSide(1, &ai, nullptr);
    match.start(MatchSetup{});
    ScriptedPadPlayer player{&control, &input.pads[0], settings, {}, -1, 0.7f, seed};
    Score score;
    while (match.playedSeconds < seconds) {
        input.previousPads = input.pads;
        player.frame(match.simulation);
        match.frame(kFrame, nullptr);
        if (std::getenv("PAD_TRACE") && (int)(match.playedSeconds * 60) % 30 == 0)
            std::printf("t %.1f ball %.1f %.1f v %.1f rod %d angle %.2f shift %.1f stick %.2f %.2f state %d\n", match.playedSeconds, match.simulation.ballPosition.x, match.simulation.ballPosition.z, match.simulation.ballVelocity.x, control.pickRod(), control.rods[control.pickRod()].angle, control.rods[control.pickRod()].shift, input.pads[0].axes[kPadRightX], input.pads[0].axes[kPadLeftY], (int)match.simulation.state);
        // The match restarts at 5: goals count on.
        if (match.decided()) {
            score.goalsFor += match.simulation.score[0];
            score.goalsAgainst += match.simulation.score[1];
            match.start(MatchSetup{});
        }
    }
    score.goalsFor += match.simulation.score[0];
    score.goalsAgainst += match.simulation.score[1];
    return score;
}

} // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 180.0;
    const int seeds = argc > 2 ? std::atoi(argv[2]) : 6;
    const char* names[] = {"rate", "position"};
    std::printf("turning   shifting  opponent  goals for  against  (%d seeds x %.0f s)\n", seeds, seconds);
    for (int opponent : {0, 3}) {
        for (StickControl turn : {StickControl::Position, StickControl::Rate}) {
            for (StickControl shift : {StickControl::Rate, StickControl::Position}) {
                PadSettings settings;
                settings.turnControl = turn;
                settings.shiftControl = shift;
                Score total;
                for (int seed = 1; seed <= seeds; ++seed) {
                    const Score s = play(settings, opponent, 1000u + static_cast<std::uint32_t>(seed) * 7919u, seconds);
                    total.goalsFor += s.goalsFor;
                    total.goalsAgainst += s.goalsAgainst;
                }
                std::printf("%-9s %-9s %8d  %9d  %7d\n", names[static_cast<int>(turn)], names[static_cast<int>(shift)],
                            opponent, total.goalsFor, total.goalsAgainst);
            }
        }
    }
    return 0;
}

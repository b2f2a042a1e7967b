#include "match/HeadlessMatch.h"

#include "control/FoosballAI.h"
#include "control/Opponent.h"
#include "core/GameRandom.h"
#include "match/Match.h"

#include <chrono>

namespace {

// The frame of a game running at 60 frames a second.
constexpr float kFrameSeconds = static_cast<float>(1.0 / 60.0);

class DeadBallCounter : public DeadBallListener {
public:
    int count = 0;
    void onDeadBall() override { ++count; }
};

} // namespace

HeadlessMatchResult playHeadlessMatch(const HeadlessMatchSettings& settings)
{
    auto started = std::chrono::steady_clock::now();
    HeadlessMatchResult result;
    seedGameRandom(settings.seed);

    Match match;
    DeadBallCounter deadBalls;
    match.simulation.addDeadBallListener(&deadBalls);
    FoosballAI home(opponentEntry(settings.home).parameters);
    FoosballAI away(opponentEntry(settings.away).parameters);
    match.setSide(0, &home, nullptr);
    match.setSide(1, &away, nullptr);
    MatchSetup setup;
    setup.rim = settings.rim;
    match.start(setup);

    int goals = 0;
    while (!match.decided() && match.playedSeconds < settings.maxSeconds) {
        match.frame(kFrameSeconds, nullptr);
        const int counted = match.simulation.score[0] + match.simulation.score[1];
        for (; goals < counted; ++goals)
            result.goalTimes.push_back(match.playedSeconds);
    }

    result.score[0] = match.simulation.score[0];
    result.score[1] = match.simulation.score[1];
    result.winner = match.winner();
    result.gameSeconds = match.playedSeconds;
    result.subSteps = match.subSteps;
    result.deadBallsNormal = match.restingDeadBalls;
    // Every other dead ball came from an opponent's report.
    result.deadBallsReported = deadBalls.count - match.restingDeadBalls;
    result.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    return result;
}

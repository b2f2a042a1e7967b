#include "match/HeadlessMatch.h"

#include "control/AssistedControl.h"
#include "control/FoosballAI.h"
#include "control/Opponent.h"
#include "core/GameRandom.h"
#include "match/Match.h"
#include "match/ScriptedPlayer.h"

#include <chrono>
#include <memory>

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
    // Each side: a computer opponent, or the player's controller with scripted hands.
    std::unique_ptr<FoosballControl> controls[2];
    std::unique_ptr<ScriptedPlayer> hands[2];
    const AssistedControl* player = nullptr;
    int playerTeam = -1;
    const int opponents[2] = {settings.home, settings.away};
    const int players[2] = {settings.homePlayer, settings.awayPlayer};
    for (int side = 0; side < 2; ++side) {
        if (players[side] < 0) {
            controls[side] = std::make_unique<FoosballAI>(
                parametersAt(opponents[side], settings.difficulty));
            match.setSide(side, controls[side].get(), nullptr);
            continue;
        }
        auto control = std::make_unique<AssistedControl>();
        applyNewProfileSettings(*control);
        hands[side] = std::make_unique<ScriptedPlayer>(scriptedPlayerLevel(players[side]), *control,
                                                       settings.seed + 7919u * static_cast<std::uint32_t>(side));
        match.setSide(side, control.get(), hands[side].get());
        if (!player) {
            player = control.get();
            playerTeam = side;
        }
        controls[side] = std::move(control);
    }
    MatchSetup setup;
    setup.rim = settings.rim;
    match.start(setup);
    MatchFaultWatch watch(match, playerTeam, player);

    int goals = 0;
    while (!match.decided() && match.playedSeconds < settings.maxSeconds) {
        match.frame(kFrameSeconds, &watch);
        for (int side = 0; side < 2; ++side)
            if (hands[side] && hands[side]->wantsDeadBall() && match.claimDeadBall(side))
                ++result.deadBallsClaimed;
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
    result.deadBallsReported = deadBalls.count - match.restingDeadBalls - result.deadBallsClaimed;
    result.faults = watch.counts;
    result.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    return result;
}

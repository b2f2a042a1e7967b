#include "HeadlessMatch.h"

#include "control/FoosballAI.h"
#include "control/Opponent.h"
#include "core/GameRandom.h"
#include "simulation/Simulation.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>

namespace {

constexpr double kFrameSeconds = 1.0 / 60.0;
constexpr double kSubStepSeconds = 0.001;
constexpr int kWinningGoals = 5;

class DeadBallCounter : public DeadBallListener {
public:
    int count = 0;
    void onDeadBall() override { ++count; }
};

std::string upper(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void appendNumber(std::string& out, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    out += buffer;
}

} // namespace

int parseOpponent(const std::string& text)
{
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + kOpponentTableSize) return text[0] - '0';
    return findOpponent(upper(text));
}

HeadlessMatchResult playHeadlessMatch(const HeadlessMatchSettings& settings)
{
    auto started = std::chrono::steady_clock::now();
    HeadlessMatchResult result;
    seedGameRandom(settings.seed);

    Simulation sim;
    DeadBallCounter deadBalls;
    sim.addDeadBallListener(&deadBalls);
    FoosballAI home(opponentEntry(settings.home).parameters);
    FoosballAI away(opponentEntry(settings.away).parameters);
    home.simulation = &sim;
    away.simulation = &sim;
    home.rods = sim.teams[0].rods;
    away.rods = sim.teams[1].rods;

    // Match start as the match screen does it; both sides here want the ball events.
    sim.rimEnabled = settings.rim;
    sim.practice = false;
    sim.goalPending = false;
    sim.goalByTeam0 = false;
    sim.score[0] = sim.score[1] = 0;
    sim.kickOffTeam = 0;
    sim.addSimulationListener(&home);
    sim.addSimulationListener(&away);
    home.initStates();
    away.initStates();
    sim.kickOff();

    // A frame of 1/60 s: sixteen whole milliseconds and the remainder.
    const int wholeSteps = static_cast<int>(kFrameSeconds / kSubStepSeconds);
    const float lastStep = static_cast<float>(kFrameSeconds - wholeSteps * kSubStepSeconds);

    double time = 0.0;
    bool over = false;
    while (!over && time < settings.maxSeconds) {
        // The normal dead ball: at rest where no rod reaches it.
        if (sim.ballAtRest && sim.restRegion == -1) {
            ++result.deadBallsNormal;
            sim.reportDeadBall(-1);
        }
        for (int i = 0; i <= wholeSteps; ++i) {
            float dt = i < wholeSteps ? static_cast<float>(kSubStepSeconds) : lastStep;
            if (dt <= 0.0f) break;
            home.update(dt);
            away.update(dt);
            sim.step(dt);
            ++result.subSteps;
            time += dt;
        }
        if (sim.goalPending) {
            sim.goalPending = false;
            sim.goalByTeam0 = false;
            result.goalTimes.push_back(time);
            over = sim.score[0] >= kWinningGoals || sim.score[1] >= kWinningGoals;
        }
    }

    result.score[0] = sim.score[0];
    result.score[1] = sim.score[1];
    if (sim.score[0] >= kWinningGoals)
        result.winner = 0;
    else if (sim.score[1] >= kWinningGoals)
        result.winner = 1;
    result.gameSeconds = time;
    // Every other dead ball came from an opponent's report.
    result.deadBallsReported = deadBalls.count - result.deadBallsNormal;
    result.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
    return result;
}

std::string matchResultJson(const HeadlessMatchSettings& settings, const HeadlessMatchResult& result)
{
    std::string homeName = opponentEntry(settings.home).name;
    std::string awayName = opponentEntry(settings.away).name;
    std::string winner = result.winner == 0 ? homeName : result.winner == 1 ? awayName : "draw";
    std::string out = "{\"home\": \"" + homeName + "\", \"away\": \"" + awayName + "\", \"seed\": " +
                      std::to_string(settings.seed) + ", \"score\": [" + std::to_string(result.score[0]) +
                      ", " + std::to_string(result.score[1]) + "], \"winner\": \"" + winner +
                      "\", \"gameSeconds\": ";
    appendNumber(out, result.gameSeconds);
    out += ", \"subSteps\": " + std::to_string(result.subSteps) +
           ", \"deadBalls\": {\"normal\": " + std::to_string(result.deadBallsNormal) +
           ", \"reported\": " + std::to_string(result.deadBallsReported) + "}, \"goalTimes\": [";
    for (std::size_t i = 0; i < result.goalTimes.size(); ++i) {
        if (i) out += ", ";
        appendNumber(out, result.goalTimes[i]);
    }
    out += "], \"wallMs\": ";
    appendNumber(out, result.wallMs);
    out += "}";
    return out;
}

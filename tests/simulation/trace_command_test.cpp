// pitchbar-sim run as a program: the trace's JSON lines for a goal scenario, event
// accumulation with --every, and usage errors for bad options.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct RunResult {
    std::vector<std::string> lines;
    int exitCode = -1;
};

RunResult runTrace(const std::string& options) {
    RunResult result;
    std::string command = std::string(PITCHBAR_SIM_PATH) + " trace " + options + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::string line;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        line += buffer;
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
            result.lines.push_back(line);
            line.clear();
        }
    }
    int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool has(const std::string& line, const std::string& text) { return line.find(text) != std::string::npos; }

// The number after "key": in a line.
double field(const std::string& line, const std::string& key) {
    std::size_t at = line.find("\"" + key + "\": ");
    if (at == std::string::npos) return -1e30;
    return std::stod(line.substr(at + key.size() + 4));
}

} // namespace

TEST(TraceCommand, GoalScenarioShowsInGoalAndTheCountedGoal) {
    RunResult r = runTrace("--ball -0.5,30 --velocity -50,0 --steps 600");
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 602u);  // step 0, 600 steps, totals
    const std::string keys[] = {"step", "t", "state", "x", "y", "z", "vx", "vy", "vz", "spinRate",
                                "spinAngle", "ballAtRest", "restRegion", "lastTouchTeam", "score",
                                "goalPending", "regionTime", "events"};
    for (const std::string& key : keys) EXPECT_TRUE(has(r.lines[1], "\"" + key + "\": ")) << key;

    int firstInGoal = -1, counted = -1;
    for (std::size_t i = 0; i + 1 < r.lines.size(); ++i) {
        if (firstInGoal < 0 && has(r.lines[i], "\"state\": \"InGoal\"")) firstInGoal = static_cast<int>(i);
        if (has(r.lines[i], "\"sound\": \"score1\"")) counted = static_cast<int>(i);
    }
    ASSERT_GT(firstInGoal, 0);
    EXPECT_TRUE(has(r.lines[firstInGoal], "\"sound\": \"roll-stop\""));
    EXPECT_TRUE(has(r.lines[firstInGoal], "{\"notify\": 1}"));
    ASSERT_GT(counted, firstInGoal);
    EXPECT_NEAR(counted - firstInGoal, 408, 10);
    const std::string& goal = r.lines[counted];
    EXPECT_TRUE(has(goal, "\"state\": \"AfterGoal\""));
    EXPECT_TRUE(has(goal, "\"score\": [0, 1]"));
    EXPECT_NEAR(field(goal.substr(goal.find("score1")), "volume"), 1.0, 0.03);
    EXPECT_TRUE(has(r.lines.back(), "\"totals\""));
    EXPECT_TRUE(has(r.lines.back(), "\"goals\": 1"));
    EXPECT_TRUE(has(r.lines.back(), "\"score1\": 1"));
}

TEST(TraceCommand, EveryKeepsTheEventsOfSkippedSteps) {
    // A shot by team 0's midfield: the kick happens in the first step, printed at step 100.
    RunResult r = runTrace("--ball 54,33.2 --rod 0,2,0,0,20,0 --steps 250 --every 100");
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 5u);  // step 0, 100, 200, 250 (the last), totals
    EXPECT_EQ(field(r.lines[1], "step"), 100);
    EXPECT_TRUE(has(r.lines[1], "\"sound\": \"kick\""));
    EXPECT_TRUE(has(r.lines[1], "\"sound\": \"kick\", \"volume\": 1,"));
    EXPECT_EQ(field(r.lines[2], "step"), 200);
    EXPECT_EQ(field(r.lines[3], "step"), 250);
}

TEST(TraceCommand, BadOptionsAreUsageErrors) {
    const char* bad[] = {"--dt 0", "--dt 0.002", "--dt abc", "--steps -1", "--every 0",
                         "--rod 2,0,0,0,0,0", "--rod 0,4,0,0,0,0", "--rod 0,1,0", "--ball 1",
                         "--rim maybe", "--kickoff 3", "--ball 1,2 --kickoff 0", "--bogus",
                         "--steps", "--velocity nan,0"};
    for (const char* options : bad) {
        RunResult r = runTrace(options);
        EXPECT_EQ(r.exitCode, 2) << options;
        EXPECT_TRUE(r.lines.empty()) << options;
    }
}

TEST(TraceCommand, ValuesTheTableCannotHoldAreRefused) {
    // Each of these once ran and printed nulls: the speed limit's rescale of an infinite
    // speed, or a wall's spin exchange on a huge spin, turns the ball's numbers into NaN.
    const char* bad[] = {"--velocity 3e38,0", "--velocity 0,-3e38", "--velocity 700,700", "--spin 3e38",
                         "--ball 500,30", "--ball 50,-1", "--ball 50,70", "--rod 0,2,0,0,1e30,0",
                         "--rod 0,2,0,0,0,1e30", "--rod 0,2,1e30,0,0,0", "--rod 0,2,0,8,0,0",
                         "--drive 0,2,0,1e30", "--drive 0,2,1e30,0", "--drive 0,2,0,20,5,4",
                         "--drive 0,2,0,20,1.5,4", "--drive 0,2,0,20,1", "--drive 2,2,0,20"};
    for (const char* options : bad) {
        RunResult r = runTrace(options);
        EXPECT_EQ(r.exitCode, 2) << options;
        EXPECT_TRUE(r.lines.empty()) << options;
    }
    // The edges themselves are fine.
    RunResult edge = runTrace("--ball 117.4,66.4 --velocity 800,0 --spin 1000 --rod 0,2,0,7.2,100,400 --steps 2");
    EXPECT_EQ(edge.exitCode, 0);
    for (const std::string& line : edge.lines) EXPECT_FALSE(has(line, "null")) << line;
}

TEST(TraceCommand, HelpPrintsTheUsageAndSucceeds) {
    for (const char* command : {" trace --help", " match --help", " tournament --help", " --help"}) {
        std::string run = std::string(PITCHBAR_SIM_PATH) + command + " 2>/dev/null";
        FILE* pipe = popen(run.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string out;
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        int status = pclose(pipe);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
        EXPECT_TRUE(has(out, "usage: pitchbar-sim")) << command;
    }
}

TEST(TraceCommand, DriveMovesARodAndATrappedBallGoesWithIt) {
    // The midfield tilted onto a ball, then slid 4 units sideways in 0.2 s and left still.
    RunResult r = runTrace("--ball 56.461,33.2 --rod 0,2,1.2,0,0,0 --drive 0,2,0,20,1,200 --steps 260 --every 20");
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 15u);  // step 0, 13 lines every 20 steps, totals
    const std::string& dragged = r.lines[10];  // step 200
    EXPECT_EQ(field(dragged, "step"), 200);
    EXPECT_NEAR(field(dragged, "shift"), 4.0, 1e-3);
    EXPECT_NEAR(field(dragged, "shiftVelocity"), 20.0, 1e-3);
    EXPECT_NEAR(field(dragged, "z"), 37.2, 0.01);
    EXPECT_NEAR(field(dragged, "x"), 56.461, 1e-3);
    // Once the drive is over the rod stands still, and so does the ball under it.
    const std::string& after = r.lines[13];  // step 260
    EXPECT_EQ(field(after, "shiftVelocity"), 0.0);
    EXPECT_NEAR(field(after, "z"), 37.2, 0.01);
    EXPECT_TRUE(has(after, "\"ballAtRest\": true"));

    // A rod set where it stands has not travelled: the ball under its foot stays put.
    RunResult set = runTrace("--ball 56.461,35.2 --rod 0,2,1.2,2,0,0 --steps 5 --every 5");
    ASSERT_EQ(set.exitCode, 0);
    EXPECT_NEAR(field(set.lines[1], "z"), 35.2, 1e-4);

    // A turning drive sets the angular velocity from the motion: 10 rad/s for 0.1 s.
    RunResult turn = runTrace("--ball 100,10 --drive 1,3,10,0,1,100 --steps 100 --every 100");
    ASSERT_EQ(turn.exitCode, 0);
    EXPECT_NEAR(field(turn.lines[1], "angle"), 1.0, 1e-3);
    EXPECT_NEAR(field(turn.lines[1], "angularVelocity"), 10.0, 1e-4);
}

TEST(TraceCommand, AnOpponentPlaysTeamOneFromTheSetUpRods) {
    // BOB's attack with its feet turned back over a still ball behind it, rim on: it used to
    // stay there for good (a dead ball after 11 s). Now the opponent plays the ball on.
    RunResult r = runTrace("--opponent BOB --rim on --ball 41.74,18.52 --rod 1,3,-1.16,0,0,0 --steps 11000 --every 1000");
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 13u);
    EXPECT_TRUE(has(r.lines[0], "{\"team\": 1, \"rod\": 3, \"angle\": -1.16"));
    bool moved = false;
    for (std::size_t i = 1; i + 1 < r.lines.size(); ++i) moved = moved || std::fabs(field(r.lines[i], "x") - 41.74) > 1.0;
    EXPECT_TRUE(moved);
    // Team 1 is the opponent's: no drive for its rods, and a difficulty only with it.
    EXPECT_EQ(runTrace("--opponent 0 --drive 1,2,1,0").exitCode, 2);
    EXPECT_EQ(runTrace("--difficulty easy").exitCode, 2);
    EXPECT_EQ(runTrace("--opponent NOBODY").exitCode, 2);
}

TEST(SimOutput, ResultsThatCannotBeWrittenFailTheRun) {
    // A full disk: the run must not look finished. Each command's output goes through the
    // same check.
    for (const char* command : {" trace --steps 50", " match --home 1 --away 2 --max-seconds 5"}) {
        const std::string line = std::string(PITCHBAR_SIM_PATH) + command + " >/dev/full 2>&1";
        const int status = std::system(line.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << command;
        EXPECT_EQ(1, WEXITSTATUS(status)) << command;
    }
    RunResult ok = runTrace("--steps 5");
    EXPECT_EQ(0, ok.exitCode);
}

// pitchbar-sim trace: sets up one table scenario, steps it and prints every step (or every
// K-th) as one JSON object per line, with the sounds played and the listener notifications,
// then a line of totals. Nothing moves the rods but the options: a rod set with --rod
// keeps its velocities without moving, a rod given --drive turns and shifts through the
// controllers' own rod-moving operations. Values the table cannot hold are refused.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "MatchJson.h"
#include "control/FoosballAI.h"
#include "control/FoosballControl.h"
#include "control/Opponent.h"
#include "control/OpponentDifficulty.h"
#include "simulation/RecordingTableSounds.h"
#include "simulation/Simulation.h"

namespace {

const char* kTraceUsage =
    "trace [--rim on|off] [--practice] [--ball X,Z | --kickoff TEAM] [--velocity VX,VZ] "
    "[--spin RATE] [--rod TEAM,ROD,ANGLE,SHIFT,ANGVEL,SHIFTVEL]... "
    "[--drive TEAM,ROD,ANGLERATE,SHIFTRATE[,FROM,TO]]... [--opponent NAME [--difficulty easy|normal|hard]] "
    "[--steps N] [--dt SECONDS] [--every K]";

// What the table can hold. The ball's centre stays between the side walls and at most as
// deep in a goal as the goal is counted; its speed is capped at 800 units/s. Rods turn at
// most 100 rad/s and shift at most 400 units/s (the limits of the player's mouse control),
// a rod stands at most 1.0 beyond its end stop (the opponent's blocks), and an angle lies
// within two turns either way. Spin stays within 1000 rad/s, more than any contact gives.
constexpr float kGoalBoxDepth = 23.8f;
constexpr float kMaxSpin = 1000.0f;
constexpr float kMaxAngle = 2.0f * kTwoPi;
constexpr float kMaxAngularSpeed = 100.0f;
constexpr float kMaxShiftSpeed = 400.0f;
constexpr float kShiftSlack = 1.0f;

struct RodSetting {
    int team = 0;
    int rod = 0;
    float angle = 0.0f, shift = 0.0f, angularVelocity = 0.0f, shiftVelocity = 0.0f;
};

// A rod moved at constant rates from step `from` to step `to` (both included).
struct RodDrive {
    int team = 0;
    int rod = 0;
    float angleRate = 0.0f, shiftRate = 0.0f;
    long from = 1, to = -1;  // to -1: up to the last step
};

struct TraceOptions {
    bool rim = false;
    bool practice = false;
    bool hasBall = false;
    float ballX = 0.0f, ballZ = 0.0f;
    bool hasKickOff = false;
    int kickOffTeam = 0;
    bool hasVelocity = false;
    float vx = 0.0f, vz = 0.0f;
    float spin = 0.0f;
    std::vector<RodSetting> rods;
    std::vector<RodDrive> drives;
    long steps = 1000;
    float dt = 0.001f;
    long every = 1;
    int opponent = -1;  // an opponent playing team 1, from the rods' set-up state
    Difficulty difficulty = Difficulty::Normal;
    bool hasDifficulty = false;
};

int usageError(const std::string& message) {
    std::fprintf(stderr, "pitchbar-sim trace: %s (usage: pitchbar-sim %s)\n", message.c_str(), kTraceUsage);
    return 2;
}

bool parseFloat(const std::string& text, float& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return false;
    out = static_cast<float>(value);
    return std::isfinite(out);
}

bool parseLong(const std::string& text, long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (end != text.c_str() + text.size()) return false;
    out = value;
    return true;
}

// "a,b,c" into exactly `count` floats.
bool parseFloats(const std::string& text, std::size_t count, std::vector<float>& out) {
    out.clear();
    std::size_t start = 0;
    while (true) {
        std::size_t comma = text.find(',', start);
        float value = 0.0f;
        if (!parseFloat(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start), value))
            return false;
        out.push_back(value);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return out.size() == count;
}

bool isTeam(float value) { return value == 0.0f || value == 1.0f; }
bool isRod(float value) { return value == 0.0f || value == 1.0f || value == 2.0f || value == 3.0f; }
bool isStep(float value) { return value >= 0.0f && value <= 100000000.0f && value == std::floor(value); }

std::string text(float value) {
    char out[32];
    std::snprintf(out, sizeof out, "%g", static_cast<double>(value));
    return out;
}

// The largest |shift| of a rod: its end stop, and the 1.0 beyond it that a block may use.
float shiftLimit(int rod) {
    const Simulation table;
    return table.width * 0.5f - table.teams[0].rods[rod].endMargin + kShiftSlack;
}

// An empty string when the values fit on the table, else what does not.
std::string checkBall(const TraceOptions& o) {
    const float length = kTableLength;
    const float width = kTableWidth;
    if (o.hasBall && (o.ballX < -kGoalBoxDepth || o.ballX > length + kGoalBoxDepth))
        return "--ball: x " + text(o.ballX) + " is off the table (" + text(-kGoalBoxDepth) + " to " +
               text(length + kGoalBoxDepth) + ")";
    if (o.hasBall && (o.ballZ < 0.0f || o.ballZ > width))
        return "--ball: z " + text(o.ballZ) + " is off the table (0 to " + text(width) + ")";
    if (o.hasVelocity && std::hypot(static_cast<double>(o.vx), static_cast<double>(o.vz)) > kMaxBallSpeed)
        return "--velocity: the speed is beyond the ball's limit of " + text(kMaxBallSpeed) + " units/s";
    if (std::fabs(o.spin) > kMaxSpin) return "--spin: beyond " + text(kMaxSpin) + " rad/s";
    return "";
}

std::string checkRod(const RodSetting& r) {
    if (std::fabs(r.angle) > kMaxAngle) return "--rod: the angle is beyond two turns";
    if (std::fabs(r.shift) > shiftLimit(r.rod))
        return "--rod: rod " + std::to_string(r.rod) + " shifts at most " + text(shiftLimit(r.rod));
    if (std::fabs(r.angularVelocity) > kMaxAngularSpeed)
        return "--rod: the angular velocity is beyond " + text(kMaxAngularSpeed) + " rad/s";
    if (std::fabs(r.shiftVelocity) > kMaxShiftSpeed)
        return "--rod: the shift velocity is beyond " + text(kMaxShiftSpeed) + " units/s";
    return "";
}

std::string checkDrive(const RodDrive& d) {
    if (std::fabs(d.angleRate) > kMaxAngularSpeed)
        return "--drive: the angle rate is beyond " + text(kMaxAngularSpeed) + " rad/s";
    if (std::fabs(d.shiftRate) > kMaxShiftSpeed)
        return "--drive: the shift rate is beyond " + text(kMaxShiftSpeed) + " units/s";
    if (d.to >= 0 && d.to < d.from) return "--drive: TO comes before FROM";
    return "";
}

// Returns 0 when the options are good, else the exit code after the usage error.
int parseOptions(const std::vector<std::string>& args, TraceOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string v;
        std::vector<float> f;
        if (a == "--practice") {
            o.practice = true;
        } else if (a == "--rim") {
            if (!value(v) || (v != "on" && v != "off")) return usageError("--rim takes on or off");
            o.rim = v == "on";
        } else if (a == "--ball") {
            if (!value(v) || !parseFloats(v, 2, f)) return usageError("--ball takes X,Z");
            o.hasBall = true;
            o.ballX = f[0];
            o.ballZ = f[1];
        } else if (a == "--velocity") {
            if (!value(v) || !parseFloats(v, 2, f)) return usageError("--velocity takes VX,VZ");
            o.hasVelocity = true;
            o.vx = f[0];
            o.vz = f[1];
        } else if (a == "--spin") {
            if (!value(v) || !parseFloat(v, o.spin)) return usageError("--spin takes a rate in rad/s");
        } else if (a == "--rod") {
            if (!value(v) || !parseFloats(v, 6, f) || !isTeam(f[0]) || !isRod(f[1]))
                return usageError("--rod takes TEAM (0 or 1),ROD (0 to 3),ANGLE,SHIFT,ANGVEL,SHIFTVEL");
            o.rods.push_back({static_cast<int>(f[0]), static_cast<int>(f[1]), f[2], f[3], f[4], f[5]});
            std::string wrong = checkRod(o.rods.back());
            if (!wrong.empty()) return usageError(wrong);
        } else if (a == "--drive") {
            bool fits = value(v) && (parseFloats(v, 4, f) || parseFloats(v, 6, f)) && isTeam(f[0]) && isRod(f[1]);
            if (fits && f.size() == 6) fits = isStep(f[4]) && isStep(f[5]);
            if (!fits)
                return usageError("--drive takes TEAM (0 or 1),ROD (0 to 3),ANGLERATE,SHIFTRATE and "
                                  "optionally FROM,TO (steps)");
            RodDrive d;
            d.team = static_cast<int>(f[0]);
            d.rod = static_cast<int>(f[1]);
            d.angleRate = f[2];
            d.shiftRate = f[3];
            if (f.size() == 6) {
                d.from = static_cast<long>(f[4]);
                d.to = static_cast<long>(f[5]);
            }
            std::string wrong = checkDrive(d);
            if (!wrong.empty()) return usageError(wrong);
            o.drives.push_back(d);
        } else if (a == "--opponent") {
            if (!value(v) || (o.opponent = parseOpponent(v)) < 0)
                return usageError("--opponent takes an opponent's name or index 0 to 7");
        } else if (a == "--difficulty") {
            if (!value(v) || !parseDifficulty(v.c_str(), o.difficulty))
                return usageError("--difficulty takes easy, normal or hard");
            o.hasDifficulty = true;
        } else if (a == "--kickoff") {
            long team = 0;
            if (!value(v) || !parseLong(v, team) || (team != 0 && team != 1))
                return usageError("--kickoff takes a team, 0 or 1");
            o.hasKickOff = true;
            o.kickOffTeam = static_cast<int>(team);
        } else if (a == "--steps") {
            if (!value(v) || !parseLong(v, o.steps) || o.steps < 0 || o.steps > 100000000)
                return usageError("--steps takes a count from 0 to 100000000");
        } else if (a == "--dt") {
            if (!value(v) || !parseFloat(v, o.dt) || !(o.dt > 0.0f) || o.dt > 0.001f)
                return usageError("--dt takes seconds with 0 < dt <= 0.001");
        } else if (a == "--every") {
            if (!value(v) || !parseLong(v, o.every) || o.every < 1)
                return usageError("--every takes a count of at least 1");
        } else {
            return usageError("unknown option '" + a + "'");
        }
    }
    if (o.hasBall && o.hasKickOff) return usageError("--ball and --kickoff exclude each other");
    if (o.hasDifficulty && o.opponent < 0) return usageError("--difficulty goes with --opponent");
    for (const RodDrive& d : o.drives)
        if (o.opponent >= 0 && d.team == 1) return usageError("--opponent plays team 1: no --drive for its rods");
    std::string wrong = checkBall(o);
    if (!wrong.empty()) return usageError(wrong);
    return 0;
}

// Finite floats as the shortest exact-enough decimal; JSON has no NaN or infinity.
std::string number(float value) {
    if (!std::isfinite(value)) return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
    return text;
}

const char* stateName(SimulationState state) {
    switch (state) {
    case InPlay: return "InPlay";
    case InGoal: return "InGoal";
    case AfterGoal: return "AfterGoal";
    case MatchOver: return "MatchOver";
    }
    return "Unknown";
}

// One step of a driven rod through the controllers' rod-moving operations: the turn aims a
// quarter turn ahead so it runs at the full rate (and sets the angular velocity to it), the
// shift heads for the end stop at the rate and stops there.
void driveRod(Rod& rod, float dt, float angleRate, float shiftRate) {
    if (angleRate != 0.0f)
        FoosballControl::rotateToward(rod, dt, rod.angle + std::copysign(kHalfPi, angleRate), std::fabs(angleRate));
    else
        rod.angularVelocity = 0.0f;
    const float travel = kTableWidth * 0.5f - rod.endMargin;
    if (shiftRate != 0.0f)
        FoosballControl::moveShiftToward(rod, dt, shiftRate > 0.0f ? travel : -travel, std::fabs(shiftRate));
    else
        rod.shiftVelocity = 0.0f;
}

std::string eventsJson(const std::vector<RecordedSound>& sounds, std::uint64_t notifications) {
    std::string out = "[";
    bool first = true;
    for (const RecordedSound& s : sounds) {
        if (!first) out += ", ";
        first = false;
        out += "{\"sound\": \"" + s.name + "\", \"volume\": " + number(s.volume) + ", \"position\": [" +
               number(s.position.x) + ", " + number(s.position.y) + ", " + number(s.position.z) + "]}";
    }
    if (notifications > 0) {
        if (!first) out += ", ";
        out += "{\"notify\": " + std::to_string(notifications) + "}";
    }
    return out + "]";
}

// The rods named by --rod or --drive, so a line shows what they did to the ball.
struct RodRef {
    int team;
    int rod;
};

std::string rodsJson(const Simulation& sim, const std::vector<RodRef>& shown) {
    std::string out = "[";
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const Rod& rod = sim.teams[shown[i].team].rods[shown[i].rod];
        if (i) out += ", ";
        out += "{\"team\": " + std::to_string(shown[i].team) + ", \"rod\": " + std::to_string(shown[i].rod) +
               ", \"angle\": " + number(rod.angle) + ", \"shift\": " + number(rod.shift) +
               ", \"angularVelocity\": " + number(rod.angularVelocity) +
               ", \"shiftVelocity\": " + number(rod.shiftVelocity) + "}";
    }
    return out + "]";
}

void printLine(long step, double t, const Simulation& sim, const std::vector<RodRef>& shown,
               const std::vector<RecordedSound>& sounds, std::uint64_t notifications) {
    const Vector3& p = sim.ballPosition;
    const Vector3& v = sim.ballVelocity;
    std::string line = "{\"step\": " + std::to_string(step) + ", \"t\": " + number(static_cast<float>(t)) +
                       ", \"state\": \"" + stateName(sim.state) + "\", \"x\": " + number(p.x) +
                       ", \"y\": " + number(p.y) + ", \"z\": " + number(p.z) + ", \"vx\": " + number(v.x) +
                       ", \"vy\": " + number(v.y) + ", \"vz\": " + number(v.z) +
                       ", \"spinRate\": " + number(sim.spinRate) + ", \"spinAngle\": " + number(sim.spinAngle) +
                       ", \"ballAtRest\": " + (sim.ballAtRest ? "true" : "false") +
                       ", \"restRegion\": " + std::to_string(sim.restRegion) +
                       ", \"lastTouchTeam\": " + std::to_string(sim.lastTouchTeam) + ", \"score\": [" +
                       std::to_string(sim.score[0]) + ", " + std::to_string(sim.score[1]) +
                       "], \"goalPending\": " + (sim.goalPending ? "true" : "false") +
                       ", \"regionTime\": " + number(sim.regionTime) +
                       (shown.empty() ? std::string() : ", \"rods\": " + rodsJson(sim, shown)) +
                       ", \"events\": " + eventsJson(sounds, notifications) + "}\n";
    std::fputs(line.c_str(), stdout);
}

int runTrace(const std::vector<std::string>& args) {
    TraceOptions o;
    if (int code = parseOptions(args, o)) return code;

    Simulation sim;
    RecordingTableSounds sounds;
    sim.tableSounds = &sounds;
    sim.rimEnabled = o.rim;
    sim.practice = o.practice;
    if (o.hasBall) {
        sim.placeBall(o.ballX, o.ballZ);
    } else {
        sim.kickOffTeam = o.kickOffTeam;
        sim.kickOff();
    }
    if (o.hasVelocity) {
        sim.ballVelocity = {o.vx, 0.0f, o.vz};
        // A ball sent rolling is no longer the ball that was placed at rest.
        if (o.vx != 0.0f || o.vz != 0.0f) sim.ballAtRest = false;
    }
    sim.spinRate = o.spin;
    for (const RodSetting& r : o.rods) {
        Rod& rod = sim.teams[r.team].rods[r.rod];
        rod.angle = rod.previousAngle = r.angle;
        rod.shift = rod.previousShift = r.shift;
        rod.angularVelocity = r.angularVelocity;
        rod.shiftVelocity = r.shiftVelocity;
    }

    // An opponent takes team 1 from the state set up above, hearing the ball's events.
    std::unique_ptr<FoosballAI> opponent;
    if (o.opponent >= 0) {
        opponent = std::make_unique<FoosballAI>(parametersAt(o.opponent, o.difficulty));
        opponent->simulation = &sim;
        opponent->rods = sim.teams[1].rods;
        opponent->initStates();
        opponent->changed = false;
        sim.addSimulationListener(opponent.get());
    }

    std::vector<RodRef> shown;
    auto show = [&](int team, int rod) {
        for (const RodRef& r : shown)
            if (r.team == team && r.rod == rod) return;
        shown.push_back({team, rod});
    };
    for (const RodSetting& r : o.rods) show(r.team, r.rod);
    for (const RodDrive& d : o.drives) show(d.team, d.rod);
    if (opponent)
        for (int k = 0; k < kRodsPerTeam; ++k) show(1, k);

    std::map<std::string, long> soundTotals;
    auto tally = [&]() {
        for (const RecordedSound& s : sounds.sounds) ++soundTotals[s.name];
    };

    // Step 0 is the scenario as set up: the placement's notification, the kick-off's roll.
    std::uint64_t notified = sim.notificationCount;
    printLine(0, 0.0, sim, shown, sounds.sounds, notified);
    tally();
    sounds.sounds.clear();
    std::uint64_t lastCount = sim.notificationCount;
    std::uint64_t pendingNotifications = 0;
    long goals = 0;

    double t = 0.0;
    for (long step = 1; step <= o.steps; ++step) {
        const SimulationState before = sim.state;
        // The rods move first, then the table steps: the order of a match's sub-step.
        for (const RodDrive& d : o.drives) {
            Rod& rod = sim.teams[d.team].rods[d.rod];
            if (step >= d.from && (d.to < 0 || step <= d.to))
                driveRod(rod, o.dt, d.angleRate, d.shiftRate);
            else if (step == d.to + 1)
                driveRod(rod, o.dt, 0.0f, 0.0f);  // the drive is over: the rod stands still
        }
        if (opponent) opponent->update(o.dt);
        sim.step(o.dt);
        t += o.dt;
        if (before == InGoal && sim.state == AfterGoal) ++goals;
        pendingNotifications += sim.notificationCount - lastCount;
        lastCount = sim.notificationCount;
        if (step % o.every == 0 || step == o.steps) {
            printLine(step, t, sim, shown, sounds.sounds, pendingNotifications);
            tally();
            sounds.sounds.clear();
            pendingNotifications = 0;
        }
    }

    std::string totals = "{\"totals\": {\"steps\": " + std::to_string(o.steps) +
                         ", \"goals\": " + std::to_string(goals) +
                         ", \"notifications\": " + std::to_string(sim.notificationCount) + ", \"sounds\": {";
    bool first = true;
    for (const auto& entry : soundTotals) {
        if (!first) totals += ", ";
        first = false;
        totals += "\"" + entry.first + "\": " + std::to_string(entry.second);
    }
    totals += "}}}\n";
    std::fputs(totals.c_str(), stdout);
    return 0;
}

} // namespace

PITCHBAR_SIM_COMMAND("trace", kTraceUsage, runTrace);

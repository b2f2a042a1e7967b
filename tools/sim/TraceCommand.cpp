// pitchbar-sim trace: sets up one table scenario, steps it and prints every step (or every
// K-th) as one JSON object per line, with the sounds played and the listener notifications,
// then a line of totals. Nothing moves the rods but the options.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "Command.h"
#include "simulation/RecordingTableSounds.h"
#include "simulation/Simulation.h"

namespace {

const char* kTraceUsage =
    "trace [--rim on|off] [--practice] [--ball X,Z | --kickoff TEAM] [--velocity VX,VZ] "
    "[--spin RATE] [--rod TEAM,ROD,ANGLE,SHIFT,ANGVEL,SHIFTVEL]... [--steps N] [--dt SECONDS] "
    "[--every K]";

struct RodSetting {
    int team = 0;
    int rod = 0;
    float angle = 0.0f, shift = 0.0f, angularVelocity = 0.0f, shiftVelocity = 0.0f;
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
    long steps = 1000;
    float dt = 0.001f;
    long every = 1;
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
            if (!value(v) || !parseFloats(v, 6, f) || !isTeam(f[0]) ||
                !(f[1] == 0.0f || f[1] == 1.0f || f[1] == 2.0f || f[1] == 3.0f))
                return usageError("--rod takes TEAM (0 or 1),ROD (0 to 3),ANGLE,SHIFT,ANGVEL,SHIFTVEL");
            o.rods.push_back({static_cast<int>(f[0]), static_cast<int>(f[1]), f[2], f[3], f[4], f[5]});
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

void printLine(long step, double t, const Simulation& sim, const std::vector<RecordedSound>& sounds,
               std::uint64_t notifications) {
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
        rod.shift = r.shift;
        rod.angularVelocity = r.angularVelocity;
        rod.shiftVelocity = r.shiftVelocity;
    }

    std::map<std::string, long> soundTotals;
    auto tally = [&]() {
        for (const RecordedSound& s : sounds.sounds) ++soundTotals[s.name];
    };

    // Step 0 is the scenario as set up: the placement's notification, the kick-off's roll.
    std::uint64_t notified = sim.notificationCount;
    printLine(0, 0.0, sim, sounds.sounds, notified);
    tally();
    sounds.sounds.clear();
    std::uint64_t lastCount = sim.notificationCount;
    std::uint64_t pendingNotifications = 0;
    long goals = 0;

    double t = 0.0;
    for (long step = 1; step <= o.steps; ++step) {
        const SimulationState before = sim.state;
        sim.step(o.dt);
        t += o.dt;
        if (before == InGoal && sim.state == AfterGoal) ++goals;
        pendingNotifications += sim.notificationCount - lastCount;
        lastCount = sim.notificationCount;
        if (step % o.every == 0 || step == o.steps) {
            printLine(step, t, sim, sounds.sounds, pendingNotifications);
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

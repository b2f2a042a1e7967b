// pitchbar-sim tournament: every ordered pair of the eight opponents plays N headless
// matches; prints the win matrix, points and ranking (or the same as JSON).
#include "Command.h"
#include "MatchJson.h"
#include "PlayerLadder.h"
#include "SimArguments.h"
#include "TerminalProgress.h"

#include "control/Opponent.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

const char* const kTournamentUsage =
    "tournament [--seed S] [--matches N] [--rim on|off] [--difficulty easy|normal|hard] [--json] "
    "[--player weak|average|good [--opponent NAME]]";
// Points: a win 2, a draw 1.
constexpr int kWinPoints = 2;
constexpr int kDrawPoints = 1;

int usageError(const std::string& what)
{
    std::fprintf(stderr, "pitchbar-sim tournament: %s; usage: pitchbar-sim %s\n", what.c_str(),
                 kTournamentUsage);
    return 2;
}

struct Standings {
    int wins[kOpponentTableSize][kOpponentTableSize] = {};  // row beat column, on either side
    int draws[kOpponentTableSize] = {};
    int points[kOpponentTableSize] = {};
    int played[kOpponentTableSize] = {};
    double gameSeconds = 0.0;
    int capped = 0;             // matches that reached the time cap
    int deadBallsNormal = 0;
    int deadBallsReported = 0;
};

std::vector<int> ranking(const Standings& s)
{
    std::vector<int> order;
    for (int i = 0; i < kOpponentTableSize; ++i) order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return s.points[a] > s.points[b]; });
    return order;
}

void printTable(const Standings& s, std::uint32_t seed, int matches, bool rim, Difficulty difficulty,
                double wallSeconds)
{
    std::printf("Tournament: %d matches per ordered pair, seed %u, rim %s", matches, seed, rim ? "on" : "off");
    if (difficulty != Difficulty::Normal) std::printf(", difficulty %s", difficultyName(difficulty));
    std::printf("\n");
    std::printf("Wins of the row against the column (home and away together):\n\n%-14s", "");
    for (int j = 0; j < kOpponentTableSize; ++j) std::printf("%8.7s", opponentEntry(j).name);
    std::printf("%7s%7s\n", "draws", "points");
    for (int i = 0; i < kOpponentTableSize; ++i) {
        std::printf("%-14s", opponentEntry(i).name);
        for (int j = 0; j < kOpponentTableSize; ++j) {
            if (i == j)
                std::printf("%8s", "-");
            else
                std::printf("%8d", s.wins[i][j]);
        }
        std::printf("%7d%7d\n", s.draws[i], s.points[i]);
    }
    std::printf("\nRanking:\n");
    int place = 1;
    for (int i : ranking(s))
        std::printf("%2d. %-14s %4d points\n", place++, opponentEntry(i).name, s.points[i]);
    std::printf("\n%d matches reached the time cap; dead balls per 1000 s: %.2f at rest out of reach, %.2f "
                "reported by an opponent\n",
                s.capped, s.gameSeconds > 0 ? s.deadBallsNormal * 1000.0 / s.gameSeconds : 0.0,
                s.gameSeconds > 0 ? s.deadBallsReported * 1000.0 / s.gameSeconds : 0.0);
    std::printf("\n%.0f s of play in %.2f s wall time\n", s.gameSeconds, wallSeconds);
}

void printJson(const Standings& s, std::uint32_t seed, int matches, bool rim)
{
    std::printf("{\"seed\": %u, \"matches\": %d, \"rim\": %s, \"opponents\": [", seed, matches, rim ? "true" : "false");
    for (int i = 0; i < kOpponentTableSize; ++i) std::printf("%s\"%s\"", i ? ", " : "", opponentEntry(i).name);
    std::printf("], \"wins\": [");
    for (int i = 0; i < kOpponentTableSize; ++i) {
        std::printf("%s[", i ? ", " : "");
        for (int j = 0; j < kOpponentTableSize; ++j) std::printf("%s%d", j ? ", " : "", s.wins[i][j]);
        std::printf("]");
    }
    std::printf("], \"draws\": [");
    for (int i = 0; i < kOpponentTableSize; ++i) std::printf("%s%d", i ? ", " : "", s.draws[i]);
    std::printf("], \"points\": [");
    for (int i = 0; i < kOpponentTableSize; ++i) std::printf("%s%d", i ? ", " : "", s.points[i]);
    std::printf("], \"ranking\": [");
    bool first = true;
    for (int i : ranking(s)) {
        std::printf("%s\"%s\"", first ? "" : ", ", opponentEntry(i).name);
        first = false;
    }
    std::printf("], \"gameSeconds\": %.3f}\n", s.gameSeconds);
}

int runTournament(const std::vector<std::string>& args)
{
    std::uint32_t seed = 1;
    std::uint32_t matches = 10;
    bool rim = false;
    bool rimGiven = false;
    bool json = false;
    Difficulty difficulty = Difficulty::Normal;
    int player = -1;
    int only = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--json") {
            json = true;
            continue;
        }
        static const char* const kOptions[] = {"--seed", "--matches", "--rim", "--difficulty", "--player", "--opponent"};
        if (!isOneOf(option, kOptions)) return usageError("unknown option " + option);
        std::string value;
        if (!takeValue(args, i, value)) return usageError("missing value after " + option);
        if (option == "--seed") {
            if (!parseUnsigned(value, seed)) return usageError("bad seed '" + value + "'");
        } else if (option == "--matches") {
            if (!parseUnsigned(value, matches) || matches == 0 || matches > 10000)
                return usageError("--matches takes 1 to 10000");
        } else if (option == "--rim") {
            if (!parseOnOff(value, rim)) return usageError("--rim takes on or off");
            rimGiven = true;
        } else if (option == "--difficulty") {
            if (!parseDifficulty(value.c_str(), difficulty))
                return usageError("--difficulty takes easy, normal or hard");
        } else if (option == "--player") {
            int opponent = 0;
            if (!parseSide("player:" + value, opponent, player)) return usageError("--player takes weak, average or good");
        } else if (option == "--opponent") {
            only = parseOpponent(value);
            if (only < 0) return usageError("no opponent '" + value + "'");
        } else {
            return usageError("unknown option " + option);
        }
    }

    if (player >= 0) {
        PlayerLadderOptions ladder;
        ladder.level = player;
        ladder.only = only;
        ladder.matches = matches;
        ladder.seed = seed;
        if (rimGiven) ladder.rim = rim;
        ladder.difficulty = difficulty;
        ladder.json = json;
        return runPlayerLadder(ladder);
    }
    if (only >= 0) return usageError("--opponent goes with --player");

    auto started = std::chrono::steady_clock::now();
    TerminalProgress progress(static_cast<long>(kOpponentTableSize) * (kOpponentTableSize - 1) * matches, "matches");
    Standings s;
    std::uint32_t matchSeed = seed;
    for (int home = 0; home < kOpponentTableSize; ++home) {
        for (int away = 0; away < kOpponentTableSize; ++away) {
            if (home == away) continue;
            for (std::uint32_t n = 0; n < matches; ++n) {
                HeadlessMatchSettings settings;
                settings.home = home;
                settings.away = away;
                settings.seed = matchSeed++;
                settings.rim = rim;
                settings.difficulty = difficulty;
                HeadlessMatchResult r = playHeadlessMatch(settings);
                progress.step();
                s.gameSeconds += r.gameSeconds;
                s.capped += r.winner < 0;
                s.deadBallsNormal += r.deadBallsNormal;
                s.deadBallsReported += r.deadBallsReported;
                ++s.played[home];
                ++s.played[away];
                if (r.winner < 0) {
                    ++s.draws[home];
                    ++s.draws[away];
                    s.points[home] += kDrawPoints;
                    s.points[away] += kDrawPoints;
                    continue;
                }
                int winner = r.winner == 0 ? home : away;
                int loser = r.winner == 0 ? away : home;
                ++s.wins[winner][loser];
                s.points[winner] += kWinPoints;
            }
        }
    }
    double wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (json)
        printJson(s, seed, static_cast<int>(matches), rim);
    else
        printTable(s, seed, static_cast<int>(matches), rim, difficulty, wallSeconds);
    return 0;
}

} // namespace

PITCHBAR_SIM_COMMAND_WITH_DETAILS("tournament", kTournamentUsage, runTournament, playersAndDifficultiesHelp);

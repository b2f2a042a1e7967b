// pitchbar-sim tournament --player LEVEL: a scripted player at home against every opponent,
// N matches each; one row per opponent with wins, goal share, match length, capped matches
// and the faults the player meets.
#include "PlayerLadder.h"

#include "MatchJson.h"
#include "TerminalProgress.h"

#include "control/Opponent.h"
#include "match/ScriptedPlayer.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Row {
    int wins = 0, losses = 0, capped = 0;
    int goalsFor = 0, goalsAgainst = 0;
    double seconds = 0.0;
    std::vector<double> lengths;
    MatchFaultCounts faults;
    int claimed = 0, reported = 0, normal = 0;
};

double median(std::vector<double> values)
{
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

void add(MatchFaultCounts& total, const MatchFaultCounts& f)
{
    total.freezes += f.freezes;
    total.freezesPlayer += f.freezesPlayer;
    total.ownGoalsKeeper += f.ownGoalsKeeper;
    total.ownGoalsDefence += f.ownGoalsDefence;
    total.ownGoalsOther += f.ownGoalsOther;
    total.ownGoalsRebound += f.ownGoalsRebound;
    total.handOvers += f.handOvers;
    total.flipBacks += f.flipBacks;
    total.clicksDropped += f.clicksDropped;
}

double percent(int part, int whole) { return whole ? 100.0 * part / whole : 0.0; }

void printRows(const PlayerLadderOptions& o, const Row (&rows)[kOpponentTableSize], const Row& all)
{
    std::printf("Ladder: player:%s at home, %u matches per opponent, difficulty %s, seed %u, rim %s, cap %.0f s\n\n",
                scriptedPlayerLevel(o.level).name, o.matches, difficultyName(o.difficulty), o.seed,
                o.rim ? "on" : "off", o.maxSeconds);
    std::printf("%-14s %5s %6s %6s %7s %7s %7s %7s %7s %6s %6s\n", "opponent", "wins", "win%", "goal%",
                "median", "capped", "freeze", "ownGK", "ownDef", "flip/m", "drops");
    auto line = [&](const char* name, const Row& r) {
        std::printf("%-14s %5d %5.0f%% %5.0f%% %6.0fs %7d %7d %7d %7d %6.2f %6d\n", name, r.wins,
                    percent(r.wins, static_cast<int>(r.lengths.size())),
                    percent(r.goalsFor, r.goalsFor + r.goalsAgainst), median(r.lengths), r.capped, r.faults.freezes,
                    r.faults.ownGoalsKeeper, r.faults.ownGoalsDefence,
                    r.seconds > 0 ? r.faults.flipBacks * 60.0 / r.seconds : 0.0, r.faults.clicksDropped);
    };
    for (int i = 0; i < kOpponentTableSize; ++i) line(opponentEntry(i).name, rows[i]);
    line("all", all);
    const int own = all.faults.ownGoalsKeeper + all.faults.ownGoalsDefence;
    std::printf("\nThe player's goals: %d; pushed in by the computer's moving goalkeeper or defence: %d (%.1f %%), "
                "by its other rods: %d; bounced in off a still rod: %d.\n",
                all.goalsFor, own, percent(own, all.goalsFor), all.faults.ownGoalsOther, all.faults.ownGoalsRebound);
    std::printf("Automatic rod choice: %.1f hand-overs and %.2f flip-backs (within 0.5 s) a minute; %d clicks "
                "dropped by a hand-over.\n",
                all.seconds > 0 ? all.faults.handOvers * 60.0 / all.seconds : 0.0,
                all.seconds > 0 ? all.faults.flipBacks * 60.0 / all.seconds : 0.0, all.faults.clicksDropped);
    std::printf("Freezes (ball still under a foot for 1 s or more): %d, %d of them under the player's own "
                "feet. Dead balls per 1000 s: %.2f at rest out "
                "of reach, %.2f reported by the computer, %.2f claimed by the player.\n",
                all.faults.freezes, all.faults.freezesPlayer, all.seconds > 0 ? all.normal * 1000.0 / all.seconds : 0.0,
                all.seconds > 0 ? all.reported * 1000.0 / all.seconds : 0.0,
                all.seconds > 0 ? all.claimed * 1000.0 / all.seconds : 0.0);
    std::printf("%.0f s of play.\n", all.seconds);
}

void printJson(const PlayerLadderOptions& o, const Row (&rows)[kOpponentTableSize])
{
    std::printf("{\"player\": \"%s\", \"matches\": %u, \"difficulty\": \"%s\", \"seed\": %u, \"rim\": %s, \"rows\": [",
                scriptedPlayerLevel(o.level).name, o.matches, difficultyName(o.difficulty), o.seed,
                o.rim ? "true" : "false");
    for (int i = 0; i < kOpponentTableSize; ++i) {
        const Row& r = rows[i];
        std::printf("%s{\"opponent\": \"%s\", \"wins\": %d, \"losses\": %d, \"capped\": %d, \"goalsFor\": %d, "
                    "\"goalsAgainst\": %d, \"medianSeconds\": %.3f, \"seconds\": %.3f, \"freezes\": %d, "
                    "\"freezesPlayer\": %d, \"ownGoalsKeeper\": %d, \"ownGoalsDefence\": %d, \"ownGoalsOther\": %d, \"ownGoalsRebound\": %d, \"handOvers\": %d, "
                    "\"flipBacks\": %d, \"clicksDropped\": %d, \"deadBalls\": {\"normal\": %d, \"reported\": %d, "
                    "\"claimed\": %d}}",
                    i ? ", " : "", opponentEntry(i).name, r.wins, r.losses, r.capped, r.goalsFor, r.goalsAgainst,
                    median(r.lengths), r.seconds, r.faults.freezes, r.faults.freezesPlayer, r.faults.ownGoalsKeeper,
                    r.faults.ownGoalsDefence, r.faults.ownGoalsOther, r.faults.ownGoalsRebound, r.faults.handOvers, r.faults.flipBacks,
                    r.faults.clicksDropped, r.normal, r.reported, r.claimed);
    }
    std::printf("]}\n");
}

} // namespace

int runPlayerLadder(const PlayerLadderOptions& o)
{
    TerminalProgress progress(static_cast<long>(kOpponentTableSize) * o.matches, "matches");
    Row rows[kOpponentTableSize];
    Row all;
    std::uint32_t seed = o.seed;
    for (int opponent = 0; opponent < kOpponentTableSize; ++opponent) {
        if (o.only >= 0 && opponent != o.only) continue;
        for (std::uint32_t n = 0; n < o.matches; ++n) {
            HeadlessMatchSettings settings;
            settings.homePlayer = o.level;
            settings.away = opponent;
            settings.difficulty = o.difficulty;
            // The same seeds for every opponent: the rows differ by the opponent alone.
            settings.seed = seed + n;
            settings.rim = o.rim;
            settings.maxSeconds = o.maxSeconds;
            HeadlessMatchResult r = playHeadlessMatch(settings);
            progress.step();
            for (Row* row : {&rows[opponent], &all}) {
                row->wins += r.winner == 0;
                row->losses += r.winner == 1;
                row->capped += r.winner < 0;
                row->goalsFor += r.score[0];
                row->goalsAgainst += r.score[1];
                row->seconds += r.gameSeconds;
                row->lengths.push_back(r.gameSeconds);
                row->normal += r.deadBallsNormal;
                row->reported += r.deadBallsReported;
                row->claimed += r.deadBallsClaimed;
                add(row->faults, r.faults);
            }
        }
    }
    if (o.json)
        printJson(o, rows);
    else
        printRows(o, rows, all);
    return 0;
}

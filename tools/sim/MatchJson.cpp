#include "MatchJson.h"

#include "control/Opponent.h"
#include "match/ScriptedPlayer.h"

#include <cctype>
#include <cstdio>

namespace {

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

bool parseSide(const std::string& text, int& opponent, int& player)
{
    const std::string prefix = "player:";
    if (text.compare(0, prefix.size(), prefix) == 0) {
        const std::string level = text.substr(prefix.size());
        for (int i = 0; i < kScriptedPlayerLevels; ++i) {
            if (level == scriptedPlayerLevel(i).name) {
                player = i;
                opponent = 0;
                return true;
            }
        }
        return false;
    }
    opponent = parseOpponent(text);
    player = -1;
    return opponent >= 0;
}

std::string sideName(int opponent, int player)
{
    if (player >= 0) return std::string("player:") + scriptedPlayerLevel(player).name;
    return opponentEntry(opponent).name;
}

std::string matchResultJson(const HeadlessMatchSettings& settings, const HeadlessMatchResult& result)
{
    std::string homeName = sideName(settings.home, settings.homePlayer);
    std::string awayName = sideName(settings.away, settings.awayPlayer);
    std::string winner = result.winner == 0 ? homeName : result.winner == 1 ? awayName : "draw";
    std::string out = "{\"home\": \"" + homeName + "\", \"away\": \"" + awayName + "\", \"seed\": " +
                      std::to_string(settings.seed) + ", \"score\": [" + std::to_string(result.score[0]) +
                      ", " + std::to_string(result.score[1]) + "], \"winner\": \"" + winner +
                      "\", \"gameSeconds\": ";
    appendNumber(out, result.gameSeconds);
    out += ", \"subSteps\": " + std::to_string(result.subSteps) +
           ", \"deadBalls\": {\"normal\": " + std::to_string(result.deadBallsNormal) +
           ", \"reported\": " + std::to_string(result.deadBallsReported) +
           (settings.homePlayer >= 0 || settings.awayPlayer >= 0
                ? ", \"claimed\": " + std::to_string(result.deadBallsClaimed)
                : std::string()) +
           "}, \"goalTimes\": [";
    for (std::size_t i = 0; i < result.goalTimes.size(); ++i) {
        if (i) out += ", ";
        appendNumber(out, result.goalTimes[i]);
    }
    out += "]";
    if (settings.difficulty != Difficulty::Normal)
        out += std::string(", \"difficulty\": \"") + difficultyName(settings.difficulty) + "\"";
    if (settings.homePlayer >= 0 || settings.awayPlayer >= 0) {
        const MatchFaultCounts& f = result.faults;
        out += ", \"faults\": {\"freezes\": " + std::to_string(f.freezes) +
               ", \"freezesPlayer\": " + std::to_string(f.freezesPlayer) +
               ", \"ownGoalsKeeper\": " + std::to_string(f.ownGoalsKeeper) +
               ", \"ownGoalsDefence\": " + std::to_string(f.ownGoalsDefence) +
               ", \"ownGoalsOther\": " + std::to_string(f.ownGoalsOther) +
               ", \"ownGoalsRebound\": " + std::to_string(f.ownGoalsRebound) +
               ", \"handOvers\": " + std::to_string(f.handOvers) +
               ", \"flipBacks\": " + std::to_string(f.flipBacks) +
               ", \"clicksDropped\": " + std::to_string(f.clicksDropped) + "}";
    }
    out += ", \"wallMs\": ";
    appendNumber(out, result.wallMs);
    out += "}";
    return out;
}

std::string playersAndDifficultiesHelp()
{
    std::string out =
        "\nScripted players play through the player's own controller with a new profile's settings\n"
        "(assisted, AUTO, sensitivities 8/8, click speed 8). They see the ball one reaction time late,\n"
        "make up the look-ahead share of that delay along the ball's path, line up with the ball's\n"
        "crossing of the rod's line if they predict it, move and turn the held rod no faster than\n"
        "their hands, line up off by a uniform error of the given width, release the click shot late\n"
        "by up to the jitter, and shoot no oncoming ball faster than the volley speed.\n\n"
        "  level    reaction s  look-ahead  crossing  hand u/s  turn rad/s  aim error  jitter s  volley u/s\n";
    char line[160];
    for (int i = 0; i < kScriptedPlayerLevels; ++i) {
        const ScriptedPlayerLevel& l = scriptedPlayerLevel(i);
        std::snprintf(line, sizeof line, "  %-8s %10.2f  %10.2f  %8s  %8.0f  %10.0f  %9.1f  %8.2f  %10.0f\n", l.name,
                      static_cast<double>(l.reactionTime), static_cast<double>(l.lookAhead),
                      l.predictsCrossing ? "yes" : "no", static_cast<double>(l.handSpeed),
                      static_cast<double>(l.turnSpeed), static_cast<double>(l.aimError),
                      static_cast<double>(l.releaseJitter), static_cast<double>(l.volleySpeed));
        out += line;
    }
    out += "\nDifficulty: NORMAL is the designed opponent table. EASY gives opponents 0..7 the reaction,\n"
           "action and block speeds found at 0, 1.0, 1.6, 0.9, 1.9, 2.4, 2.6, 2.9 along the designed\n"
           "ladder with their own turning, moving and strike speeds, a goalkeeper that stands in the\n"
           "middle, and softens BOB (fully), ROBERT (0.6) and DAVID (0.45): 0.3 s more reaction, strikes\n"
           "x0.6, actions x0.7. HARD multiplies reaction times by 0.25 and action, block, turning, moving\n"
           "and strike speeds by 3.5.\n";
    return out;
}

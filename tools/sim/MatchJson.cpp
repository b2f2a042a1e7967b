#include "MatchJson.h"

#include "control/Opponent.h"

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

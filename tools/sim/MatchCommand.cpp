// pitchbar-sim match: one headless match between two computer opponents, as JSON.
#include "Command.h"
#include "MatchJson.h"
#include "SimArguments.h"

#include <cstdio>

namespace {

const char* const kMatchUsage =
    "match --home A --away B [--seed S] [--rim on|off] [--max-seconds T] [--difficulty easy|normal|hard]"
    " (A, B: an opponent or player:weak|average|good)";

int usageError(const std::string& what)
{
    std::fprintf(stderr, "pitchbar-sim match: %s; usage: pitchbar-sim %s\n", what.c_str(), kMatchUsage);
    return 2;
}

int runMatch(const std::vector<std::string>& args)
{
    HeadlessMatchSettings settings;
    bool haveHome = false;
    bool haveAway = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        static const char* const kOptions[] = {"--home", "--away", "--seed", "--rim", "--max-seconds",
                                                  "--difficulty"};
        if (!isOneOf(option, kOptions)) return usageError("unknown option " + option);
        std::string value;
        if (!takeValue(args, i, value)) return usageError("missing value after " + option);
        if (option == "--home" || option == "--away") {
            const bool home = option == "--home";
            if (!parseSide(value, home ? settings.home : settings.away, home ? settings.homePlayer : settings.awayPlayer))
                return usageError("no opponent or player '" + value + "'");
            (home ? haveHome : haveAway) = true;
        } else if (option == "--difficulty") {
            if (!parseDifficulty(value.c_str(), settings.difficulty))
                return usageError("--difficulty takes easy, normal or hard");
        } else if (option == "--seed") {
            if (!parseUnsigned(value, settings.seed)) return usageError("bad seed '" + value + "'");
        } else if (option == "--rim") {
            if (!parseOnOff(value, settings.rim)) return usageError("--rim takes on or off");
        } else if (option == "--max-seconds") {
            std::uint32_t seconds = 0;
            if (!parseUnsigned(value, seconds) || seconds == 0)
                return usageError("bad --max-seconds '" + value + "'");
            settings.maxSeconds = seconds;
        } else {
            return usageError("unknown option " + option);
        }
    }
    if (!haveHome || !haveAway) return usageError("--home and --away are required");
    HeadlessMatchResult result = playHeadlessMatch(settings);
    std::printf("%s\n", matchResultJson(settings, result).c_str());
    return 0;
}

} // namespace

PITCHBAR_SIM_COMMAND_WITH_DETAILS("match", kMatchUsage, runMatch, playersAndDifficultiesHelp);

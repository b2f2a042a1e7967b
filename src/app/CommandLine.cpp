#include "app/CommandLine.h"

#include <cstring>

#ifndef PITCHBAR_VERSION
#define PITCHBAR_VERSION "unknown"
#endif

namespace {
const char* const kUsage =
    "usage: pitchbar [--help | --version]\n"
    "A 3D table-football game: make a profile, then beat eight computer opponents of rising\n"
    "strength on one table, first to 5 goals, or practise alone. The mouse turns and shifts\n"
    "your rods. The game takes no other arguments; see pitchbar(6).\n"
    "\n"
    "  -h, --help     show this text and end\n"
    "  --version      show the version and end\n";
}  // namespace

CommandLineAnswer readCommandLine(int argc, const char* const* argv)
{
    CommandLineAnswer answer;
    if (argc < 2)
        return answer;
    const char* first = argv[1];
    if (argc == 2 && (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0)) {
        answer.action = CommandLineAction::PrintAndEnd;
        answer.text = kUsage;
    } else if (argc == 2 && std::strcmp(first, "--version") == 0) {
        answer.action = CommandLineAction::PrintAndEnd;
        answer.text = std::string("pitchbar ") + PITCHBAR_VERSION + "\n";
    } else {
        // The first argument that is not a lone --help or --version is the one named.
        const char* unknown = first;
        if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0 || std::strcmp(first, "--version") == 0)
            unknown = argv[2];
        answer.action = CommandLineAction::Refuse;
        answer.text = std::string("pitchbar: unknown argument '") + unknown + "'\n" +
                      "usage: pitchbar [--help | --version]\n";
    }
    return answer;
}

// pitchbar-sim <command> [options]: headless runs of the table simulation and controllers.
#include "Command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

std::vector<SimCommand>& simCommands() {
    static std::vector<SimCommand> commands;
    return commands;
}

static bool isHelp(const char* arg) {
    return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
}

// Results that never reached their reader are a failure, whatever the command did: a full
// disk or a closed pipe must not look like a finished run.
static int finishOutput(int code) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "pitchbar-sim: could not write the output: %s\n", std::strerror(errno));
        return code == 0 ? 1 : code;
    }
    return code;
}

static void printUsage(FILE* out) {
    std::fprintf(out, "usage: pitchbar-sim <command> [options]\n       pitchbar-sim --help | --version\n");
    for (const SimCommand& c : simCommands()) std::fprintf(out, "  pitchbar-sim %s\n", c.usage);
}

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage(stderr);
        return 2;
    }
    if (isHelp(argv[1])) {
        printUsage(stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("pitchbar-sim %s\n", PITCHBAR_VERSION);
        return finishOutput(0);
    }
    for (const SimCommand& c : simCommands()) {
        if (std::strcmp(argv[1], c.name) == 0) {
            // Asking for help anywhere among a command's options shows its usage and runs nothing.
            for (int i = 2; i < argc; ++i) {
                if (isHelp(argv[i])) {
                    std::printf("usage: pitchbar-sim %s\n", c.usage);
                    if (c.details) std::printf("%s", c.details().c_str());
                    return finishOutput(0);
                }
            }
            std::vector<std::string> args(argv + 2, argv + argc);
            const int code = c.run(args);
            return finishOutput(code);
        }
    }
    std::fprintf(stderr, "pitchbar-sim: unknown command '%s'\n", argv[1]);
    printUsage(stderr);
    return 2;
}

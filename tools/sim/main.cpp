// pitchbar-sim <command> [options]: headless runs of the table simulation and controllers.
#include "Command.h"

#include <cstdio>
#include <cstring>

std::vector<SimCommand>& simCommands() {
    static std::vector<SimCommand> commands;
    return commands;
}

static void printUsage() {
    std::fprintf(stderr, "usage: pitchbar-sim <command> [options]\n");
    for (const SimCommand& c : simCommands()) std::fprintf(stderr, "  pitchbar-sim %s\n", c.usage);
}

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage();
        return 2;
    }
    for (const SimCommand& c : simCommands()) {
        if (std::strcmp(argv[1], c.name) == 0) {
            std::vector<std::string> args(argv + 2, argv + argc);
            return c.run(args);
        }
    }
    std::fprintf(stderr, "pitchbar-sim: unknown command '%s'\n", argv[1]);
    printUsage();
    return 2;
}

#pragma once
// pitchbar-sim is a set of headless commands (trace, match, tournament, ...). Each command's
// source file registers itself with PITCHBAR_SIM_COMMAND, so adding one never touches a
// shared list. A command returns the process exit code: 0 done, 2 bad arguments (after a
// one-line usage error on stderr), 1 any other failure.
#include <string>
#include <vector>

using SimCommandFunction = int (*)(const std::vector<std::string>& args);

struct SimCommand {
    const char* name;
    const char* usage;  // one line, without the program name, e.g. "trace [--steps N] ..."
    SimCommandFunction run;
};

std::vector<SimCommand>& simCommands();

struct SimCommandRegistration {
    SimCommandRegistration(const char* name, const char* usage, SimCommandFunction run) {
        simCommands().push_back({name, usage, run});
    }
};

#define PITCHBAR_SIM_COMMAND(name, usage, function) \
    static SimCommandRegistration simCommandRegistration_##function(name, usage, function)

#pragma once
// pitchbar-sim is a set of headless commands (trace, match, tournament, ...). Each command's
// source file registers itself with PITCHBAR_SIM_COMMAND, so adding one never touches a
// shared list. A command returns the process exit code: 0 done, 2 bad arguments (after a
// one-line usage error on stderr), 1 any other failure.
#include <string>
#include <vector>

using SimCommandFunction = int (*)(const std::vector<std::string>& args);

// More lines for --help after the usage, or null.
using SimCommandDetails = std::string (*)();

struct SimCommand {
    const char* name;
    const char* usage;  // one line, without the program name, e.g. "trace [--steps N] ..."
    SimCommandFunction run;
    SimCommandDetails details = nullptr;
};

std::vector<SimCommand>& simCommands();

struct SimCommandRegistration {
    SimCommandRegistration(const char* name, const char* usage, SimCommandFunction run,
                           SimCommandDetails details = nullptr) {
        simCommands().push_back({name, usage, run, details});
    }
};

#define PITCHBAR_SIM_COMMAND(name, usage, function) \
    static SimCommandRegistration simCommandRegistration_##function(name, usage, function)
#define PITCHBAR_SIM_COMMAND_WITH_DETAILS(name, usage, function, details) \
    static SimCommandRegistration simCommandRegistration_##function(name, usage, function, details)

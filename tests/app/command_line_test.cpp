// The game's command line: nothing plays, --help and --version answer and end, anything
// else is refused by name before a window could open.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

CommandLineAnswer read(std::initializer_list<const char*> args)
{
    std::vector<const char*> argv{"pitchbar"};
    argv.insert(argv.end(), args.begin(), args.end());
    return readCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, HelpAndVersionAnswerUnknownArgumentsAreRefused)
{
    EXPECT_EQ(CommandLineAction::Play, read({}).action);

    for (const char* help : {"--help", "-h"}) {
        CommandLineAnswer a = read({help});
        EXPECT_EQ(CommandLineAction::PrintAndEnd, a.action);
        EXPECT_EQ(0u, a.text.find("usage: pitchbar"));
    }
    CommandLineAnswer version = read({"--version"});
    EXPECT_EQ(CommandLineAction::PrintAndEnd, version.action);
    EXPECT_EQ("pitchbar 1.0\n", version.text);

    for (auto args : {std::vector<const char*>{"--fullscreen"}, {"save.dat"}, {"--help", "--oops"}}) {
        std::vector<const char*> argv{"pitchbar"};
        argv.insert(argv.end(), args.begin(), args.end());
        CommandLineAnswer a = readCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(CommandLineAction::Refuse, a.action);
        EXPECT_NE(std::string::npos, a.text.find(std::string("'") + args.back() + "'")) << a.text;
    }
}

}  // namespace

#pragma once
// What the game makes of its command line. It plays when given nothing; it answers --help
// and --version without starting anything; anything else is named as unknown and nothing
// starts, so a typing mistake never opens a full-screen game.
#include <string>

enum class CommandLineAction {
    Play,         // no arguments: the game
    PrintAndEnd,  // --help or --version: the text to standard output, exit 0
    Refuse,       // an unknown argument: the text to standard error, exit 2
};

struct CommandLineAnswer {
    CommandLineAction action = CommandLineAction::Play;
    std::string text;  // with its line end; empty for Play
};

CommandLineAnswer readCommandLine(int argc, const char* const* argv);

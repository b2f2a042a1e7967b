#pragma once
// The eight computer opponents, weakest first. The index into the table is the opponent
// index that profiles and the match screen use.
#include "control/OpponentParameters.h"

#include <memory>
#include <string>
#include <vector>

class FoosballAI;

constexpr int kOpponentTableSize = 8;

class Opponent {
public:
    std::string name;         // shown in capitals
    std::string description;  // lines separated by '\n'
    FoosballAI* ai = nullptr; // owned

    Opponent(std::string name_, std::string description_, const OpponentParameters& parameters);
    ~Opponent();
    Opponent(const Opponent&) = delete;
    Opponent& operator=(const Opponent&) = delete;
};

struct OpponentEntry {
    const char* name;
    const char* description;
    OpponentParameters parameters;
};

// The table's rows, in order of rising strength.
const OpponentEntry& opponentEntry(int index);

// The eight opponents, each with its own controller, in the table's order.
std::vector<std::unique_ptr<Opponent>> createOpponents();

// Index of the opponent called name (exact), or -1.
int findOpponent(const std::string& name);

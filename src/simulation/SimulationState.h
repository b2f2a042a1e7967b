#pragma once
// Where the table is in its goal sequence. Stored as a 32-bit integer in the simulation.
#include <cstdint>

enum SimulationState : std::int32_t {
    InPlay = 0,     // the ball rolls, walls, figures and rim act on it
    InGoal = 1,     // the ball is beyond a goal line and sinks into the goal box
    AfterGoal = 2,  // the goal is counted; waiting for the kick-off
    MatchOver = 3   // a side has five goals; nothing moves any more
};

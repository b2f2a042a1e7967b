#pragma once
// Shared set-up of the control tests: a table and a filled-in input snapshot.
#include "input/InputSystem.h"
#include "simulation/Simulation.h"
#include "simulation/RecordingTableSounds.h"

#include <vector>

// The snapshot's destructor belongs to the game library (it releases the platform devices),
// which these tests do not link; a snapshot made with new and never deleted needs only the
// header. Each stays reachable to the end of the run, so the leak checker passes over it.
inline InputSystem& makeInputSnapshot()
{
    static auto* made = new std::vector<InputSystem*>;  // never destroyed: still reachable at exit
    made->push_back(new InputSystem);
    return *made->back();
}

inline void pressKey(InputSystem& input, uint8_t key, bool down)
{
    input.keys[key] = down ? Key::DownBit : 0;
}

inline void pressButton(InputSystem& input, int button, bool down)
{
    input.mouseState.buttons[button] = down ? Key::DownBit : 0;
}

// Puts the ball at a table position with a table velocity.
inline void placeBallForTest(Simulation& sim, float x, float z, float vx = 0.0f, float vz = 0.0f)
{
    sim.ballPosition = Vector3(x, 1.8f, z);
    sim.ballVelocity = Vector3(vx, 0.0f, vz);
}

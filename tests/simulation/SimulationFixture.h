#pragma once
// A table with a recording sound player and one counting listener, the ball put where a
// case needs it.
#include <gtest/gtest.h>

#include "simulation/RecordingTableSounds.h"
#include "simulation/Simulation.h"

class SimulationFixture : public ::testing::Test {
protected:
    SimulationFixture() {
        sim.tableSounds = &sounds;
        sim.addSimulationListener(&listener);
    }

    // The ball at (x, 1.8, z) moving with (vx, 0, vz), not at rest; listener flag cleared.
    void launch(float x, float z, float vx, float vz, float spin = 0.0f) {
        sim.placeBall(x, z);
        sim.ballVelocity = {vx, 0.0f, vz};
        sim.spinRate = spin;
        sim.ballAtRest = false;
        sim.previousSpeed = length(sim.ballVelocity);
        listener.changed = false;
        notificationsBefore = sim.notificationCount;
        sounds.sounds.clear();
    }

    // Rods out of the way: all figures swung up so that no foot reaches the ball.
    void liftAllRods() {
        for (Team& team : sim.teams)
            for (Rod& rod : team.rods) rod.angle = rod.previousAngle = 1.5707964f;
    }

    void run(int steps, float dt = 0.001f) {
        for (int i = 0; i < steps; ++i) sim.step(dt);
    }

    std::uint64_t notifications() const { return sim.notificationCount - notificationsBefore; }

    Simulation sim;
    RecordingTableSounds sounds;
    SimulationListener listener;
    std::uint64_t notificationsBefore = 0;
};

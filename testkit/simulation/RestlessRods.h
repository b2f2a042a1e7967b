#pragma once
// Drives every rod of a table like a restless controller: every 150 steps each rod gets a
// new random turning and shifting speed, and between those it swings and slides, bouncing
// off its end stops. The soak test and the step benchmark share it so that both put the
// table through the same kind of play.
#include <cmath>

#include "core/GameRandom.h"
#include "simulation/Simulation.h"
#include "simulation/TableGeometry.h"

inline float restlessRandomIn(float lo, float hi) {
    return lo + (hi - lo) * static_cast<float>(gameRandom()) / static_cast<float>(kGameRandomMax);
}

inline void moveRodsRestlessly(Simulation& sim, long step, float dt) {
    if (step % 150 == 0) {
        for (Team& team : sim.teams)
            for (Rod& rod : team.rods) {
                rod.angularVelocity = restlessRandomIn(-60.0f, 60.0f);
                rod.shiftVelocity = restlessRandomIn(-80.0f, 80.0f);
            }
    }
    for (Team& team : sim.teams)
        for (Rod& rod : team.rods) {
            rod.angle += rod.angularVelocity * dt;
            if (rod.angle > 3.1415927f) rod.angle -= 6.2831853f;
            if (rod.angle < -3.1415927f) rod.angle += 6.2831853f;
            const float range = kTableWidth / 2.0f - rod.endMargin;
            rod.shift += rod.shiftVelocity * dt;
            if (std::fabs(rod.shift) > range) {
                rod.shift = std::copysign(range, rod.shift);
                rod.shiftVelocity = -rod.shiftVelocity;
            }
        }
}

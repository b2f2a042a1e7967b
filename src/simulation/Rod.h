#pragma once
// One rod with its figures, in its own team's frame (own end wall at 0). Controllers write
// angle, shift and the two velocities; the figure contacts read them.
#include <cstdint>

struct Rod {
    float position = 0.0f;         // x of the rod axis from its own end wall
    std::int32_t firstFigure = 0;  // index of the first figure in the team's figureOffsets
    std::int32_t figureCount = 0;
    float endMargin = 0.0f;        // shift is held within +-(33.2 - endMargin)
    float angle = 0.0f;            // 0 = figures hanging down; positive swings the feet forward
    float shift = 0.0f;            // sideways displacement, 0 = centred
    float angularVelocity = 0.0f;  // rad/s
    float shiftVelocity = 0.0f;    // units/s
    float previousAngle = 0.0f;    // angle at the end of the previous step
    float peakAngularSpeed = 0.0f; // largest |angularVelocity| seen by the player's control
    float peakShiftSpeed = 0.0f;   // largest |shiftVelocity| seen by the player's control
    float previousShift = 0.0f;    // shift at the end of the previous step: a trapped ball
                                   // moves with the rod's real sideways travel
};

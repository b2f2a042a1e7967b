#pragma once
// What one frame of the table shows that moves: the ball where it is drawn (its height
// already the drawn one, sinking into a goal or hidden) and how it is turned, and every
// rod's angle and shift. The displayer places the table from it; the replay keeps a few
// seconds of them and shows them again. Under 100 bytes.
#include "core/math/Quaternion.h"
#include "core/math/Vector3.h"

constexpr int kDrawnRods = 8;  // team 0's four rods, then team 1's

struct DrawnFrame {
    // Seconds of play of the match when the frame was drawn.
    double time = 0.0;
    // In the table's own frame (x along the table from team 0's goal line, z across).
    Vector3 ballPosition;
    Quaternion ballOrientation;
    float rodAngle[kDrawnRods] = {};
    float rodShift[kDrawnRods] = {};
};

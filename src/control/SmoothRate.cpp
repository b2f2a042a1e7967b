#include "control/SmoothRate.h"

#include <algorithm>

float smoothRate(float previous, float delta, float dt, float limit)
{
    constexpr float kWindow = 0.02f;
    float t = std::max(dt, 0.00001f);
    float rate = delta / t;
    if (t < kWindow) rate = (previous * (kWindow - t) + rate * t) / kWindow;
    return std::clamp(rate, -limit, limit);
}

#pragma once
// A frame of the match is run in steps of at most 1 ms: whole milliseconds, then what is
// left of the frame (the float remainder of taking 1 ms off again and again).

constexpr float kMaxSubStep = 0.001f;

// Calls step(seconds) for every sub-step of a frame of dt seconds.
template <typename Step>
void forEachSubStep(float dt, Step&& step)
{
    float remaining = dt;
    while (remaining > 0.0f) {
        const float s = remaining < kMaxSubStep ? remaining : kMaxSubStep;
        remaining -= kMaxSubStep;
        step(s);
    }
}

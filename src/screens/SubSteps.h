#pragma once
// A frame of the match is run in steps of at most 1 ms. Each step gets its share of the
// frame's mouse movement, in proportion to its length, so a slow frame and a fast one
// move the rods by the same amount for the same hand movement.

constexpr float kMaxSubStep = 0.001f;

// Calls step(seconds, moveX, moveY) for every sub-step of a frame of dt seconds whose
// mouse movement was (mouseX, mouseY).
template <typename Step>
void forEachSubStep(float dt, float mouseX, float mouseY, Step&& step)
{
    float remaining = dt;
    while (remaining > 0.0f) {
        const float s = remaining < kMaxSubStep ? remaining : kMaxSubStep;
        remaining -= kMaxSubStep;
        step(s, s / dt * mouseX, s / dt * mouseY);
    }
}

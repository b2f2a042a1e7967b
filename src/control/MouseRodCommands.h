#pragma once
// The mouse player's hands: each frame's mouse movement is handed out to the frame's
// sub-steps in proportion to their length, so a slow frame and a fast one move the rods
// by the same amount for the same hand movement. The buttons and keys are the frame's own.
#include "control/RodCommand.h"

class InputSystem;

class MouseRodCommands : public RodCommandSource {
public:
    // The input snapshot of the game; null gives empty commands.
    const InputSystem* input = nullptr;

    void beginFrame(float dt) override;
    RodCommand next(float s) override;

private:
    float frameSeconds_ = 0.0f;
    float moveX_ = 0.0f;
    float moveY_ = 0.0f;
    RodCommand held_;  // the buttons and keys of this frame
};

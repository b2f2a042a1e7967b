#pragma once
// The mouse player's hands: each frame's mouse movement is handed out to the frame's
// sub-steps in proportion to their length, so a slow frame and a fast one move the rods
// by the same amount for the same hand movement. The buttons and keys are the frame's own.
#include "control/RodCommand.h"

class InputSystem;

// How the mouse's two directions reach the rods, so that the hand moved towards a part of
// the screen moves the rods that way: across the table (the table's long side faces the
// player: sideways turns, forward and back shifts, as the game has always played) or along
// it (a view from behind the own goal: forward and back turns, sideways shifts).
enum class MouseAxes { AcrossTable, AlongTable };

class MouseRodCommands : public RodCommandSource {
public:
    // The input snapshot of the game; null gives empty commands.
    const InputSystem* input = nullptr;
    MouseAxes axes = MouseAxes::AcrossTable;

    void beginFrame(float dt) override;
    RodCommand next(float s) override;

private:
    float frameSeconds_ = 0.0f;
    float moveX_ = 0.0f;
    float moveY_ = 0.0f;
    RodCommand held_;  // the buttons and keys of this frame
};

#pragma once
// What the hands on one side of the table ask of its rods for one sub-step: the same for a
// mouse, a pad, the keyboard or a script. The side's controller decides which rods the
// command moves (the rod choice, the assistance) and how.
#include <cstdint>

// rodChoice when no rod choice key is down.
constexpr std::int32_t kNoRodChoice = -100;

struct RodCommand {
    // Sideways hand movement in this sub-step, in mouse counts: turns the held rods.
    float turn = 0.0f;
    // Forward and back hand movement in this sub-step, in mouse counts: shifts the held rods.
    float shift = 0.0f;
    // The shot button is down: the rod winds back while it is held and strikes on release.
    bool shoot = false;
    // The trap button is down: the figures tilt forward over the ball.
    bool tilt = false;
    // The assistance key is down; the controller switches assistance when it goes down.
    bool assistKey = false;
    // The rod choice key that is down: a rod 0..3, or one of the selection modes
    // (kSelectionAuto, kSelectionAll, kSelectionBack); kNoRodChoice for none.
    std::int32_t rodChoice = kNoRodChoice;
};

// Whoever gives one side its rod commands: the mouse player, and later a pad or a script.
class RodCommandSource {
public:
    virtual ~RodCommandSource() = default;
    // A frame of dt seconds begins; the commands of its sub-steps follow.
    virtual void beginFrame(float dt) = 0;
    // The command of the frame's next sub-step, s seconds long.
    virtual RodCommand next(float s) = 0;
};

#pragma once
// A gamepad as the game sees it, one snapshot per frame: two sticks, two triggers and the
// buttons of the common pad layout, whatever the make. The platform layer maps each pad
// onto this layout; the rod controls and the screens read it without knowing the platform.
#include <cstdint>
#include <string>

// The analogue inputs: sticks from -1 (left, up) to 1 (right, down), triggers 0 to 1.
enum PadAxis : int {
    kPadLeftX = 0,
    kPadLeftY,
    kPadRightX,
    kPadRightY,
    kPadTriggerLeft,
    kPadTriggerRight,
    kPadAxisCount
};

// The buttons, one bit each in PadState::buttons.
enum PadButton : int {
    kPadA = 0,
    kPadB,
    kPadX,
    kPadY,
    kPadBack,
    kPadGuide,
    kPadStart,
    kPadLeftStick,
    kPadRightStick,
    kPadLeftShoulder,
    kPadRightShoulder,
    kPadDpadUp,
    kPadDpadDown,
    kPadDpadLeft,
    kPadDpadRight,
    kPadButtonCount
};

// No pad: a pad id that never belongs to a connected pad.
constexpr std::int32_t kNoPad = -1;

struct PadState {
    // Stays the same while the pad is connected; a pad plugged in again gets a new one.
    std::int32_t id = kNoPad;
    std::string name;
    float axes[kPadAxisCount] = {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    // Down in this frame, or pressed and let go since the last frame (a tap between two
    // frames still counts once).
    std::uint32_t buttons = 0;

    bool isDown(int button) const { return (buttons >> button) & 1u; }
};

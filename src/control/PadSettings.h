#pragma once
// How a pad's sticks drive the rods. Kept in the game's settings file ("pad.*").
#include <cstdint>

// A stick either sets the speed of the rod (rate) or stands for the hand's position, its
// movement moving the rod as the mouse's movement does (position).
enum class StickControl : std::int32_t { Rate = 0, Position = 1 };

struct PadSettings {
    // Stick travel, as a fraction of the whole, that counts as the stick at rest.
    float deadZone = 0.2f;
    // 1..15 as the mouse's sensitivities: 8 is the pad's own pace, 15 nearly twice it.
    std::int32_t sensitivity = 8;
    bool invertTurn = false;
    bool invertShift = false;
    StickControl turnControl = StickControl::Position;
    StickControl shiftControl = StickControl::Rate;
};

// The pace of a stick at full travel, at sensitivity 8.
constexpr float kPadTurnRate = 25.0f;       // rad/s, rate control
constexpr float kPadTurnRange = 1.6f;       // rad from rest to either end, position control
constexpr float kPadShiftRate = 80.0f;      // table units/s, rate control
constexpr float kPadShiftRange = 30.0f;     // table units from rest to either end, position control

// A stick's travel -1..1 with the dead zone taken out: 0 inside it, and from its edge the
// rest of the travel spread over 0..1 again, so the stick reaches full pace at its end.
float stickTravel(float raw, float deadZone);

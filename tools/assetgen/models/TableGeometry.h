#pragma once
// Sizes of the table in the display frame (the field's centre is the origin, y up, x along
// the table towards team 1's goal, z across). The field, the ball and the figures are the
// simulation's own sizes, read from it: the ball centre is held within x ±58.7 and z ±33.2,
// so the wall faces stand one ball radius further out, and the models must agree with that
// or the ball would roll through them. The cabinet around the field is the models' own.
#include "simulation/TableGeometry.h"

namespace table {

using ::kBallRadius;
using ::kFootRadius;
using ::kRodAxisHeight;
constexpr float kHalfLength = kTableLength / 2.0f;   // 58.7: ball-centre bound along x
constexpr float kHalfWidth = kTableWidth / 2.0f;     // 33.2: ball-centre bound across
constexpr float kWallX = kHalfLength + kBallRadius;  // 60.5: inner face of the end walls
constexpr float kWallZ = kHalfWidth + kBallRadius;   // 35.0: inner face of the side walls
constexpr float kGoalHalfWidth = kGoalWidth / 2.0f;  // goal mouths are centred
constexpr float kFootDistance = kFootArm;            // foot centre below the rod axis

// The cabinet around the field.
constexpr float kWallHeight = 10.0f;
constexpr float kWallThickness = 5.0f;
constexpr float kGoalMouthHeight = 7.0f;
constexpr float kGoalBoxDepth = 16.0f;   // how far the goal box reaches behind the end wall
constexpr float kGoalBoxFloor = -56.0f;  // below the height where a scored ball is parked
constexpr float kRailChamfer = 0.6f;     // the bevel along the rails' inner and outer edges
constexpr float kCabinetBottom = -18.0f; // underside of the cabinet's walls
constexpr float kFloorY = -62.0f;        // the room's floor, under the legs

// The sloped border, in the folded quarter frame measured from the wall lines of the
// nearest corner: first coordinate along the table, second across.
constexpr float kRimHeight = 1.4f;
constexpr float kRimK1Across = 18.0f;
constexpr float kRimK2Along = 21.0f;
constexpr float kRimK2Across = 4.0f;
constexpr float kRimStripWidth = 4.0f;

}  // namespace table

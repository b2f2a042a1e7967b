#pragma once
// Fixed dimensions of the table, its figures and the ball, in table units.
constexpr float kTableLength = 117.4f;
constexpr float kTableWidth = 66.4f;
constexpr float kBallRadius = 1.8f;
constexpr float kGoalWidth = 24.0f;
constexpr float kFootRadius = 1.5f;
constexpr float kFootArm = 5.0f;        // from the rod axis to the foot centre
constexpr float kRodAxisHeight = 6.8f;
constexpr float kMaxBallSpeed = 800.0f;

#include "display/TableViews.h"

#include "display/TableCamera.h"
#include "render/Camera.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kHalfPi = 1.5707963f;

// The low side view: eye height and distance in front of the player's long side, how far
// down it looks, how far along the table it may follow the ball, and how quickly.
constexpr float kLowSideY = 54.0f;
constexpr float kLowSideZ = -80.0f;
constexpr float kLowSidePitch = 0.52f;
constexpr float kLowSideFollowLimit = 34.0f;
constexpr float kLowSideFollowSeconds = 0.45f;  // time constant of the glide

// Behind the own goal: far enough back to see all eight rods.
constexpr float kBehindGoalX = -112.0f;
constexpr float kBehindGoalY = 84.0f;
constexpr float kBehindGoalPitch = 0.68f;

// The replay: just beyond the goal's end of the table, a little above the cabinet.
constexpr float kReplayX = 72.0f;
constexpr float kReplayY = 30.0f;
constexpr float kReplayPitch = 0.62f;

void aim(Camera& camera, float x, float y, float z, float yaw, float pitch)
{
    camera.x = x;
    camera.y = y;
    camera.z = z;
    camera.orientation = quaternionNormalize(quaternionRotationYawPitchRoll(yaw, pitch, 0.0f));
    camera.computeView();
}
} // namespace

MouseAxes mouseAxesOf(TableView view)
{
    return view == TableView::BehindOwnGoal ? MouseAxes::AlongTable : MouseAxes::AcrossTable;
}

TableView nextTableView(TableView view)
{
    return static_cast<TableView>((static_cast<int>(view) + 1) % kTableViewCount);
}

void TableViewCamera::place(Camera& camera, float ballX, float dt, bool jump)
{
    switch (view) {
    case TableView::Designed:
        setTableCamera(camera);
        return;
    case TableView::LowSide: {
        const float target = std::clamp(ballX, -kLowSideFollowLimit, kLowSideFollowLimit);
        if (jump || dt <= 0.0f)
            followX = jump ? target : followX;
        else
            followX += (target - followX) * (1.0f - std::exp(-dt / kLowSideFollowSeconds));
        aim(camera, followX, kLowSideY, kLowSideZ, 0.0f, kLowSidePitch);
        return;
    }
    case TableView::BehindOwnGoal:
        aim(camera, kBehindGoalX, kBehindGoalY, 0.0f, kHalfPi, kBehindGoalPitch);
        return;
    }
}

void placeReplayCamera(Camera& camera, bool goalAtPositiveX)
{
    const float side = goalAtPositiveX ? 1.0f : -1.0f;
    aim(camera, side * kReplayX, kReplayY, 0.0f, -side * kHalfPi, kReplayPitch);
}

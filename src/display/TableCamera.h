#pragma once
// The one fixed camera the table is seen through: above the player's long side of the
// table, looking down across it with team 0's goal on the left.
class Camera;

constexpr float kTableCameraX = 0.0f;
constexpr float kTableCameraY = 114.0f;
constexpr float kTableCameraZ = -32.0f;
constexpr float kTableCameraPitch = 1.28f;

void setTableCamera(Camera& camera);
// Whether the camera stands exactly where setTableCamera puts it: the view in which the
// table's still parts never change on screen.
bool isTableCamera(const Camera& camera);

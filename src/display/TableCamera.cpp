#include "display/TableCamera.h"

#include "render/Camera.h"

void setTableCamera(Camera& camera) {
    camera.x = kTableCameraX;
    camera.y = kTableCameraY;
    camera.z = kTableCameraZ;
    Quaternion tilt = quaternionRotationYawPitchRoll(0.0f, kTableCameraPitch, 0.0f);
    camera.orientation = quaternionNormalize(quaternionMultiply(quaternionIdentity(), tilt));
    camera.computeView();
}

bool isTableCamera(const Camera& camera) {
    Camera designed;
    setTableCamera(designed);
    const Quaternion& a = camera.orientation;
    const Quaternion& b = designed.orientation;
    return camera.x == designed.x && camera.y == designed.y && camera.z == designed.z &&
           a.x == b.x && a.y == b.y && a.z == b.z && a.w == b.w;
}

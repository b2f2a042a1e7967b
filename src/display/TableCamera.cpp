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

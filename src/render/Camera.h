#pragma once
// The scene camera: an orientation and a position; the view matrix follows from them.
#include "core/math/Matrix4.h"
#include "core/math/Quaternion.h"

class Camera {
public:
    Quaternion orientation{0.0f, 0.0f, 0.0f, 1.0f};
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    Matrix4 view;

    // view = translation by -position, then the inverse of the orientation.
    const Matrix4& computeView() {
        view = matrixTranslation(-x, -y, -z) *
               matrixRotationQuaternion(quaternionInverse(orientation));
        return view;
    }
};

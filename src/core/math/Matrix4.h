#pragma once
// 4x4 float matrices in the row-vector, left-handed convention: a point p becomes p * M,
// and "A then B" is A * B. m[3][0..2] holds the translation. Perspective matrices map
// depth to 0..1; the GL layer remaps to its own clip range in one place.
#include "core/math/Quaternion.h"
#include "core/math/Vector3.h"

#include <cmath>

struct Matrix4 {
    float m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};

inline Matrix4 matrixIdentity() { return Matrix4{}; }

inline Matrix4 matrixMultiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j] +
                        a.m[i][3] * b.m[3][j];
    return r;
}
inline Matrix4 operator*(const Matrix4& a, const Matrix4& b) { return matrixMultiply(a, b); }

inline Matrix4 matrixTranslation(float x, float y, float z) {
    Matrix4 r;
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

inline Matrix4 matrixScaling(float x, float y, float z) {
    Matrix4 r;
    r.m[0][0] = x;
    r.m[1][1] = y;
    r.m[2][2] = z;
    return r;
}

// Rotations by angle radians, clockwise when looking along the axis towards the origin.
inline Matrix4 matrixRotationX(float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    Matrix4 r;
    r.m[1][1] = c; r.m[1][2] = s;
    r.m[2][1] = -s; r.m[2][2] = c;
    return r;
}
inline Matrix4 matrixRotationY(float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    Matrix4 r;
    r.m[0][0] = c; r.m[0][2] = -s;
    r.m[2][0] = s; r.m[2][2] = c;
    return r;
}
inline Matrix4 matrixRotationZ(float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    Matrix4 r;
    r.m[0][0] = c; r.m[0][1] = s;
    r.m[1][0] = -s; r.m[1][1] = c;
    return r;
}

inline Matrix4 matrixRotationQuaternion(const Quaternion& q) {
    Matrix4 r;
    r.m[0][0] = 1.0f - 2.0f * (q.y * q.y + q.z * q.z);
    r.m[0][1] = 2.0f * (q.x * q.y + q.z * q.w);
    r.m[0][2] = 2.0f * (q.x * q.z - q.y * q.w);
    r.m[1][0] = 2.0f * (q.x * q.y - q.z * q.w);
    r.m[1][1] = 1.0f - 2.0f * (q.x * q.x + q.z * q.z);
    r.m[1][2] = 2.0f * (q.y * q.z + q.x * q.w);
    r.m[2][0] = 2.0f * (q.x * q.z + q.y * q.w);
    r.m[2][1] = 2.0f * (q.y * q.z - q.x * q.w);
    r.m[2][2] = 1.0f - 2.0f * (q.x * q.x + q.y * q.y);
    return r;
}

// Vertical field of view fovY radians, aspect = width / height, depth 0 at zn and 1 at zf.
inline Matrix4 matrixPerspectiveFovLH(float fovY, float aspect, float zn, float zf) {
    const float yScale = 1.0f / std::tan(fovY * 0.5f);
    const float xScale = yScale / aspect;
    Matrix4 r;
    r.m[0][0] = xScale;
    r.m[1][1] = yScale;
    r.m[2][2] = zf / (zf - zn);
    r.m[2][3] = 1.0f;
    r.m[3][2] = -zn * zf / (zf - zn);
    r.m[3][3] = 0.0f;
    return r;
}

inline Matrix4 matrixLookAtLH(const Vector3& eye, const Vector3& at, const Vector3& up) {
    const Vector3 zAxis = normalize(at - eye);
    const Vector3 xAxis = normalize(cross(up, zAxis));
    const Vector3 yAxis = cross(zAxis, xAxis);
    Matrix4 r;
    r.m[0][0] = xAxis.x; r.m[0][1] = yAxis.x; r.m[0][2] = zAxis.x;
    r.m[1][0] = xAxis.y; r.m[1][1] = yAxis.y; r.m[1][2] = zAxis.y;
    r.m[2][0] = xAxis.z; r.m[2][1] = yAxis.z; r.m[2][2] = zAxis.z;
    r.m[3][0] = -dot(xAxis, eye);
    r.m[3][1] = -dot(yAxis, eye);
    r.m[3][2] = -dot(zAxis, eye);
    return r;
}

// p * M with w = 1, divided by the resulting w when it is not 1.
inline Vector3 transformCoord(const Vector3& p, const Matrix4& a) {
    const float x = p.x * a.m[0][0] + p.y * a.m[1][0] + p.z * a.m[2][0] + a.m[3][0];
    const float y = p.x * a.m[0][1] + p.y * a.m[1][1] + p.z * a.m[2][1] + a.m[3][1];
    const float z = p.x * a.m[0][2] + p.y * a.m[1][2] + p.z * a.m[2][2] + a.m[3][2];
    const float w = p.x * a.m[0][3] + p.y * a.m[1][3] + p.z * a.m[2][3] + a.m[3][3];
    if (w != 0.0f && w != 1.0f) return Vector3{x / w, y / w, z / w};
    return Vector3{x, y, z};
}

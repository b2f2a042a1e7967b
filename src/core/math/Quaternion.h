#pragma once
// Unit quaternions for orientations (camera, rods, ball). Conventions follow the row-vector
// matrices of Matrix4.h: quaternionMultiply(a, b) is "rotate by a, then by b".
#include <cmath>

struct Quaternion {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;
};

inline Quaternion quaternionIdentity() { return Quaternion{0.0f, 0.0f, 0.0f, 1.0f}; }

// Roll about z first, then pitch about x, then yaw about y.
inline Quaternion quaternionRotationYawPitchRoll(float yaw, float pitch, float roll) {
    const float cy = std::cos(yaw * 0.5f), sy = std::sin(yaw * 0.5f);
    const float cp = std::cos(pitch * 0.5f), sp = std::sin(pitch * 0.5f);
    const float cr = std::cos(roll * 0.5f), sr = std::sin(roll * 0.5f);
    Quaternion q;
    q.x = cy * sp * cr + sy * cp * sr;
    q.y = sy * cp * cr - cy * sp * sr;
    q.z = cy * cp * sr - sy * sp * cr;
    q.w = cy * cp * cr + sy * sp * sr;
    return q;
}

// Rotation by angle radians about a unit axis (left-handed: clockwise looking down the axis).
inline Quaternion quaternionRotationAxis(float ax, float ay, float az, float angle) {
    const float s = std::sin(angle * 0.5f);
    return Quaternion{ax * s, ay * s, az * s, std::cos(angle * 0.5f)};
}

// The rotation a followed by b (the Hamilton product b * a).
inline Quaternion quaternionMultiply(const Quaternion& a, const Quaternion& b) {
    Quaternion r;
    r.w = b.w * a.w - b.x * a.x - b.y * a.y - b.z * a.z;
    r.x = b.w * a.x + b.x * a.w + b.y * a.z - b.z * a.y;
    r.y = b.w * a.y - b.x * a.z + b.y * a.w + b.z * a.x;
    r.z = b.w * a.z + b.x * a.y - b.y * a.x + b.z * a.w;
    return r;
}

inline float quaternionLengthSquared(const Quaternion& q) {
    return q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w;
}

// Conjugate divided by the squared length; a zero quaternion stays zero.
inline Quaternion quaternionInverse(const Quaternion& q) {
    const float n = quaternionLengthSquared(q);
    if (n == 0.0f) return Quaternion{0.0f, 0.0f, 0.0f, 0.0f};
    return Quaternion{-q.x / n, -q.y / n, -q.z / n, q.w / n};
}

// A zero quaternion stays zero rather than becoming NaN.
inline Quaternion quaternionNormalize(const Quaternion& q) {
    const float n = std::sqrt(quaternionLengthSquared(q));
    if (n == 0.0f) return Quaternion{0.0f, 0.0f, 0.0f, 0.0f};
    return Quaternion{q.x / n, q.y / n, q.z / n, q.w / n};
}

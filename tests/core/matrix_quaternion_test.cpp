// Matrix and quaternion helpers pinned to values worked out by hand for the row-vector,
// left-handed convention (p * M, A then B = A * B).
#include "core/math/Matrix4.h"
#include "core/math/Quaternion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr float kEps = 1e-5f;
const float kHalfPi = 1.5707963f;

void expectPoint(const Vector3& p, float x, float y, float z) {
    EXPECT_NEAR(p.x, x, kEps);
    EXPECT_NEAR(p.y, y, kEps);
    EXPECT_NEAR(p.z, z, kEps);
}
}  // namespace

TEST(MatrixTest, RotationsTurnAxesTheLeftHandedWay) {
    // A quarter turn about y takes +x to -z and +z to +x (clockwise seen from above).
    expectPoint(transformCoord({1, 0, 0}, matrixRotationY(kHalfPi)), 0, 0, -1);
    expectPoint(transformCoord({0, 0, 1}, matrixRotationY(kHalfPi)), 1, 0, 0);
    // About x: +y to +z. About z: +x to +y.
    expectPoint(transformCoord({0, 1, 0}, matrixRotationX(kHalfPi)), 0, 0, 1);
    expectPoint(transformCoord({1, 0, 0}, matrixRotationZ(kHalfPi)), 0, 1, 0);
}

TEST(MatrixTest, ProductAppliesLeftOperandFirst) {
    // Rotate (1,0,0) about z to (0,1,0), then move by (10,0,0): (10,1,0).
    const Matrix4 m = matrixRotationZ(kHalfPi) * matrixTranslation(10, 0, 0);
    expectPoint(transformCoord({1, 0, 0}, m), 10, 1, 0);
    // The other order moves first: (11,0,0) turned to (0,11,0).
    const Matrix4 n = matrixTranslation(10, 0, 0) * matrixRotationZ(kHalfPi);
    expectPoint(transformCoord({1, 0, 0}, n), 0, 11, 0);
}

TEST(MatrixTest, PerspectiveMapsNearAndFarToZeroAndOne) {
    const Matrix4 p = matrixPerspectiveFovLH(0.7853982f, 4.0f / 3.0f, 20.0f, 220.0f);
    EXPECT_NEAR(p.m[1][1], 1.0f / std::tan(0.3926991f), kEps);  // 2.4142137
    EXPECT_NEAR(p.m[0][0], 2.4142137f * 0.75f, 1e-5f);
    EXPECT_NEAR(p.m[2][2], 220.0f / 200.0f, kEps);
    EXPECT_NEAR(p.m[3][2], -20.0f * 220.0f / 200.0f, 1e-4f);
    EXPECT_EQ(p.m[2][3], 1.0f);
    EXPECT_EQ(p.m[3][3], 0.0f);
    expectPoint(transformCoord({0, 0, 20}, p), 0, 0, 0);
    expectPoint(transformCoord({0, 0, 220}, p), 0, 0, 1);
}

TEST(MatrixTest, LookAtFromTheLightSeesTheOriginAheadWithZUp) {
    const Matrix4 v = matrixLookAtLH({0, 51, 0}, {0, 0, 0}, {0, 0, 1});
    // The origin lies 51 ahead; +z of the world is up in the view and +x (up x forward) right.
    expectPoint(transformCoord({0, 0, 0}, v), 0, 0, 51);
    expectPoint(transformCoord({0, 0, 1}, v), 0, 1, 51);
    expectPoint(transformCoord({1, 0, 0}, v), 1, 0, 51);
}

TEST(QuaternionTest, YawPitchRollMatchesTheMatrixRotations) {
    // Yaw alone is a rotation about y.
    const Quaternion yaw = quaternionRotationYawPitchRoll(kHalfPi, 0, 0);
    EXPECT_NEAR(yaw.y, std::sqrt(0.5f), kEps);
    EXPECT_NEAR(yaw.w, std::sqrt(0.5f), kEps);
    expectPoint(transformCoord({1, 0, 0}, matrixRotationQuaternion(yaw)), 0, 0, -1);
    // Roll, then pitch, then yaw.
    const Quaternion q = quaternionRotationYawPitchRoll(0.3f, 0.5f, 0.7f);
    const Matrix4 expected = matrixRotationZ(0.7f) * matrixRotationX(0.5f) * matrixRotationY(0.3f);
    const Matrix4 got = matrixRotationQuaternion(q);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(got.m[i][j], expected.m[i][j], kEps) << i << j;
}

TEST(QuaternionTest, MultiplyInverseAndNormalise) {
    const Quaternion a = quaternionRotationYawPitchRoll(0.2f, 0, 0);
    const Quaternion b = quaternionRotationYawPitchRoll(0, 0.9f, 0);
    // a then b, as for matrices.
    const Matrix4 viaQuaternion = matrixRotationQuaternion(quaternionMultiply(a, b));
    const Matrix4 viaMatrices = matrixRotationQuaternion(a) * matrixRotationQuaternion(b);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(viaQuaternion.m[i][j], viaMatrices.m[i][j], kEps);
    const Quaternion id = quaternionMultiply(a, quaternionInverse(a));
    EXPECT_NEAR(id.w, 1.0f, kEps);
    EXPECT_NEAR(id.x * id.x + id.y * id.y + id.z * id.z, 0.0f, kEps);
    // The inverse of a non-unit quaternion divides by the squared length.
    const Quaternion inv = quaternionInverse(Quaternion{0, 0, 2, 0});
    EXPECT_NEAR(inv.z, -0.5f, kEps);
    const Quaternion n = quaternionNormalize(Quaternion{0, 3, 0, 4});
    EXPECT_NEAR(n.y, 0.6f, kEps);
    EXPECT_NEAR(n.w, 0.8f, kEps);
    const Quaternion zero = quaternionNormalize(Quaternion{0, 0, 0, 0});
    EXPECT_EQ(zero.w, 0.0f);
}

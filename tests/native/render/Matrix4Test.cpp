// Matrix builders and transforms: hand-worked values of the left-handed
// helpers, their order of application and round trips.
#include "render/Matrix4.h"

#include <gtest/gtest.h>

#include "tests/native/render/RenderChecks.h"

namespace {

const Vector3 kX{1, 0, 0}, kY{0, 1, 0}, kZ{0, 0, 1};

TEST(Matrix4Test, RotationAboutAnAxisTurnsClockwiseSeenFromItsTip) {
    const Matrix4 aboutY = RotationAxisMatrix({0, 5, 0}, 1.5707964f);  // any axis length
    EXPECT_TRUE(Near(TransformCoord(kZ, aboutY), kX));
    EXPECT_TRUE(Near(TransformCoord(kX, aboutY), kZ * -1.0f));
    // A third of a turn about the diagonal cycles the axes x -> y -> z.
    const Matrix4 aboutDiagonal = RotationAxisMatrix({1, 1, 1}, 2.0943952f);
    EXPECT_TRUE(Near(TransformCoord(kX, aboutDiagonal), kY));
    EXPECT_TRUE(Near(TransformCoord(kY, aboutDiagonal), kZ));
}

TEST(Matrix4Test, YawPitchRollIsRollThenPitchThenYaw) {
    const float angles[][3] = {{0.3f, 0, 0}, {0, -0.7f, 0}, {0, 0, 1.1f}, {0.4f, 1.2f, -2.5f}};
    for (const auto& [yaw, pitch, roll] : angles) {
        const Matrix4 separate = RotationAxisMatrix(kZ, roll) * RotationAxisMatrix(kX, pitch) *
                                 RotationAxisMatrix(kY, yaw);
        EXPECT_TRUE(Near(RotationYawPitchRollMatrix(yaw, pitch, roll), separate)) << yaw;
    }
}

TEST(Matrix4Test, PerspectiveOfTheWaterfallView) {
    const Matrix4 p = PerspectiveFovLHMatrix(0.5235988f, 2.25f, 1.0f, 1500.0f);
    Matrix4 expected{};
    expected.m[0][0] = 3.7320508f / 2.25f;  // cot(15 degrees) / aspect
    expected.m[1][1] = 3.7320508f;
    expected.m[2][2] = 1500.0f / 1499.0f;
    expected.m[2][3] = 1.0f;
    expected.m[3][2] = -1500.0f / 1499.0f;
    EXPECT_TRUE(Near(p, expected));
    // After the divide by w: depth 0 at the near plane, 1 at the far plane,
    // and the top of the 30 degree field at y = 1.
    EXPECT_NEAR(TransformCoord({0, 0, 1}, p).z, 0.0f, 1e-6f);
    EXPECT_NEAR(TransformCoord({0, 0, 1500}, p).z, 1.0f, 1e-6f);
    EXPECT_TRUE(Near(TransformCoord({0, 26.794919f, 100}, p), {0, 1, 0.99066044f}));
}

TEST(Matrix4Test, ProductsApplyTheLeftMatrixFirstAndTransformsDivideByW) {
    const Matrix4 scale = ScalingMatrix(2, 3, 4), move = TranslationMatrix(10, 20, 30);
    EXPECT_TRUE(Near(TransformCoord({1, 1, 1}, scale * move), {12, 23, 34}));
    EXPECT_TRUE(Near(TransformCoord({1, 1, 1}, move * scale), {22, 63, 124}));
    Matrix4 halving = move;
    halving.m[3][3] = 2.0f;
    EXPECT_TRUE(Near(TransformCoord({2, 2, 2}, halving), {6, 11, 16}));
    EXPECT_TRUE(Near(TransformNormal({2, 2, 2}, halving), {2, 2, 2}));
    // A point with w = 0 has no finite image; it must not become inf or NaN.
    const Vector3 inPlane = TransformCoord({5, 1, 0}, PerspectiveFovLHMatrix(1, 1, 1, 100));
    EXPECT_TRUE(std::isfinite(inPlane.x + inPlane.y + inPlane.z));
}

TEST(Matrix4Test, TurningBackRestoresTheIdentityAndKeepsLengths) {
    for (const Vector3& axis : {kX, Vector3{0, -2, 0}, Vector3{1, 2, 3}}) {
        for (float angle : {0.1f, 2.5f, -4.0f, 7.0f}) {
            const Matrix4 turn = RotationAxisMatrix(axis, angle);
            EXPECT_TRUE(Near(turn * RotationAxisMatrix(axis, -angle), IdentityMatrix())) << angle;
            EXPECT_NEAR(Length(TransformNormal({3, -4, 12}, turn)), 13.0f, 1e-4f);
        }
    }
}

TEST(Vector3Test, CrossFollowsTheAxesAndZeroStaysZeroWhenNormalised) {
    EXPECT_TRUE(Near(Cross(kX, kY), kZ));
    EXPECT_TRUE(Near(Normalize({0, -0.5f, 0.2f}), {0, -0.92847669f, 0.37139068f}));
    EXPECT_TRUE(Near(Normalize({}), {}, 0.0f));
}

}  // namespace

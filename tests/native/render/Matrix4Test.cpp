// Matrix builders and transforms: hand-worked values of the left-handed
// helpers, their order of application and round trips.
#include "render/Matrix4.h"

#include <gtest/gtest.h>

#include "tests/native/render/RenderMathChecks.h"

namespace {

constexpr float kQuarterTurn = 1.5707964f;
const Vector3 kX{1, 0, 0}, kY{0, 1, 0}, kZ{0, 0, 1};

TEST(Matrix4Test, RotationAboutAnAxisTurnsClockwiseSeenFromItsTip) {
    const Matrix4 aboutY = RotationAxisMatrix(kY, kQuarterTurn);
    EXPECT_TRUE(Near(TransformCoord(kZ, aboutY), kX));
    EXPECT_TRUE(Near(TransformCoord(kX, aboutY), kZ * -1.0f));
    EXPECT_TRUE(Near(TransformCoord(kY, aboutY), kY));
    // The axis need not be unit length.
    EXPECT_TRUE(Near(RotationAxisMatrix({0, 5, 0}, kQuarterTurn), aboutY));
    // A third of a turn about the diagonal cycles the axes x -> y -> z -> x.
    const Matrix4 aboutDiagonal = RotationAxisMatrix({1, 1, 1}, 2.0943952f);
    EXPECT_TRUE(Near(TransformCoord(kX, aboutDiagonal), kY));
    EXPECT_TRUE(Near(TransformCoord(kY, aboutDiagonal), kZ));
    EXPECT_TRUE(Near(TransformCoord(kZ, aboutDiagonal), kX));
}

TEST(Matrix4Test, YawPitchRollIsRollThenPitchThenYaw) {
    const float angles[][3] = {{0.3f, 0.0f, 0.0f},
                               {0.0f, -0.7f, 0.0f},
                               {0.0f, 0.0f, 1.1f},
                               {0.4f, 1.2f, -2.5f},
                               {6.2831855f, 3.1415927f, 4.7f}};
    for (const auto& [yaw, pitch, roll] : angles) {
        const Matrix4 separate = RotationAxisMatrix(kZ, roll) * RotationAxisMatrix(kX, pitch) *
                                 RotationAxisMatrix(kY, yaw);
        EXPECT_TRUE(Near(RotationYawPitchRollMatrix(yaw, pitch, roll), separate))
            << yaw << ", " << pitch << ", " << roll;
    }
}

TEST(Matrix4Test, PerspectiveOfTheWaterfallView) {
    const Matrix4 p = PerspectiveFovLHMatrix(0.5235988f, 2.25f, 1.0f, 1500.0f);
    Matrix4 expected{};
    expected.m[1][1] = 3.7320508f;  // cot(15 degrees)
    expected.m[0][0] = 3.7320508f / 2.25f;
    expected.m[2][2] = 1500.0f / 1499.0f;
    expected.m[2][3] = 1.0f;
    expected.m[3][2] = -1500.0f / 1499.0f;
    EXPECT_TRUE(Near(p, expected));
    // After the divide by w = z, depth runs from 0 at the near plane to 1 at
    // the far plane, and the edge of the vertical field lands on y = 1.
    EXPECT_NEAR(TransformCoord({0, 0, 1}, p).z, 0.0f, 1e-6f);
    EXPECT_NEAR(TransformCoord({0, 0, 1500}, p).z, 1.0f, 1e-6f);
    EXPECT_TRUE(Near(TransformCoord({0, 100 * 0.26794919f, 100}, p), {0, 1, 0.99066044f}));
}

TEST(Matrix4Test, ProductAppliesTheLeftMatrixFirst) {
    const Matrix4 scale = ScalingMatrix(2, 3, 4), move = TranslationMatrix(10, 20, 30);
    EXPECT_TRUE(Near(TransformCoord({1, 1, 1}, scale * move), {12, 23, 34}));
    EXPECT_TRUE(Near(TransformCoord({1, 1, 1}, move * scale), {22, 63, 124}));
    EXPECT_TRUE(Near(IdentityMatrix() * move, move));
    EXPECT_TRUE(Near(move * IdentityMatrix(), move));
}

TEST(Matrix4Test, TransformsDivideCoordinatesByWAndIgnoreTranslationForNormals) {
    Matrix4 halving = TranslationMatrix(2, 4, 6);
    halving.m[3][3] = 2.0f;
    EXPECT_TRUE(Near(TransformCoord({2, 2, 2}, halving), {2, 3, 4}));
    EXPECT_TRUE(Near(TransformNormal({2, 2, 2}, halving), {2, 2, 2}));
    // A point with w = 0 has no finite image; it must not turn into inf/NaN.
    const Vector3 inPlane = TransformCoord({5, 1, 0}, PerspectiveFovLHMatrix(1, 1, 1, 100));
    EXPECT_TRUE(std::isfinite(inPlane.x) && std::isfinite(inPlane.y) && std::isfinite(inPlane.z));
}

TEST(Matrix4Test, TurningBackAndUndoingAMoveRestoresTheIdentity) {
    const Vector3 axes[] = {kX, {0, -2, 0}, {1, 2, 3}, {-0.3f, 0.1f, 0.9f}};
    for (const Vector3& axis : axes) {
        for (float angle : {0.1f, 1.0f, 2.5f, -4.0f, 7.0f}) {
            const Matrix4 turn = RotationAxisMatrix(axis, angle);
            EXPECT_TRUE(Near(turn * RotationAxisMatrix(axis, -angle), IdentityMatrix())) << angle;
            // A rotation keeps lengths and leaves its own axis alone.
            EXPECT_NEAR(Length(TransformNormal({3, -4, 12}, turn)), 13.0f, 1e-4f);
            EXPECT_TRUE(Near(TransformNormal(axis, turn), axis, 1e-5f * Length(axis)));
        }
    }
    const Matrix4 there = ScalingMatrix(2, 4, 0.5f) * TranslationMatrix(7, -8, 9);
    const Matrix4 back = TranslationMatrix(-7, 8, -9) * ScalingMatrix(0.5f, 0.25f, 2);
    EXPECT_TRUE(Near(there * back, IdentityMatrix()));
}

TEST(Vector3Test, BasicsFollowTheLeftHandedAxes) {
    EXPECT_TRUE(Near(Cross(kX, kY), kZ));
    EXPECT_TRUE(Near(Cross(kY, kZ), kX));
    EXPECT_FLOAT_EQ(Dot({1, 2, 3}, {4, -5, 6}), 12.0f);
    EXPECT_FLOAT_EQ(Length({2, 3, 6}), 7.0f);
    EXPECT_TRUE(Near(Normalize({0, -0.5f, 0.2f}), {0, -0.92847669f, 0.37139068f}));
    // No direction to keep: zero stays zero instead of NaN.
    EXPECT_TRUE(Near(Normalize({}), {}, 0.0f));
}

}  // namespace

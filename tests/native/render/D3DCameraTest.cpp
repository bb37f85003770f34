// The camera: axes turned by yaw and pitch, and the view matrix that moves
// the scene in front of it.
#include "render/D3DCamera.h"

#include <gtest/gtest.h>

#include "params/Settings.h"
#include "tests/native/render/RenderMathChecks.h"

namespace {

CD3DCamera BuiltCamera(float x, float y, float z, float yawDeg, float pitchDeg) {
    CD3DCamera camera;
    camera.SetFromParameters(x, y, z, yawDeg, pitchDeg);
    Matrix4 view;
    camera.BuildView(view);
    EXPECT_TRUE(Near(view, camera.view, 0.0f));
    return camera;
}

TEST(D3DCameraTest, WithoutTurnsItLooksAlongZWithRightXAndUpY) {
    const CD3DCamera camera = BuiltCamera(0, 100, -600, 0, 0);
    EXPECT_TRUE(Near(camera.look, {0, 0, 1}));
    EXPECT_TRUE(Near(camera.right, {1, 0, 0}));
    EXPECT_TRUE(Near(camera.up, {0, 1, 0}));
    EXPECT_FLOAT_EQ(camera.roll, 0.0f);
}

TEST(D3DCameraTest, YawTurnsRightAndPositivePitchLooksDown) {
    EXPECT_TRUE(Near(BuiltCamera(0, 0, 0, 90, 0).look, {1, 0, 0}));
    EXPECT_TRUE(Near(BuiltCamera(0, 0, 0, 90, 0).right, {0, 0, -1}));
    EXPECT_TRUE(Near(BuiltCamera(0, 0, 0, 0, 30).look, {0, -0.5f, 0.8660254f}));
    // Angles beyond a full turn are used as given.
    EXPECT_TRUE(Near(BuiltCamera(0, 0, 0, 450, 0).look, {1, 0, 0}, 1e-4f));
    EXPECT_TRUE(Near(BuiltCamera(0, 0, 0, -270, 0).look, {1, 0, 0}, 1e-4f));
}

TEST(D3DCameraTest, AxesStayOrthonormalForAnyYawAndPitch) {
    for (float yawDeg = -720; yawDeg <= 720; yawDeg += 37) {
        for (float pitchDeg = -90; pitchDeg <= 90; pitchDeg += 13) {
            const CD3DCamera camera = BuiltCamera(0, 0, 0, yawDeg, pitchDeg);
            SCOPED_TRACE(testing::Message() << "yaw " << yawDeg << ", pitch " << pitchDeg);
            EXPECT_NEAR(Length(camera.look), 1.0f, 1e-5f);
            EXPECT_NEAR(Length(camera.right), 1.0f, 1e-5f);
            EXPECT_NEAR(Length(camera.up), 1.0f, 1e-5f);
            EXPECT_NEAR(Dot(camera.look, camera.right), 0.0f, 1e-5f);
            EXPECT_NEAR(Dot(camera.look, camera.up), 0.0f, 1e-5f);
            EXPECT_NEAR(Dot(camera.up, camera.right), 0.0f, 1e-5f);
            // Left-handed frame: up x look = right. Yaw never tilts the
            // horizon, so right stays level.
            EXPECT_TRUE(Near(Cross(camera.up, camera.look), camera.right));
            EXPECT_NEAR(camera.right.y, 0.0f, 1e-6f);
        }
    }
}

TEST(D3DCameraTest, ViewPutsTheCameraAtTheOriginLookingAlongZ) {
    const CD3DCamera camera = BuiltCamera(120, 80, -550, 33, 21);
    const Vector3 p = camera.position;
    EXPECT_TRUE(Near(TransformCoord(p, camera.view), {}, 1e-4f));
    EXPECT_TRUE(Near(TransformCoord(p + camera.look * 250, camera.view), {0, 0, 250}, 1e-3f));
    EXPECT_TRUE(Near(TransformCoord(p + camera.right * 7, camera.view), {7, 0, 0}, 1e-4f));
    EXPECT_TRUE(Near(TransformCoord(p + camera.up * 3, camera.view), {0, 3, 0}, 1e-4f));
}

TEST(D3DCameraTest, PresetGivesPositionAndAnglesInDegrees) {
    CD3DCamera camera(CameraPreset{10, 20, 30, 180, -45});
    EXPECT_TRUE(Near(camera.position, {10, 20, 30}));
    EXPECT_NEAR(camera.yaw * kRadiansToDegrees, 180.0f, 1e-4f);
    EXPECT_NEAR(camera.pitch, -0.78539816f, 1e-6f);
    Matrix4 view;
    camera.BuildView(view);
    EXPECT_TRUE(Near(camera.look, {0, 0.70710678f, -0.70710678f}));
}

}  // namespace

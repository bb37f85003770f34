// The camera: axes turned by yaw and pitch, and the view matrix that puts
// the scene in front of it.
#include "render/D3DCamera.h"

#include <gtest/gtest.h>

#include "params/Settings.h"
#include "tests/native/render/RenderChecks.h"

namespace {

CD3DCamera BuiltCamera(const CameraPreset& preset) {
    CD3DCamera camera(preset);
    Matrix4 view;
    camera.BuildView(view);
    EXPECT_TRUE(Near(view, camera.view, 0.0f));
    return camera;
}

TEST(D3DCameraTest, YawTurnsRightFromPlusZAndPositivePitchLooksDown) {
    const CD3DCamera still = BuiltCamera({0, 100, -600, 0, 0});
    EXPECT_TRUE(Near(still.look, {0, 0, 1}));
    EXPECT_TRUE(Near(still.right, {1, 0, 0}));
    EXPECT_TRUE(Near(still.up, {0, 1, 0}));
    EXPECT_TRUE(Near(BuiltCamera({0, 0, 0, 90, 0}).right, {0, 0, -1}));
    EXPECT_TRUE(Near(BuiltCamera({0, 0, 0, 0, 30}).look, {0, -0.5f, 0.8660254f}));
    EXPECT_TRUE(Near(BuiltCamera({0, 0, 0, 180, -45}).look, {0, 0.70710678f, -0.70710678f}));
    // Angles beyond a turn are used as given.
    EXPECT_TRUE(Near(BuiltCamera({0, 0, 0, -270, 0}).look, {1, 0, 0}, 1e-4f));
}

TEST(D3DCameraTest, AxesStayOrthonormalAndRightStaysLevel) {
    for (float yawDeg = -720; yawDeg <= 720; yawDeg += 37) {
        for (float pitchDeg = -90; pitchDeg <= 90; pitchDeg += 13) {
            const CD3DCamera c = BuiltCamera({0, 0, 0, yawDeg, pitchDeg});
            SCOPED_TRACE(testing::Message() << "yaw " << yawDeg << ", pitch " << pitchDeg);
            EXPECT_NEAR(Length(c.look), 1.0f, 1e-5f);
            EXPECT_NEAR(Length(c.up), 1.0f, 1e-5f);
            EXPECT_NEAR(Dot(c.look, c.up), 0.0f, 1e-5f);
            EXPECT_TRUE(Near(Cross(c.up, c.look), c.right));  // left-handed frame
            EXPECT_NEAR(c.right.y, 0.0f, 1e-6f);
        }
    }
}

TEST(D3DCameraTest, ViewPutsTheCameraAtTheOriginLookingAlongZ) {
    const CD3DCamera c = BuiltCamera({120, 80, -550, 33, 21});
    EXPECT_TRUE(Near(TransformCoord(c.position, c.view), {}, 1e-4f));
    EXPECT_TRUE(Near(TransformCoord(c.position + c.look * 250, c.view), {0, 0, 250}, 1e-3f));
    EXPECT_TRUE(Near(TransformCoord(c.position + c.right * 7, c.view), {7, 0, 0}, 1e-4f));
    EXPECT_TRUE(Near(TransformCoord(c.position + c.up * 3, c.view), {0, 3, 0}, 1e-4f));
}

}  // namespace

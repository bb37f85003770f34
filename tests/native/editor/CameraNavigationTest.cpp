// The navigation step: drag, wheel, keys, timing, angle wrap and the camera
// parameters as the master copy of the camera.
#include "editor/CameraNavigation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "render/D3DCamera.h"

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr uint32_t kStartMs = 1000;
constexpr float kSensitivity = 0.5f;  // the settings' start value
// One 20 ms frame at the start sensitivity: (0.5 + 0.1) × 0.02 s.
constexpr float kAngular = 0.6f * 0.02f;
constexpr float kLinear = kAngular * 280.0f;

class CameraNavigationTest : public ::testing::Test {
protected:
    CameraNavigationTest() : navigation_(kStartMs) {
        BuildControlsParameters(nullptr, controls_);
        Aim(100, 50, -200, 90, 0);
    }

    // Puts the camera parameters and the camera at a place, with the axes
    // that the last frame's view would have given it.
    void Aim(float x, float y, float z, float yawDeg, float pitchDeg) {
        controls_[kParamCameraX]->SetValue(x);
        controls_[kParamCameraY]->SetValue(y);
        controls_[kParamCameraZ]->SetValue(z);
        controls_[kParamYaw]->SetValue(yawDeg);
        controls_[kParamPitch]->SetValue(pitchDeg);
        camera_.SetFromParameters(x, y, z, yawDeg, pitchDeg);
        Matrix4 view;
        camera_.BuildView(view);
    }

    void StepAt(uint32_t nowMs) {
        navigation_.Step(state_, keys_, controls_, kSensitivity, camera_, nowMs);
    }
    void StepOneFrame() { StepAt(kStartMs + 20); }

    float Param(int index) const { return controls_[index]->Value(); }
    Vector3 ParamPosition() const {
        return {Param(kParamCameraX), Param(kParamCameraY), Param(kParamCameraZ)};
    }

    ParamList controls_;
    CD3DCamera camera_;
    NavigationState state_;
    KeyHeldFlags keys_{};
    CCameraNavigation navigation_;
};

void ExpectNear(const Vector3& actual, const Vector3& expected, float tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST_F(CameraNavigationTest, DragTurnsAtARateSetByThePointersOffset) {
    // Button down without a move: no dragging yet, nothing turns.
    state_.cursorX = state_.anchorX = 300;
    state_.cursorY = state_.anchorY = 200;
    StepOneFrame();
    EXPECT_FLOAT_EQ(Param(kParamYaw), 90.0f);
    EXPECT_FLOAT_EQ(Param(kParamPitch), 0.0f);

    state_.dragging = 1;
    state_.cursorX = 350;
    state_.cursorY = 230;
    StepAt(kStartMs + 40);
    const float yawRad = 90.0f * kDegreesToRadians + 50 * kAngular * 0.01f;
    const float pitchRad = 30 * kAngular * 0.01f;
    EXPECT_NEAR(Param(kParamYaw), yawRad * kRadiansToDegrees, 1e-4f);
    EXPECT_NEAR(Param(kParamPitch), pitchRad * kRadiansToDegrees, 1e-4f);
    EXPECT_NEAR(camera_.yaw, yawRad, 1e-6f);
    EXPECT_NEAR(camera_.pitch, pitchRad, 1e-6f);
    EXPECT_FLOAT_EQ(camera_.roll, 0.0f);

    // Held still away from the press point, it keeps turning.
    StepAt(kStartMs + 60);
    EXPECT_NEAR(camera_.pitch, 2 * pitchRad, 1e-6f);
}

TEST_F(CameraNavigationTest, WheelNotchesMoveFourStepsEachAlongTheLookAxisOnce) {
    const Vector3 start = camera_.position;
    const Vector3 forward = camera_.look;
    ASSERT_NEAR(forward.x, 1.0f, 1e-5f);  // yaw 90° looks along +x
    state_.wheelNotches = 2;
    StepOneFrame();
    ExpectNear(ParamPosition(), start + forward * (8 * kLinear), 1e-3f);
    ExpectNear(camera_.position, ParamPosition(), 0.0f);
    EXPECT_EQ(state_.wheelNotches, 0);

    StepAt(kStartMs + 40);
    ExpectNear(ParamPosition(), start + forward * (8 * kLinear), 1e-3f);
}

TEST_F(CameraNavigationTest, WheelWaitsWhileDragging) {
    state_.dragging = 1;
    state_.wheelNotches = -3;
    StepOneFrame();
    EXPECT_EQ(state_.wheelNotches, -3);
    ExpectNear(ParamPosition(), {100, 50, -200}, 0.0f);
}

TEST_F(CameraNavigationTest, KeysMoveAlongTheAxesAndTheFirstOfEachPairWins) {
    keys_[kActionForward] = keys_[kActionBack] = 1;
    keys_[kActionMoveLeft] = keys_[kActionMoveRight] = 1;
    keys_[kActionRotateLeft] = keys_[kActionRotateRight] = 1;
    const Vector3 expected = camera_.position + camera_.look * kLinear - camera_.right * kLinear;
    StepOneFrame();
    ExpectNear(ParamPosition(), expected, 1e-3f);
    EXPECT_NEAR(Param(kParamYaw), (90.0f * kDegreesToRadians - kAngular) * kRadiansToDegrees,
                1e-4f);

    keys_ = {};
    keys_[kActionBack] = keys_[kActionMoveRight] = keys_[kActionRotateRight] = 1;
    const Vector3 back = camera_.position - camera_.look * kLinear + camera_.right * kLinear;
    const float yaw = camera_.yaw;
    StepAt(kStartMs + 40);
    ExpectNear(ParamPosition(), back, 1e-3f);
    EXPECT_NEAR(camera_.yaw, yaw + kAngular, 1e-6f);
}

TEST_F(CameraNavigationTest, TurningBelowZeroWrapsToTheTopOfTheCircle) {
    Aim(0, 0, 0, 0, 0);
    keys_[kActionRotateLeft] = 1;
    StepOneFrame();
    EXPECT_NEAR(camera_.yaw, kTwoPi - kAngular, 1e-5f);
    EXPECT_NEAR(Param(kParamYaw), 360.0f - kAngular * kRadiansToDegrees, 1e-3f);

    EXPECT_EQ(WrapAngle(kTwoPi), kTwoPi);
    EXPECT_EQ(WrapAngle(0.0f), 0.0f);
    EXPECT_NEAR(WrapAngle(-0.5f), kTwoPi - 0.5f, 1e-6f);
    EXPECT_NEAR(WrapAngle(kTwoPi + 0.5f), 0.5f, 1e-5f);
    EXPECT_NEAR(WrapAngle(-3 * kTwoPi - 1.0f), kTwoPi - 1.0f, 1e-5f);
    for (float wild : {1e30f, -1e30f, INFINITY, NAN}) {
        const float wrapped = WrapAngle(wild);
        EXPECT_TRUE(wrapped >= 0.0f && wrapped <= kTwoPi) << wild;
    }
}

TEST_F(CameraNavigationTest, ALongGapOrASlowFirstFrameMovesAlmostNothing) {
    keys_[kActionForward] = 1;
    const float start = camera_.position.x;
    StepAt(kStartMs + 5000);  // first step long after creation
    EXPECT_NEAR(camera_.position.x, start + 0.00001f * 0.6f * 280.0f, 1e-4f);

    StepAt(kStartMs + 5101);  // 101 ms: a stall
    EXPECT_LT(camera_.position.x - start, 0.01f);

    StepAt(kStartMs + 5201);  // 100 ms still counts in full
    EXPECT_NEAR(camera_.position.x - start, 0.1f * 0.6f * 280.0f, 0.01f);
}

TEST_F(CameraNavigationTest, TimeIsMeasuredAcrossTheTimersWrap) {
    CCameraNavigation nearWrap(0xFFFFFFF0u);
    keys_[kActionForward] = 1;
    const float start = camera_.position.x;
    nearWrap.Step(state_, keys_, controls_, kSensitivity, camera_, 4u);  // 20 ms later
    EXPECT_NEAR(camera_.position.x - start, kLinear, 1e-3f);
}

TEST_F(CameraNavigationTest, TheParametersDecideTheCamera) {
    // Changed elsewhere (dialog, preset, host): the camera follows without input.
    controls_[kParamCameraX]->SetValue(-321);
    controls_[kParamPitch]->SetValue(45);
    StepOneFrame();
    EXPECT_FLOAT_EQ(camera_.position.x, -321.0f);
    EXPECT_FLOAT_EQ(camera_.pitch, 45.0f * kDegreesToRadians);

    // A move past the parameter's range stops at its edge.
    Aim(995, 0, 0, 90, 0);
    state_.wheelNotches = 5;
    StepAt(kStartMs + 40);
    EXPECT_FLOAT_EQ(Param(kParamCameraX), 999.0f);
    EXPECT_FLOAT_EQ(camera_.position.x, 999.0f);
}

}  // namespace

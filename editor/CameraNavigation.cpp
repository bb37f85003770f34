// CCameraNavigation: mouse drag, wheel and keys to camera motion.
#include "editor/CameraNavigation.h"

#include <cassert>
#include <cmath>

#include "render/D3DCamera.h"

namespace {

constexpr float kTwoPi = 6.2831855f;
// A gap longer than this (a stall, a hidden window, the first frame after a
// slow start) must not turn into one big jump.
constexpr uint32_t kLongestStepMs = 100;
constexpr float kStalledStepSeconds = 0.00001f;
constexpr float kSensitivityFloor = 0.1f;  // keeps the camera movable at sensitivity 0
constexpr float kUnitsPerSecond = 280.0f;
constexpr float kDragRadiansPerPixel = 0.01f;
constexpr float kWheelStepsPerNotch = 4.0f;
// Beyond this many turns the angle is reduced in one go, so that the loops
// below stay short for any input.
constexpr float kFarAngleRad = 64.0f * kTwoPi;

}  // namespace

float WrapAngle(float angleRad) {
    if (!std::isfinite(angleRad)) return 0.0f;
    if (std::fabs(angleRad) > kFarAngleRad) angleRad = std::fmod(angleRad, kTwoPi);
    while (angleRad > kTwoPi) angleRad -= kTwoPi;
    while (angleRad < 0.0f) angleRad += kTwoPi;
    return angleRad;
}

void CCameraNavigation::Step(NavigationState& navigation, const KeyHeldFlags& keyHeld,
                             const ParamList& controls, float sensitivity, CD3DCamera& camera,
                             uint32_t nowMs) {
    assert(controls.size() >= static_cast<size_t>(kParamPitch) + 1);
    const float gain = sensitivity + kSensitivityFloor;
    const uint32_t elapsedMs = nowMs - lastStepMs_;  // wraps with the timer
    lastStepMs_ = nowMs;
    const float seconds = elapsedMs <= kLongestStepMs ? elapsedMs * 0.001f : kStalledStepSeconds;
    const float linear = seconds * gain * kUnitsPerSecond;
    const float angular = seconds * gain;

    const Vector3 forward = camera.look;
    const Vector3 right = camera.right;
    Vector3 position = camera.position;
    float yaw = camera.yaw;
    float pitch = camera.pitch;
    bool changed = false;

    if (navigation.dragging) {
        // Turning goes on while the pointer stays away from where the button
        // went down: the offset is a rate, not a distance.
        yaw = WrapAngle(yaw +
                        (navigation.cursorX - navigation.anchorX) * angular * kDragRadiansPerPixel);
        pitch = WrapAngle(pitch + (navigation.cursorY - navigation.anchorY) * angular *
                                      kDragRadiansPerPixel);
        changed = true;
    } else if (navigation.wheelNotches != 0) {
        position = position + forward * (navigation.wheelNotches * linear * kWheelStepsPerNotch);
        navigation.wheelNotches = 0;
        changed = true;
    }

    if (keyHeld[kActionForward]) {
        position = position + forward * linear;
        changed = true;
    } else if (keyHeld[kActionBack]) {
        position = position - forward * linear;
        changed = true;
    }
    if (keyHeld[kActionMoveLeft] || keyHeld[kActionMoveRight]) {
        position = position + right * (keyHeld[kActionMoveLeft] ? -linear : linear);
        changed = true;
    }
    if (keyHeld[kActionRotateLeft]) {
        yaw = WrapAngle(yaw - angular);
        changed = true;
    } else if (keyHeld[kActionRotateRight]) {
        yaw = WrapAngle(yaw + angular);
        changed = true;
    }

    if (changed) {
        controls[kParamCameraX]->SetValue(position.x);
        controls[kParamCameraY]->SetValue(position.y);
        controls[kParamCameraZ]->SetValue(position.z);
        controls[kParamYaw]->SetValue(yaw * kRadiansToDegrees);
        controls[kParamPitch]->SetValue(pitch * kRadiansToDegrees);
    }
    // The parameters have clamped or wrapped the move, and may have been
    // changed by the dialogs, a preset or the host since the last frame.
    camera.SetFromParameters(controls[kParamCameraX]->Value(), controls[kParamCameraY]->Value(),
                             controls[kParamCameraZ]->Value(), controls[kParamYaw]->Value(),
                             controls[kParamPitch]->Value());
}

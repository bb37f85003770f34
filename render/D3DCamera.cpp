// Camera record and view-matrix construction of the 3D view.
#include "render/D3DCamera.h"

#include "params/Settings.h"

CD3DCamera::CD3DCamera(const CameraPreset& preset) {
    SetFromParameters(preset.x, preset.y, preset.z, preset.yawDeg, preset.pitchDeg);
}

void CD3DCamera::SetFromParameters(float x, float y, float z, float yawDeg, float pitchDeg) {
    position = {x, y, z};
    yaw = yawDeg * kDegreesToRadians;
    pitch = pitchDeg * kDegreesToRadians;
    roll = 0.0f;
}

void CD3DCamera::BuildView(Matrix4& out) {
    up = {0, 1, 0};
    look = {0, 0, 1};
    right = {1, 0, 0};

    const Matrix4 yawRotation = RotationAxisMatrix(up, yaw);
    look = TransformCoord(look, yawRotation);
    right = TransformCoord(right, yawRotation);

    const Matrix4 pitchRotation = RotationAxisMatrix(right, pitch);
    look = TransformCoord(look, pitchRotation);
    up = TransformCoord(up, pitchRotation);

    const Matrix4 rollRotation = RotationAxisMatrix(look, roll);
    right = TransformCoord(right, rollRotation);
    up = TransformCoord(up, rollRotation);

    // The axes are the columns, so a point's view coordinates are its
    // offsets from the camera measured along right, up and look.
    view = {{{right.x, up.x, look.x, 0.0f},
             {right.y, up.y, look.y, 0.0f},
             {right.z, up.z, look.z, 0.0f},
             {-Dot(right, position), -Dot(up, position), -Dot(look, position), 1.0f}}};
    out = view;
}

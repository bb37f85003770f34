// The flying camera of the 3D view: position, axes and angles taken from the
// camera parameters every frame, and the view matrix built from them. The
// axes of the last BuildView stay in the record for navigation to move along.
//
// Threads: user-interface thread only.
#pragma once

#include "render/Matrix4.h"
#include "render/Vector3.h"

struct CameraPreset;

inline constexpr float kDegreesToRadians = 0.017453292f;
inline constexpr float kRadiansToDegrees = 57.29578f;

class CD3DCamera {
public:
    // At the origin, looking along +z with up +y and right +x.
    CD3DCamera() = default;
    // Position and angles of a preset (angles in degrees), roll 0.
    explicit CD3DCamera(const CameraPreset& preset);

    // Position in scene units, yaw and pitch in degrees; roll becomes 0.
    // The axes keep their values until the next BuildView.
    void SetFromParameters(float x, float y, float z, float yawDeg, float pitchDeg);

    // Turns the reset axes by yaw about up, then by pitch about the new
    // right axis, then by roll about the new look axis, and builds the view
    // matrix that puts the camera at the origin looking along +z. Stores it
    // in view and copies it to out.
    void BuildView(Matrix4& out);

    Vector3 position;
    Vector3 up{0, 1, 0};
    Vector3 look{0, 0, 1};
    Vector3 right{1, 0, 0};
    float yaw = 0;
    float pitch = 0;
    float roll = 0;
    Matrix4 view = IdentityMatrix();
};

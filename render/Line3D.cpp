// Box placement of 3D lines.
#include "render/Line3D.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kFullTurn = 6.2831855f;

// Normalises (x, y) in place; false when it has no length.
bool Normalize2D(float& x, float& y) {
    const float length = std::sqrt(x * x + y * y);
    if (length == 0.0f) return false;
    x /= length;
    y /= length;
    return true;
}
}  // namespace

float SignedAngle2D(float px, float py, float qx, float qy) {
    if (!Normalize2D(px, py) || !Normalize2D(qx, qy)) return 0.0f;
    // Rounding can put the dot product of two unit vectors just beyond 1.
    const float cosine = std::clamp(px * qx + py * qy, -1.0f, 1.0f);
    float angle = std::acos(cosine);
    if (qy * px - py * qx <= 0.0f) angle = kFullTurn - angle;
    return angle;
}

Matrix4 LineWorldMatrix(const Vector3& from, const Vector3& to, float thickness) {
    const Vector3 direction = to - from;
    const float length = Length(direction);
    const Matrix4 scaling = ScalingMatrix(length, thickness, thickness);
    const Vector3 unit = Normalize(direction);
    const Vector3 midpoint = from + unit * (length * 0.5f);
    const Matrix4 translation = TranslationMatrix(midpoint.x, midpoint.y, midpoint.z);
    // The box's own x axis (1, 0, 0) is turned onto the line.
    const float yaw = SignedAngle2D(unit.x, unit.z, 1.0f, 0.0f);
    const float pitch = SignedAngle2D(unit.y, unit.z, 0.0f, 0.0f);
    const float roll = SignedAngle2D(unit.x, unit.y, 1.0f, 0.0f);
    return scaling * RotationYawPitchRollMatrix(yaw, pitch, roll) * translation;
}

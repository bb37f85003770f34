// The way back from the screen into the scene: the inverse of a matrix, a
// screen point turned back into a scene point, and the ray from the camera
// through the pixel under the mouse.
#pragma once

#include <optional>

#include "render/Matrix4.h"
#include "render/Vector3.h"
#include "render/Viewport.h"

struct Ray {
    Vector3 origin;
    Vector3 direction;  // unit length
};

// The inverse of m, computed in double; nothing when m has none.
std::optional<Matrix4> InverseMatrix(const Matrix4& m);

// The scene point that ProjectToScreen (with an identity world) takes to
// screen x, y (pixels) and depth z (minZ..maxZ); nothing for matrices that
// cannot be inverted.
std::optional<Vector3> UnprojectFromScreen(const Vector3& screen, const Viewport& viewport,
                                           const Matrix4& projection, const Matrix4& view);

// From the near plane through the view pixel (x, y) towards the far plane.
std::optional<Ray> CursorRay(float x, float y, const Viewport& viewport, const Matrix4& projection,
                             const Matrix4& view);

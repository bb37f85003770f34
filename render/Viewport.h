// The rectangle of the render target that the view draws into, with its
// depth range, and the projection of a scene point to pixel coordinates
// (used to place labels beside 3D positions).
#pragma once

#include "render/Matrix4.h"

struct Viewport {
    float x = 0, y = 0, width = 0, height = 0, minZ = 0, maxZ = 1;
};

// Screen x and y in pixels (y grows downwards), z the depth in minZ..maxZ.
// The point passes world, then view, then projection. Points behind the
// camera come out with a depth above maxZ (and mirrored x, y), points nearer
// than the near plane below minZ, so callers placing labels can skip them.
Vector3 ProjectToScreen(const Vector3& point, const Viewport& viewport, const Matrix4& projection,
                        const Matrix4& view, const Matrix4& world);

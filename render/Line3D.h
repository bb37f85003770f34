// A 3D line drawn as a unit box (1 x 1 x 1, centred on the origin) that is
// stretched to the line's length and thickness, turned from the x axis onto
// the line's direction and moved onto its midpoint.
#pragma once

#include "render/Matrix4.h"
#include "render/Vector3.h"

// The angle between the 2D vectors p and q, measured from q towards p, 0 to
// 2 pi; 0 when either has no length.
float SignedAngle2D(float px, float py, float qx, float qy);

// World matrix of the box for a line from a to b: scale (length, thickness,
// thickness), the turn of the x axis onto b - a, then the move to the
// midpoint.
Matrix4 LineWorldMatrix(const Vector3& from, const Vector3& to, float thickness);

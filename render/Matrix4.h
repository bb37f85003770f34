// 4x4 float matrix of the 3D view, row-major with row vectors (v' = v * M),
// laid out exactly like Direct3D's D3DMATRIX so the device can take it as it
// is. The builders give the same numbers as the left-handed D3DX helpers.
#pragma once

#include <type_traits>

#include "render/Vector3.h"

struct Matrix4 {
    float m[4][4];
};

static_assert(sizeof(Matrix4) == 64, "Matrix4 must match D3DMATRIX");
static_assert(std::is_trivially_copyable<Matrix4>::value,
              "Matrix4 is handed to the device as bytes");

Matrix4 IdentityMatrix();

// a then b: v * (a * b) == (v * a) * b.
Matrix4 operator*(const Matrix4& a, const Matrix4& b);

// Left-handed: looking from the tip of the axis towards the origin, a
// positive angle turns clockwise. The axis need not be unit length.
Matrix4 RotationAxisMatrix(const Vector3& axis, float angleRad);

// Roll about z, then pitch about x, then yaw about y.
Matrix4 RotationYawPitchRollMatrix(float yaw, float pitch, float roll);

// Maps view space to clip space with depth 0 at zNear and 1 at zFar; w is
// the view-space z.
Matrix4 PerspectiveFovLHMatrix(float fovY, float aspect, float zNear, float zFar);

Matrix4 ScalingMatrix(float sx, float sy, float sz);
Matrix4 TranslationMatrix(float x, float y, float z);

// (v, 1) * M divided by the resulting w.
Vector3 TransformCoord(const Vector3& v, const Matrix4& m);
// (v, 0) * M: directions ignore the translation row.
Vector3 TransformNormal(const Vector3& v, const Matrix4& m);

// Matrix builders and transforms of the 3D view, written out element by
// element in the row-vector convention of Direct3D.
#include "render/Matrix4.h"

#include <cmath>

Matrix4 IdentityMatrix() {
    return {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
}

Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    Matrix4 product;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            product.m[row][column] = a.m[row][0] * b.m[0][column] + a.m[row][1] * b.m[1][column] +
                                     a.m[row][2] * b.m[2][column] + a.m[row][3] * b.m[3][column];
        }
    }
    return product;
}

Matrix4 RotationAxisMatrix(const Vector3& axis, float angleRad) {
    const Vector3 n = Normalize(axis);
    const float s = std::sin(angleRad);
    const float c = std::cos(angleRad);
    const float t = 1.0f - c;
    Matrix4 r = IdentityMatrix();
    r.m[0][0] = t * n.x * n.x + c;
    r.m[0][1] = t * n.x * n.y + s * n.z;
    r.m[0][2] = t * n.x * n.z - s * n.y;
    r.m[1][0] = t * n.y * n.x - s * n.z;
    r.m[1][1] = t * n.y * n.y + c;
    r.m[1][2] = t * n.y * n.z + s * n.x;
    r.m[2][0] = t * n.z * n.x + s * n.y;
    r.m[2][1] = t * n.z * n.y - s * n.x;
    r.m[2][2] = t * n.z * n.z + c;
    return r;
}

Matrix4 RotationYawPitchRollMatrix(float yaw, float pitch, float roll) {
    const float sy = std::sin(yaw), cy = std::cos(yaw);
    const float sp = std::sin(pitch), cp = std::cos(pitch);
    const float sr = std::sin(roll), cr = std::cos(roll);
    Matrix4 r = IdentityMatrix();
    r.m[0][0] = cr * cy + sr * sp * sy;
    r.m[0][1] = sr * cp;
    r.m[0][2] = sr * sp * cy - cr * sy;
    r.m[1][0] = cr * sp * sy - sr * cy;
    r.m[1][1] = cr * cp;
    r.m[1][2] = cr * sp * cy + sr * sy;
    r.m[2][0] = cp * sy;
    r.m[2][1] = -sp;
    r.m[2][2] = cp * cy;
    return r;
}

Matrix4 PerspectiveFovLHMatrix(float fovY, float aspect, float zNear, float zFar) {
    const float yScale = 1.0f / std::tan(fovY * 0.5f);
    const float depthScale = zFar / (zFar - zNear);
    Matrix4 p{};
    p.m[0][0] = yScale / aspect;
    p.m[1][1] = yScale;
    p.m[2][2] = depthScale;
    p.m[2][3] = 1.0f;
    p.m[3][2] = -zNear * depthScale;
    return p;
}

Matrix4 ScalingMatrix(float sx, float sy, float sz) {
    Matrix4 s = IdentityMatrix();
    s.m[0][0] = sx;
    s.m[1][1] = sy;
    s.m[2][2] = sz;
    return s;
}

Matrix4 TranslationMatrix(float x, float y, float z) {
    Matrix4 t = IdentityMatrix();
    t.m[3][0] = x;
    t.m[3][1] = y;
    t.m[3][2] = z;
    return t;
}

Vector3 TransformCoord(const Vector3& v, const Matrix4& m) {
    const Vector3 xyz = TransformNormal(v, m) + Vector3{m.m[3][0], m.m[3][1], m.m[3][2]};
    const float w = v.x * m.m[0][3] + v.y * m.m[1][3] + v.z * m.m[2][3] + m.m[3][3];
    // A point in the camera's plane has w = 0 and no finite image; keeping it
    // undivided avoids handing infinities and NaNs to the device or sprites.
    if (w == 0.0f) return xyz;
    return xyz * (1.0f / w);
}

Vector3 TransformNormal(const Vector3& v, const Matrix4& m) {
    return {v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0],
            v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1],
            v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2]};
}

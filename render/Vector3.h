// Three-component float vector of the 3D view: positions, directions and
// normals in the scene's left-handed coordinates (y up), with the few
// operations the camera, the meshes and the waterfall need.
#pragma once

#include <cmath>

struct Vector3 {
    float x = 0, y = 0, z = 0;
};

inline Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline Vector3 operator*(const Vector3& v, float s) {
    return {v.x * s, v.y * s, v.z * s};
}

inline float Dot(const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline float Length(const Vector3& v) {
    return std::sqrt(Dot(v, v));
}

// A zero vector has no direction; it stays zero rather than becoming NaN.
inline Vector3 Normalize(const Vector3& v) {
    const float length = Length(v);
    if (length == 0.0f) return {};
    return v * (1.0f / length);
}

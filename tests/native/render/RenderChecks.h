// Comparisons shared by the 3D view's math and mesh tests; each failure
// names the values or the triangle involved.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "render/Matrix4.h"
#include "render/MeshData.h"

inline ::testing::AssertionResult Near(const Vector3& a, const Vector3& e,
                                       float tolerance = 1e-5f) {
    if (Length(a - e) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << a.x << ", " << a.y << ", " << a.z << ") is not ("
                                         << e.x << ", " << e.y << ", " << e.z << ")";
}

inline ::testing::AssertionResult Near(const Matrix4& a, const Matrix4& e,
                                       float tolerance = 1e-5f) {
    for (int i = 0; i < 16; ++i) {
        const float x = a.m[i / 4][i % 4], y = e.m[i / 4][i % 4];
        if (!(std::fabs(x - y) <= tolerance)) {
            return ::testing::AssertionFailure()
                   << "[" << i / 4 << "][" << i % 4 << "] is " << x << ", expected " << y;
        }
    }
    return ::testing::AssertionSuccess();
}

// Unit normals pointing away from the centre; every triangle non-degenerate
// with its face normal outwards, which in left-handed coordinates means its
// corners run clockwise when seen from outside.
inline void ExpectOutwardClockwise(const MeshData& mesh) {
    for (const MeshVertex& v : mesh.vertices) {
        EXPECT_NEAR(Length(v.normal), 1.0f, 1e-5f);
        EXPECT_GT(Dot(v.normal, v.position), 0.0f);
    }
    for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
        const Vector3& a = mesh.vertices.at(mesh.indices[i]).position;
        const Vector3& b = mesh.vertices.at(mesh.indices[i + 1]).position;
        const Vector3& c = mesh.vertices.at(mesh.indices[i + 2]).position;
        const Vector3 face = Cross(b - a, c - a);
        EXPECT_GT(Length(face), 0.0f) << "triangle " << i / 3;
        EXPECT_GT(Dot(face, a + b + c), 0.0f) << "triangle " << i / 3;
    }
}

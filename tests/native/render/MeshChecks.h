// Properties every lit mesh of the view must have, checked triangle by
// triangle with the offending index in the message.
#pragma once

#include <gtest/gtest.h>

#include "render/MeshData.h"

// Unit normals; each triangle non-degenerate, its face normal pointing away
// from the origin and along its vertices' normals, which is clockwise order
// when seen from outside in left-handed coordinates.
inline void ExpectOutwardClockwise(const MeshData& mesh) {
    for (const MeshVertex& vertex : mesh.vertices) {
        EXPECT_NEAR(Length(vertex.normal), 1.0f, 1e-5f);
        EXPECT_GE(Dot(vertex.normal, vertex.position), 0.0f);
    }
    ASSERT_EQ(mesh.indices.size() % 3, 0u);
    for (size_t i = 0; i < mesh.indices.size(); i += 3) {
        ASSERT_LT(mesh.indices[i], mesh.vertices.size());
        ASSERT_LT(mesh.indices[i + 1], mesh.vertices.size());
        ASSERT_LT(mesh.indices[i + 2], mesh.vertices.size());
        const MeshVertex& a = mesh.vertices[mesh.indices[i]];
        const MeshVertex& b = mesh.vertices[mesh.indices[i + 1]];
        const MeshVertex& c = mesh.vertices[mesh.indices[i + 2]];
        const Vector3 face = Cross(b.position - a.position, c.position - a.position);
        const Vector3 centre = (a.position + b.position + c.position) * (1.0f / 3.0f);
        EXPECT_GT(Length(face), 0.0f) << "triangle " << i / 3;
        EXPECT_GT(Dot(face, centre), 0.0f) << "triangle " << i / 3;
        EXPECT_GT(Dot(face, a.normal + b.normal + c.normal), 0.0f) << "triangle " << i / 3;
    }
}

// Box geometry: counts, extents, flat outward normals and winding.
#include "render/BoxMesh.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/native/render/MeshChecks.h"
#include "tests/native/render/RenderMathChecks.h"

namespace {

TEST(BoxMeshTest, UnitBoxHasFourCornersPerFaceAndClockwiseFronts) {
    const MeshData box = BuildBoxMesh(1, 1, 1);
    ASSERT_EQ(box.vertices.size(), 24u);
    ASSERT_EQ(box.indices.size(), 36u);
    ExpectOutwardClockwise(box);
    // Every face normal appears on exactly four vertices.
    for (const Vector3& normal :
         {Vector3{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}}) {
        int count = 0;
        for (const MeshVertex& v : box.vertices) count += Near(v.normal, normal, 0) ? 1 : 0;
        EXPECT_EQ(count, 4) << normal.x << ", " << normal.y << ", " << normal.z;
    }
}

TEST(BoxMeshTest, CornersSitAtHalfTheSizesOnTheirFace) {
    const MeshData box = BuildBoxMesh(600, 2, 0.5f);
    for (const MeshVertex& v : box.vertices) {
        EXPECT_FLOAT_EQ(std::fabs(v.position.x), 300.0f);
        EXPECT_FLOAT_EQ(std::fabs(v.position.y), 1.0f);
        EXPECT_FLOAT_EQ(std::fabs(v.position.z), 0.25f);
        // The normal names the face the corner lies on.
        EXPECT_GT(Dot(v.normal, v.position), 0.0f);
    }
}

TEST(BoxMeshTest, InvalidSizesGiveNoMesh) {
    EXPECT_TRUE(BuildBoxMesh(-1, 1, 1).vertices.empty());
    EXPECT_TRUE(BuildBoxMesh(1, 1, NAN).indices.empty());
}

}  // namespace

// Box geometry: counts, extents, flat outward normals and winding.
#include "render/BoxMesh.h"

#include <gtest/gtest.h>

#include "tests/native/render/RenderChecks.h"

namespace {

TEST(BoxMeshTest, FourCornersPerFaceAtHalfTheSizesAndClockwiseFronts) {
    const MeshData box = BuildBoxMesh(600, 2, 0.5f);
    ASSERT_EQ(box.vertices.size(), 24u);
    ASSERT_EQ(box.indices.size(), 36u);
    ExpectOutwardClockwise(box);
    Vector3 normalSum;
    for (const MeshVertex& v : box.vertices) {
        EXPECT_TRUE(
            Near(Vector3{std::fabs(v.position.x), std::fabs(v.position.y), std::fabs(v.position.z)},
                 {300, 1, 0.25f}));
        // Flat faces: the normal is one of the six axis directions.
        EXPECT_FLOAT_EQ(std::fabs(v.normal.x) + std::fabs(v.normal.y) + std::fabs(v.normal.z), 1);
        normalSum = normalSum + v.normal;
    }
    EXPECT_TRUE(Near(normalSum, {}));
    EXPECT_TRUE(BuildBoxMesh(-1, 1, 1).vertices.empty());
    EXPECT_TRUE(BuildBoxMesh(1, 1, NAN).indices.empty());
}

}  // namespace

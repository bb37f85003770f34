// Sphere geometry: counts for several tessellations, radius, outward unit
// normals, winding and a closed surface.
#include "render/SphereMesh.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "tests/native/render/MeshChecks.h"
#include "tests/native/render/RenderMathChecks.h"

namespace {

struct Tessellation {
    float radius;
    uint32_t slices, stacks;
};

// Two slices are allowed but flat (a doubled lens), so the smallest solid
// case has three.
class SphereMeshTest : public ::testing::TestWithParam<Tessellation> {};

TEST_P(SphereMeshTest, CountsRadiusNormalsAndWinding) {
    const auto [radius, slices, stacks] = GetParam();
    const MeshData sphere = BuildSphereMesh(radius, slices, stacks);
    ASSERT_EQ(sphere.vertices.size(), slices * (stacks - 1) + 2);
    ASSERT_EQ(sphere.indices.size(), 3 * 2 * slices * (stacks - 1));
    for (const MeshVertex& v : sphere.vertices) {
        EXPECT_NEAR(Length(v.position), radius, radius * 1e-6f);
        EXPECT_TRUE(Near(v.normal * radius, v.position, radius * 1e-6f));
    }
    EXPECT_TRUE(Near(sphere.vertices.front().position, {0, 0, radius}));
    EXPECT_TRUE(Near(sphere.vertices.back().position, {0, 0, -radius}));
    ExpectOutwardClockwise(sphere);
}

// Each edge is walked once in each direction: no holes, no flipped triangle.
TEST_P(SphereMeshTest, SurfaceIsClosed) {
    const auto [radius, slices, stacks] = GetParam();
    const MeshData sphere = BuildSphereMesh(radius, slices, stacks);
    std::map<std::pair<int, int>, int> edges;
    for (size_t i = 0; i < sphere.indices.size(); i += 3) {
        for (size_t k = 0; k < 3; ++k) {
            ++edges[{sphere.indices[i + k], sphere.indices[i + (k + 1) % 3]}];
        }
    }
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1) << edge.first << " -> " << edge.second;
        EXPECT_EQ(edges.count({edge.second, edge.first}), 1u)
            << edge.first << " -> " << edge.second;
    }
}

INSTANTIATE_TEST_SUITE_P(Tessellations, SphereMeshTest,
                         ::testing::Values(Tessellation{1.2f, 16, 16}, Tessellation{1, 3, 2},
                                           Tessellation{3, 3, 7}, Tessellation{50, 40, 9}));

TEST(SphereMeshLimitsTest, InvalidArgumentsGiveNoMesh) {
    EXPECT_TRUE(BuildSphereMesh(1, 1, 16).vertices.empty());
    EXPECT_TRUE(BuildSphereMesh(1, 16, 1).vertices.empty());
    EXPECT_TRUE(BuildSphereMesh(-1, 16, 16).vertices.empty());
    // More vertices than 16-bit indices can reach.
    EXPECT_TRUE(BuildSphereMesh(1, 1000, 100).vertices.empty());
    EXPECT_EQ(BuildSphereMesh(1, 2, 2).indices.size(), 12u);
    EXPECT_EQ(BuildSphereMesh(1, 256, 256).vertices.size(), 256u * 255 + 2);
}

}  // namespace

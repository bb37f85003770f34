// Sphere geometry: counts for several tessellations, radius, outward unit
// normals, winding and a closed surface.
#include "render/SphereMesh.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "tests/native/render/RenderChecks.h"

namespace {

struct Tessellation {
    float radius;
    uint32_t slices, stacks;
};

// Two slices are allowed but flat, so the smallest solid case has three.
class SphereMeshTest : public ::testing::TestWithParam<Tessellation> {};

TEST_P(SphereMeshTest, ClosedSurfaceOfOutwardClockwiseTrianglesOnTheRadius) {
    const auto [radius, slices, stacks] = GetParam();
    const MeshData sphere = BuildSphereMesh(radius, slices, stacks);
    ASSERT_EQ(sphere.vertices.size(), slices * (stacks - 1) + 2);
    ASSERT_EQ(sphere.indices.size(), 3 * 2 * slices * (stacks - 1));
    for (const MeshVertex& v : sphere.vertices) {
        EXPECT_TRUE(Near(v.normal * radius, v.position, radius * 1e-6f));
    }
    EXPECT_TRUE(Near(sphere.vertices.front().position, {0, 0, radius}));
    ExpectOutwardClockwise(sphere);
    // Each edge is walked once each way: no holes, no flipped triangle.
    std::map<std::pair<int, int>, int> edges;
    for (size_t i = 0; i < sphere.indices.size(); ++i) {
        const size_t next = i % 3 == 2 ? i - 2 : i + 1;
        ++edges[{sphere.indices[i], sphere.indices[next]}];
    }
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1) << edge.first << " -> " << edge.second;
        EXPECT_EQ(edges.count({edge.second, edge.first}), 1u)
            << edge.first << " -> " << edge.second;
    }
}

INSTANTIATE_TEST_SUITE_P(Tessellations, SphereMeshTest,
                         ::testing::Values(Tessellation{1.2f, 16, 16}, Tessellation{1, 3, 2},
                                           Tessellation{50, 40, 9}),
                         [](const ::testing::TestParamInfo<Tessellation>& info) {
                             return std::to_string(info.param.slices) + "Slices" +
                                    std::to_string(info.param.stacks) + "Stacks";
                         });

TEST(SphereMeshLimitsTest, InvalidArgumentsGiveNoMesh) {
    EXPECT_TRUE(BuildSphereMesh(1, 1, 16).vertices.empty());
    EXPECT_TRUE(BuildSphereMesh(1, 16, 1).vertices.empty());
    EXPECT_TRUE(BuildSphereMesh(-1, 16, 16).vertices.empty());
    EXPECT_TRUE(BuildSphereMesh(1, 1000, 100).vertices.empty());  // beyond 16-bit indices
    EXPECT_EQ(BuildSphereMesh(1, 256, 256).vertices.size(), 256u * 255 + 2);
}

}  // namespace

// The waterfall's fixed geometry: edges, texture corners, triangle list and
// curtain.
#include "render/WaterGeometry.h"

#include <gtest/gtest.h>

using namespace WaterGeometry;

TEST(WaterGeometry, SurfaceSpansTheSceneWithTextureCornersAtItsEdges) {
    const std::vector<WaterVertex> surface = BuildSurfaceVertices();
    ASSERT_EQ(surface.size(), 8192u);
    const WaterVertex& frontLeft = surface[0];
    const WaterVertex& backRight = surface[31 * 256 + 255];
    EXPECT_FLOAT_EQ(frontLeft.x, -300.0f);
    EXPECT_FLOAT_EQ(frontLeft.z, -300.0f);
    EXPECT_FLOAT_EQ(frontLeft.u, 0.0f);
    EXPECT_FLOAT_EQ(frontLeft.v, 1.0f);
    EXPECT_NEAR(backRight.x, 300.0f, 1e-3f);
    EXPECT_NEAR(backRight.z, 500.0f, 1e-3f);
    EXPECT_NEAR(backRight.u, 1.0f, 1e-6f);
    EXPECT_NEAR(backRight.v, 0.0f, 1e-6f);
    for (const WaterVertex& vertex : surface) {
        ASSERT_EQ(vertex.y, 0.0f);
        ASSERT_EQ(vertex.ny, 1.0f);
    }
}

TEST(WaterGeometry, TrianglesCoverEveryCellOnceAndStayInsideTheSurface) {
    const std::vector<uint16_t> indices = BuildSurfaceIndices();
    ASSERT_EQ(indices.size(), 47430u);
    const std::vector<uint16_t> firstCell(indices.begin(), indices.begin() + 6);
    EXPECT_EQ(firstCell, (std::vector<uint16_t>{0, 256, 257, 0, 257, 1}));
    const std::vector<uint16_t> lastCell(indices.end() - 6, indices.end());
    EXPECT_EQ(lastCell, (std::vector<uint16_t>{7934, 8190, 8191, 7934, 8191, 7935}));
    // The curtain draws the first strip with its own two rows.
    for (int i = 0; i < kCurtainIndexCount; ++i) ASSERT_LT(indices[i], kCurtainVertexCount);
}

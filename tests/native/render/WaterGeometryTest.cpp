// The waterfall's fixed geometry: edges, texture corners, triangle list and
// curtain.
#include "render/WaterGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// Every cell is split along a diagonal into two upward triangles; a skipped,
// doubled, misplaced or flipped cell anywhere in the grid shows.
TEST(WaterGeometry, TwoUpwardTrianglesTileEveryCell) {
    const std::vector<uint16_t> indices = BuildSurfaceIndices();
    const std::vector<WaterVertex> surface = BuildSurfaceVertices();
    ASSERT_EQ(indices.size(), static_cast<size_t>(kSurfaceIndexCount));
    // Per cell, the corner (bit 2 * row offset + column offset) each triangle leaves out.
    std::vector<int> omitted((kRows - 1) * (kColumns - 1));
    std::vector<int> triangles(omitted.size());
    for (size_t first = 0; first < indices.size(); first += 3) {
        const uint16_t* t = &indices[first];
        const int row = std::min({t[0], t[1], t[2]}) / kColumns;
        const int column = std::min({t[0] % kColumns, t[1] % kColumns, t[2] % kColumns});
        int corners = 0;
        for (int i = 0; i < 3; ++i) {
            const int dRow = t[i] / kColumns - row;
            const int dColumn = t[i] % kColumns - column;
            ASSERT_TRUE(dRow <= 1 && dColumn <= 1 && row < kRows - 1 && column < kColumns - 1)
                << "triangle " << first / 3 << " is not half of one cell";
            corners |= 1 << (2 * dRow + dColumn);
        }
        // y of the geometric normal: up like the vertex normals, 0 when degenerate.
        const WaterVertex &p0 = surface[t[0]], &p1 = surface[t[1]], &p2 = surface[t[2]];
        ASSERT_GT((p1.z - p0.z) * (p2.x - p0.x) - (p1.x - p0.x) * (p2.z - p0.z), 0.0f)
            << "triangle " << first / 3 << " faces down or is degenerate";
        omitted[row * (kColumns - 1) + column] |= corners ^ 15;
        ++triangles[row * (kColumns - 1) + column];
    }
    for (size_t cell = 0; cell < omitted.size(); ++cell) {
        // Two halves tile the cell only when they leave out opposite corners.
        EXPECT_TRUE(triangles[cell] == 2 && (omitted[cell] == 9 || omitted[cell] == 6))
            << "cell " << cell / (kColumns - 1) << "," << cell % (kColumns - 1);
    }
}

TEST(WaterGeometry, CurtainDrawsTheFirstStripWithItsOwnTwoRows) {
    const std::vector<uint16_t> indices = BuildSurfaceIndices();
    for (int i = 0; i < kCurtainIndexCount; ++i) ASSERT_LT(indices[i], kCurtainVertexCount);
}

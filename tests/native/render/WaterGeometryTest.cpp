// The waterfall's fixed geometry: edges, texture corners, triangle list and
// curtain.
#include "render/WaterGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

using namespace WaterGeometry;

namespace {

// The corner of its cell that a triangle leaves out, as (row, column) offsets
// 0 or 1; the triangle must lie within the cell whose lowest corner is given.
std::pair<int, int> OmittedCorner(const std::array<int, 3>& triangle, int row, int column) {
    int used[2][2] = {};
    for (int vertex : triangle) {
        const int dRow = vertex / kColumns - row;
        const int dColumn = vertex % kColumns - column;
        if (dRow < 0 || dRow > 1 || dColumn < 0 || dColumn > 1) return {-1, -1};
        ++used[dRow][dColumn];
    }
    for (int dRow : {0, 1}) {
        for (int dColumn : {0, 1}) {
            if (used[dRow][dColumn] == 0) return {dRow, dColumn};
        }
    }
    return {-1, -1};
}

// y of the triangle's geometric normal: positive when it faces up, as the
// vertex normals say, and zero when it is degenerate.
float Upward(const WaterVertex& p0, const WaterVertex& p1, const WaterVertex& p2) {
    return (p1.z - p0.z) * (p2.x - p0.x) - (p1.x - p0.x) * (p2.z - p0.z);
}

}  // namespace

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
    const int cellColumns = kColumns - 1;
    std::vector<std::vector<std::pair<int, int>>> omitted((kRows - 1) * cellColumns);
    for (size_t first = 0; first < indices.size(); first += 3) {
        const std::array<int, 3> triangle = {indices[first], indices[first + 1],
                                             indices[first + 2]};
        int row = kRows;
        int column = kColumns;
        for (int vertex : triangle) {
            row = std::min(row, vertex / kColumns);
            column = std::min(column, vertex % kColumns);
        }
        const std::pair<int, int> corner = OmittedCorner(triangle, row, column);
        ASSERT_TRUE(corner.first >= 0 && row < kRows - 1 && column < cellColumns)
            << "triangle " << first / 3 << " is not half of one cell";
        ASSERT_GT(Upward(surface[triangle[0]], surface[triangle[1]], surface[triangle[2]]), 0.0f)
            << "triangle " << first / 3 << " faces down";
        omitted[row * cellColumns + column].push_back(corner);
    }
    for (int cell = 0; cell < static_cast<int>(omitted.size()); ++cell) {
        const auto& corners = omitted[cell];
        ASSERT_EQ(corners.size(), 2u) << "cell " << cell / cellColumns << "," << cell % cellColumns;
        // Two halves tile the cell only when they leave out opposite corners.
        EXPECT_TRUE(corners[0].first != corners[1].first && corners[0].second != corners[1].second)
            << "cell " << cell / cellColumns << "," << cell % cellColumns;
    }
}

TEST(WaterGeometry, CurtainDrawsTheFirstStripWithItsOwnTwoRows) {
    const std::vector<uint16_t> indices = BuildSurfaceIndices();
    for (int i = 0; i < kCurtainIndexCount; ++i) ASSERT_LT(indices[i], kCurtainVertexCount);
}

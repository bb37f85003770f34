// The surface's scroll, front row normals and vertex write.
#include "render/WaterSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace WaterGeometry;

namespace {
std::vector<float> Ramp(float step) {
    std::vector<float> heights(kColumns);
    for (int column = 0; column < kColumns; ++column) heights[column] = column * step;
    return heights;
}

void ExpectNormal(const WaterVertex& vertex, float nx, float ny, float nz, int column) {
    const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
    EXPECT_NEAR(vertex.nx, nx / length, 1e-6f) << "column " << column;
    EXPECT_NEAR(vertex.ny, ny / length, 1e-6f) << "column " << column;
    EXPECT_NEAR(vertex.nz, nz / length, 1e-6f) << "column " << column;
}
}  // namespace

TEST(WaterSurface, OlderRowsMoveBackUnchangedAndLandAtTheirNewDepth) {
    CWaterSurface surface;
    const std::vector<float> first = Ramp(0.5f);
    const std::vector<float> flat(kColumns, 40.0f);
    surface.PushFront(first.data());
    const WaterVertex firstFront = surface.At(0, 17);
    surface.PushFront(flat.data());
    surface.PushFront(flat.data());

    const WaterVertex& moved = surface.At(2, 17);
    EXPECT_EQ(moved.y, firstFront.y);
    EXPECT_EQ(moved.nx, firstFront.nx);
    EXPECT_EQ(moved.nz, firstFront.nz);

    std::vector<WaterVertex> written(kSurfaceVertexCount);
    surface.WriteVertices(written.data());
    const std::vector<WaterVertex> layout = BuildSurfaceVertices();
    for (int i = 0; i < kSurfaceVertexCount; ++i) {
        ASSERT_EQ(written[i].x, layout[i].x) << i;
        ASSERT_EQ(written[i].z, layout[i].z) << i;
        ASSERT_EQ(written[i].u, layout[i].u) << i;
        ASSERT_EQ(written[i].v, layout[i].v) << i;
    }
    EXPECT_EQ(written[2 * kColumns + 17].y, firstFront.y);
    EXPECT_EQ(written[3 * kColumns + 17].y, 0.0f);
    EXPECT_EQ(written[17].y, 40.0f);
}

TEST(WaterSurface, BorderColumnsUseTheirOwnHeightForTheMissingNeighbour) {
    CWaterSurface surface;
    const std::vector<float> ramp = Ramp(0.5f);
    surface.PushFront(ramp.data());
    surface.PushFront(ramp.data());
    // Inside, the neighbours are half a unit down and up: a slope of 1; at
    // the borders only one neighbour differs.
    ExpectNormal(surface.At(0, 0), -0.5f, 0.1f, 0.0f, 0);
    ExpectNormal(surface.At(0, 100), -1.0f, 50.0f * 0.25f + 0.1f, 0.0f, 100);
    ExpectNormal(surface.At(0, 255), -0.5f, 127.5f * 0.25f + 0.1f, 0.0f, 255);
}

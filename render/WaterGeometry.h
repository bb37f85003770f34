// The waterfall's fixed layout in scene units: 32 rows of 256 columns from
// the front edge (z = -300, newest spectrum) to the back (z = +500), x from
// -300 to +300, heights 0 to 200; the surface's and the curtain's vertex and
// index lists, built once and copied into the device's buffers.
#pragma once

#include <cstdint>
#include <vector>

#include "render/WaterVertex.h"

namespace WaterGeometry {

constexpr int kRows = 32;
constexpr int kColumns = 256;
constexpr int kSurfaceVertexCount = kRows * kColumns;
constexpr int kSurfaceIndexCount = (kRows - 1) * (kColumns - 1) * 6;
constexpr int kSurfaceTriangleCount = kSurfaceIndexCount / 3;
// The curtain is the surface's first strip: its own two rows of vertices.
constexpr int kCurtainVertexCount = 2 * kColumns;
constexpr int kCurtainIndexCount = (kColumns - 1) * 6;
constexpr int kCurtainTriangleCount = kCurtainIndexCount / 3;

constexpr float kLeftX = -300.0f;
constexpr float kWidth = 600.0f;
constexpr float kFrontZ = -300.0f;
constexpr float kDepth = 800.0f;
constexpr float kTopHeight = 200.0f;
constexpr float kCurtainStartHeight = 180.0f;
// 600 / 255 and 800 / 31 as float: the first and last column and row sit
// exactly on the edges.
constexpr float kColumnSpacing = 2.3529413f;
constexpr float kRowSpacing = 25.806452f;
// Spheres and labels spread 256 bands over 600 units (600 / 256), not 255.
constexpr float kBandSpacing = 2.34375f;

static_assert(kSurfaceIndexCount == 47430, "two triangles per cell of 31 x 255");
static_assert(kCurtainIndexCount == 1530, "the first strip of the surface");

float ColumnX(int column);
float RowZ(int row);
// Texture v of a row: 1 at the front edge, 0 at the back.
float RowV(int row);
// x of the sphere or label of a band.
float BandX(int band);

// Row-major, row 0 at the front: vertex (row, column) at 256 row + column,
// flat (height 0, normal up).
std::vector<WaterVertex> BuildSurfaceVertices();
// Two triangles per cell, 16-bit, the curtain's list is the first 1530.
std::vector<uint16_t> BuildSurfaceIndices();
// Row 0 is the curtain's bottom edge (v 0), row 1 its top edge (v 1, height
// 180 until the first frame), both along the front edge.
std::vector<WaterVertex> BuildCurtainVertices();

}  // namespace WaterGeometry

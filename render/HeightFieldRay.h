// The first point where a ray meets a height field drawn as the waterfall
// draws its surface: a grid of rows along z and columns along x, each cell
// split into two triangles by the diagonal from (row, column) to (row + 1,
// column + 1). Used to find the band and row under the mouse in 3D.
#pragma once

#include <array>
#include <optional>

#include "render/Unproject.h"
#include "render/WaterGeometry.h"
#include "render/WaterSurface.h"

struct HeightField {
    const float* heights;  // rows x columns, row-major
    int rows;
    int columns;
    float originX, spacingX;  // column c at x = originX + c spacingX
    float originZ, spacingZ;  // row r at z = originZ + r spacingZ
};

struct HeightFieldHit {
    Vector3 point;
    float distance;  // along the ray from its origin
    int row;         // the grid point nearest to the hit
    int column;
};

using SurfaceHeights = std::array<float, WaterGeometry::kSurfaceVertexCount>;

// The first crossing at or after the ray's origin, from above or below;
// nothing when the ray passes beside, over or under the whole surface. The
// cells are visited in the order the ray crosses them, so a ridge behind a
// lower one is found only when the ray clears the lower one.
std::optional<HeightFieldHit> FirstHit(const Ray& ray, const HeightField& field);

// Row 0 (front) to row 31 of the waterfall's surface, as FirstHit reads it.
void CopySurfaceHeights(const CWaterSurface& surface, SurfaceHeights& out);

// The waterfall's grid over those heights: column j is band j.
HeightField WaterfallHeightField(const SurfaceHeights& heights);

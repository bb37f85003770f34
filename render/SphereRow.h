// A row of 256 spheres along the front edge, one per band, as one mesh: the
// peak and reference traces are drawn in one call each instead of one call
// per sphere. Each sphere is the template moved to (band x, height, -300),
// exactly what a world translation of the template would draw.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/SpectrumStore.h"
#include "render/MeshData.h"

namespace SphereRow {

constexpr int kSpheres = kBandCount;

// False when 256 copies of the template do not fit 16-bit indices.
bool Fits(const MeshData& sphere);

// The template's triangles repeated for every sphere, each copy offset by
// the template's vertex count.
std::vector<uint16_t> BuildIndices(const MeshData& sphere);

// 256 x the template's vertices: sphere j centred on (BandX(j), heights[j],
// -300), normals as the template's.
void WriteVertices(const MeshData& sphere, const BandLevels& heights, MeshVertex* out);

}  // namespace SphereRow

// One mesh for a row of spheres.
#include "render/SphereRow.h"

#include "render/WaterGeometry.h"

namespace SphereRow {

bool Fits(const MeshData& sphere) {
    return !sphere.vertices.empty() && sphere.vertices.size() * kSpheres <= 65536u;
}

std::vector<uint16_t> BuildIndices(const MeshData& sphere) {
    std::vector<uint16_t> indices;
    indices.reserve(sphere.indices.size() * kSpheres);
    const size_t stride = sphere.vertices.size();
    for (int band = 0; band < kSpheres; ++band) {
        for (uint16_t index : sphere.indices) {
            indices.push_back(static_cast<uint16_t>(index + band * stride));
        }
    }
    return indices;
}

void WriteVertices(const MeshData& sphere, const BandLevels& heights, MeshVertex* out) {
    for (int band = 0; band < kSpheres; ++band) {
        const Vector3 centre{WaterGeometry::BandX(band), heights[band], WaterGeometry::kFrontZ};
        for (const MeshVertex& vertex : sphere.vertices) {
            *out++ = {vertex.position + centre, vertex.normal};
        }
    }
}

}  // namespace SphereRow

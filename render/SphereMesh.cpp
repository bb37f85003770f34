// Sphere geometry: rings of latitude from the +z pole to the -z pole, joined
// by triangle fans at the poles and quads between rings.
#include "render/SphereMesh.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

void AddTriangle(MeshData& mesh, uint32_t a, uint32_t b, uint32_t c) {
    mesh.indices.push_back(static_cast<uint16_t>(a));
    mesh.indices.push_back(static_cast<uint16_t>(b));
    mesh.indices.push_back(static_cast<uint16_t>(c));
}

void AddPoint(MeshData& mesh, const Vector3& unit, float radius) {
    mesh.vertices.push_back({unit * radius, unit});
}

}  // namespace

MeshData BuildSphereMesh(float radius, uint32_t slices, uint32_t stacks) {
    if (!(radius >= 0.0f) || slices < 2 || stacks < 2) return {};
    const uint64_t vertexCount = uint64_t{slices} * (stacks - 1) + 2;
    if (vertexCount > 65536) return {};

    MeshData mesh;
    mesh.vertices.reserve(static_cast<size_t>(vertexCount));
    mesh.indices.reserve(size_t{6} * slices * (stacks - 1));

    // Angles in double so that large slice counts still close the ring.
    AddPoint(mesh, {0, 0, 1}, radius);
    for (uint32_t ring = 1; ring < stacks; ++ring) {
        const double polar = kPi * ring / stacks;
        const float ringRadius = static_cast<float>(std::sin(polar));
        const float z = static_cast<float>(std::cos(polar));
        for (uint32_t slice = 0; slice < slices; ++slice) {
            const double azimuth = 2.0 * kPi * slice / slices;
            AddPoint(mesh,
                     {ringRadius * static_cast<float>(std::cos(azimuth)),
                      ringRadius * static_cast<float>(std::sin(azimuth)), z},
                     radius);
        }
    }
    AddPoint(mesh, {0, 0, -1}, radius);

    // Within each band, "upper" is nearer +z. With azimuth growing, the order
    // upper, lower, next lower is clockwise seen from outside.
    const uint32_t bottom = static_cast<uint32_t>(vertexCount - 1);
    auto ringVertex = [slices](uint32_t ring, uint32_t slice) {
        return 1 + (ring - 1) * slices + slice % slices;
    };
    for (uint32_t slice = 0; slice < slices; ++slice) {
        AddTriangle(mesh, 0, ringVertex(1, slice), ringVertex(1, slice + 1));
    }
    for (uint32_t ring = 1; ring + 1 < stacks; ++ring) {
        for (uint32_t slice = 0; slice < slices; ++slice) {
            const uint32_t upper = ringVertex(ring, slice);
            const uint32_t upperNext = ringVertex(ring, slice + 1);
            const uint32_t lower = ringVertex(ring + 1, slice);
            const uint32_t lowerNext = ringVertex(ring + 1, slice + 1);
            AddTriangle(mesh, upper, lower, lowerNext);
            AddTriangle(mesh, upper, lowerNext, upperNext);
        }
    }
    for (uint32_t slice = 0; slice < slices; ++slice) {
        AddTriangle(mesh, ringVertex(stacks - 1, slice), bottom, ringVertex(stacks - 1, slice + 1));
    }
    return mesh;
}

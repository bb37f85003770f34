// Geometry of a lit mesh as the device draws it: positions with outward unit
// normals and a 16-bit triangle list whose front faces wind clockwise, the
// side Direct3D keeps with its default culling.
#pragma once

#include <cstdint>
#include <vector>

#include "render/Vector3.h"

struct MeshVertex {
    Vector3 position;
    Vector3 normal;
};

struct MeshData {
    std::vector<MeshVertex> vertices;
    std::vector<uint16_t> indices;
};

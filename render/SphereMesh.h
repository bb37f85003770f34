// A sphere centred on the origin with its poles on the z axis: one vertex at
// each pole and stacks - 1 rings of slices vertices between them, so
// slices * (stacks - 1) + 2 vertices and 2 * slices * (stacks - 1) triangles.
#pragma once

#include <cstdint>

#include "render/MeshData.h"

// Empty when the radius is negative or not a number, when slices or stacks
// is below 2, or when the vertices would not fit 16-bit indices.
MeshData BuildSphereMesh(float radius, uint32_t slices, uint32_t stacks);

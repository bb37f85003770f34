// One vertex of the waterfall's surface and curtain as the vertex buffers
// hold it: position, normal and one set of texture coordinates, 32 bytes.
#pragma once

#include <cstdint>

struct WaterVertex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};

static_assert(sizeof(WaterVertex) == 32, "the vertex buffers' stride is 32 bytes");

// Flexible vertex format of WaterVertex: position, normal, one texture set.
constexpr uint32_t kWaterVertexFvf = 0x112;

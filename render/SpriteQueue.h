// The device-free half of the sprite batch: turns each queued screen-space
// rectangle into four pre-transformed vertices at once and groups
// consecutive items that share a texture into runs, one draw call each.
// Submission order is drawing order.
#pragma once

#include <cstdint>
#include <vector>

#include "os/Window.h"

// Layout of D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1.
struct SpriteVertex {
    float x, y, z, rhw;
    uint32_t colour;
    float u, v;
};
static_assert(sizeof(SpriteVertex) == 28, "matches the device's vertex format");

struct SpriteRun {
    const void* texture;
    uint32_t firstItem;
    uint32_t itemCount;
};

// Row-vector affine transform as Direct3D stores it: m[3] is the translation.
using SpriteTransform = float[4][4];

class CSpriteQueue {
public:
    static constexpr uint32_t kVerticesPerItem = 4;
    static constexpr uint32_t kIndicesPerItem = 6;

    CSpriteQueue();

    void Clear();
    // Applies to items added after it.
    void SetTransform(const SpriteTransform& transform);
    // Queues the source rectangle (the whole texture when null) of a texture
    // of the given size, its corner at position - centre (origin when null).
    // False, and nothing queued, for an empty source rectangle.
    bool Add(const void* texture, int32_t textureWidth, int32_t textureHeight,
             const os::Rect* source, const float* centre, const float* position, uint32_t colour);

    const std::vector<SpriteVertex>& Vertices() const { return vertices_; }
    const std::vector<SpriteRun>& Runs() const { return runs_; }
    uint32_t ItemCount() const {
        return static_cast<uint32_t>(vertices_.size() / kVerticesPerItem);
    }

private:
    SpriteTransform transform_;
    std::vector<SpriteVertex> vertices_;
    std::vector<SpriteRun> runs_;
};

// Two triangles per quad (corners 0 1 2 and 0 2 3), for quadCount quads.
void BuildQuadIndices(uint16_t* indices, uint32_t quadCount);

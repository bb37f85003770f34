// Vertex building and texture runs of the sprite batch.
#include "render/SpriteQueue.h"

#include <algorithm>
#include <cstring>

namespace {

// Pixel centres of pre-transformed vertices sit at integer coordinates, so a
// half-pixel shift maps texel n exactly onto pixel n.
constexpr float kPixelCentreShift = -0.5f;

}  // namespace

CSpriteQueue::CSpriteQueue() {
    const SpriteTransform identity = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    SetTransform(identity);
}

void CSpriteQueue::Clear() {
    vertices_.clear();
    runs_.clear();
}

void CSpriteQueue::SetTransform(const SpriteTransform& transform) {
    std::memcpy(transform_, transform, sizeof transform_);
}

bool CSpriteQueue::Add(const void* texture, int32_t textureWidth, int32_t textureHeight,
                       const os::Rect* source, const float* centre, const float* position,
                       uint32_t colour) {
    const os::Rect area = source != nullptr ? *source : os::Rect{0, 0, textureWidth, textureHeight};
    const float width = static_cast<float>(area.right - area.left);
    const float height = static_cast<float>(area.bottom - area.top);
    if (width <= 0.0f || height <= 0.0f || textureWidth <= 0 || textureHeight <= 0) return false;

    const float zero[3] = {0.0f, 0.0f, 0.0f};
    if (centre == nullptr) centre = zero;
    if (position == nullptr) position = zero;
    const float originX = position[0] - centre[0];
    const float originY = position[1] - centre[1];
    const float originZ = position[2] - centre[2];
    // The transform is affine: move the origin once, then step along its
    // transformed x and y axes to the other corners.
    const SpriteTransform& m = transform_;
    const float screenX =
        originX * m[0][0] + originY * m[1][0] + originZ * m[2][0] + m[3][0] + kPixelCentreShift;
    const float screenY =
        originX * m[0][1] + originY * m[1][1] + originZ * m[2][1] + m[3][1] + kPixelCentreShift;
    const float depth = originX * m[0][2] + originY * m[1][2] + originZ * m[2][2] + m[3][2];
    const float corners[4][2] = {{0, 0}, {width, 0}, {width, height}, {0, height}};
    const float textureScaleU = 1.0f / static_cast<float>(textureWidth);
    const float textureScaleV = 1.0f / static_cast<float>(textureHeight);
    const size_t first = vertices_.size();
    vertices_.resize(first + kVerticesPerItem);
    SpriteVertex* vertex = &vertices_[first];
    for (const auto& corner : corners) {
        vertex->x = screenX + corner[0] * m[0][0] + corner[1] * m[1][0];
        vertex->y = screenY + corner[0] * m[0][1] + corner[1] * m[1][1];
        // Depths outside the depth buffer's range would be clipped away.
        vertex->z = std::clamp(depth + corner[0] * m[0][2] + corner[1] * m[1][2], 0.0f, 1.0f);
        vertex->rhw = 1.0f;
        vertex->colour = colour;
        vertex->u = (static_cast<float>(area.left) + corner[0]) * textureScaleU;
        vertex->v = (static_cast<float>(area.top) + corner[1]) * textureScaleV;
        ++vertex;
    }

    const uint32_t item = ItemCount() - 1;
    if (!runs_.empty() && runs_.back().texture == texture) {
        ++runs_.back().itemCount;
    } else {
        runs_.push_back(SpriteRun{texture, item, 1});
    }
    return true;
}

void BuildQuadIndices(uint16_t* indices, uint32_t quadCount) {
    for (uint32_t quad = 0; quad < quadCount; ++quad) {
        const auto first = static_cast<uint16_t>(quad * CSpriteQueue::kVerticesPerItem);
        const uint16_t pattern[6] = {0, 1, 2, 0, 2, 3};
        for (uint16_t corner : pattern) *indices++ = static_cast<uint16_t>(first + corner);
    }
}

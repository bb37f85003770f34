// Projection of a scene point through world, view and projection to the
// pixels and depth of a viewport.
#include "render/Viewport.h"

Vector3 ProjectToScreen(const Vector3& point, const Viewport& viewport, const Matrix4& projection,
                        const Matrix4& view, const Matrix4& world) {
    const Vector3 clip = TransformCoord(point, world * view * projection);
    return {viewport.x + (1.0f + clip.x) * viewport.width * 0.5f,
            viewport.y + (1.0f - clip.y) * viewport.height * 0.5f,
            viewport.minZ + clip.z * (viewport.maxZ - viewport.minZ)};
}

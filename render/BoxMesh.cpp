// Box geometry: one quad per face, two clockwise triangles each.
#include "render/BoxMesh.h"

#include <array>

MeshData BuildBoxMesh(float width, float height, float depth) {
    // The negated test also rejects NaN.
    if (!(width >= 0.0f && height >= 0.0f && depth >= 0.0f)) return {};
    const std::array<float, 3> half = {width * 0.5f, height * 0.5f, depth * 0.5f};
    MeshData mesh;
    mesh.vertices.reserve(24);
    mesh.indices.reserve(36);
    for (int axis = 0; axis < 3; ++axis) {
        for (float sign : {-1.0f, 1.0f}) {
            // For the face normal n = sign * e[axis], the edge directions
            // v = e[axis + 1] and u = sign * e[axis + 2] satisfy v x u = n, so
            // the corner order -u-v, -u+v, +u+v, +u-v is clockwise from outside.
            std::array<float, 3> normal{}, u{}, v{};
            normal[axis] = sign;
            v[(axis + 1) % 3] = 1.0f;
            u[(axis + 2) % 3] = sign;
            const uint16_t first = static_cast<uint16_t>(mesh.vertices.size());
            for (auto [su, sv] : {std::array<float, 2>{-1, -1}, {-1, 1}, {1, 1}, {1, -1}}) {
                std::array<float, 3> p{};
                for (int k = 0; k < 3; ++k) p[k] = (normal[k] + su * u[k] + sv * v[k]) * half[k];
                mesh.vertices.push_back({{p[0], p[1], p[2]}, {normal[0], normal[1], normal[2]}});
            }
            for (uint16_t corner : {0, 1, 2, 0, 2, 3}) {
                mesh.indices.push_back(static_cast<uint16_t>(first + corner));
            }
        }
    }
    return mesh;
}

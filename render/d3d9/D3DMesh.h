// A lit mesh (positions and normals, 16-bit triangle list) in managed vertex
// and index buffers, drawn in one call: the stand-in for the D3DX box and
// sphere meshes. Managed buffers survive a device reset.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "render/MeshData.h"
#include "render/d3d9/ComPtr.h"

struct IDirect3DDevice9;
struct IDirect3DVertexBuffer9;
struct IDirect3DIndexBuffer9;

class CD3DMesh {
public:
    // Position and normal, as MeshVertex lays them out.
    static constexpr uint32_t kFvf = 0x012;

    // Null when the mesh is empty or a buffer cannot be created or filled.
    static std::unique_ptr<CD3DMesh> Create(IDirect3DDevice9* device, const MeshData& mesh);

    // Sets the format, stream and indices and draws every triangle.
    void Draw(IDirect3DDevice9* device) const;

private:
    CD3DMesh() = default;

    ComPtr<IDirect3DVertexBuffer9> vertices_;
    ComPtr<IDirect3DIndexBuffer9> indices_;
    uint32_t vertexCount_ = 0;
    uint32_t triangleCount_ = 0;
};

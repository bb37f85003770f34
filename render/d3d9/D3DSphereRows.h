// The waterfall's five rows of spheres (peaks, references A to D), each one
// dynamic vertex buffer sharing one index buffer, so a row is one draw call.
// A row's vertices are written again only when its heights changed.
// User-interface thread only.
#pragma once

#include <array>
#include <cstdint>

#include "analysis/SpectrumStore.h"
#include "render/MeshData.h"
#include "render/d3d9/ComPtr.h"

struct IDirect3DDevice9;
struct IDirect3DVertexBuffer9;
struct IDirect3DIndexBuffer9;

class CD3DSphereRows {
public:
    static constexpr int kRowCount = 1 + CSpectrumStore::kReferenceCount;

    explicit CD3DSphereRows(MeshData sphere);

    // The shared index buffer (managed) and the rows' vertex buffers (default
    // pool); false when one cannot be created.
    bool Create(IDirect3DDevice9* device);
    // The default-pool buffers go with a lost device; Create makes them again.
    void ReleaseVertexBuffers();

    // Draws row with its spheres at heights; the world transform must be the
    // identity (the vertices are in scene coordinates).
    void Draw(IDirect3DDevice9* device, int row, const BandLevels& heights);

private:
    bool Upload(int row, const BandLevels& heights);

    MeshData sphere_;
    uint32_t vertexCount_ = 0;
    uint32_t triangleCount_ = 0;
    ComPtr<IDirect3DIndexBuffer9> indices_;
    std::array<ComPtr<IDirect3DVertexBuffer9>, kRowCount> rows_;
    std::array<BandLevels, kRowCount> uploaded_{};
    std::array<bool, kRowCount> valid_{};
};

// CD3DMesh: managed buffers of a lit mesh.
#include "render/d3d9/D3DMesh.h"

#include <d3d9.h>

#include <cstring>

static_assert(sizeof(MeshVertex) == 24, "position and normal, packed");

std::unique_ptr<CD3DMesh> CD3DMesh::Create(IDirect3DDevice9* device, const MeshData& mesh) {
    if (mesh.vertices.empty() || mesh.indices.empty()) return nullptr;
    std::unique_ptr<CD3DMesh> result(new CD3DMesh());
    const UINT vertexBytes = static_cast<UINT>(mesh.vertices.size() * sizeof(MeshVertex));
    const UINT indexBytes = static_cast<UINT>(mesh.indices.size() * sizeof(uint16_t));
    if (FAILED(device->CreateVertexBuffer(vertexBytes, D3DUSAGE_WRITEONLY, kFvf, D3DPOOL_MANAGED,
                                          result->vertices_.Receive(), nullptr)) ||
        FAILED(device->CreateIndexBuffer(indexBytes, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                         D3DPOOL_MANAGED, result->indices_.Receive(), nullptr))) {
        return nullptr;
    }
    void* bits = nullptr;
    if (FAILED(result->vertices_->Lock(0, 0, &bits, 0))) return nullptr;
    std::memcpy(bits, mesh.vertices.data(), vertexBytes);
    result->vertices_->Unlock();
    if (FAILED(result->indices_->Lock(0, 0, &bits, 0))) return nullptr;
    std::memcpy(bits, mesh.indices.data(), indexBytes);
    result->indices_->Unlock();
    result->vertexCount_ = static_cast<uint32_t>(mesh.vertices.size());
    result->triangleCount_ = static_cast<uint32_t>(mesh.indices.size() / 3);
    return result;
}

void CD3DMesh::Draw(IDirect3DDevice9* device) const {
    device->SetFVF(kFvf);
    device->SetStreamSource(0, vertices_.Get(), 0, sizeof(MeshVertex));
    device->SetIndices(indices_.Get());
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, vertexCount_, 0, triangleCount_);
}

// CD3DSphereRows: one draw call per row of spheres.
#include "render/d3d9/D3DSphereRows.h"

#include <d3d9.h>

#include <cstring>
#include <utility>
#include <vector>

#include "render/SphereRow.h"
#include "render/d3d9/D3DMesh.h"

CD3DSphereRows::CD3DSphereRows(MeshData sphere) : sphere_(std::move(sphere)) {
    if (!SphereRow::Fits(sphere_)) sphere_ = {};
    vertexCount_ = static_cast<uint32_t>(sphere_.vertices.size() * SphereRow::kSpheres);
    triangleCount_ = static_cast<uint32_t>(sphere_.indices.size() / 3 * SphereRow::kSpheres);
}

bool CD3DSphereRows::Create(IDirect3DDevice9* device) {
    if (vertexCount_ == 0) return false;
    if (!indices_) {
        const std::vector<uint16_t> indices = SphereRow::BuildIndices(sphere_);
        const UINT bytes = static_cast<UINT>(indices.size() * sizeof(uint16_t));
        void* bits = nullptr;
        if (FAILED(device->CreateIndexBuffer(bytes, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                             D3DPOOL_MANAGED, indices_.Receive(), nullptr)) ||
            FAILED(indices_->Lock(0, 0, &bits, 0))) {
            indices_.Reset();
            return false;
        }
        std::memcpy(bits, indices.data(), bytes);
        indices_->Unlock();
    }
    const UINT vertexBytes = vertexCount_ * sizeof(MeshVertex);
    for (int row = 0; row < kRowCount; ++row) {
        valid_[row] = false;
        if (rows_[row]) continue;
        if (FAILED(device->CreateVertexBuffer(vertexBytes, D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY,
                                              CD3DMesh::kFvf, D3DPOOL_DEFAULT, rows_[row].Receive(),
                                              nullptr))) {
            rows_[row].Reset();
            return false;
        }
    }
    return true;
}

void CD3DSphereRows::ReleaseVertexBuffers() {
    for (int row = 0; row < kRowCount; ++row) {
        rows_[row].Reset();
        valid_[row] = false;
    }
}

bool CD3DSphereRows::Upload(int row, const BandLevels& heights) {
    if (valid_[row] && uploaded_[row] == heights) return true;
    void* bits = nullptr;
    if (FAILED(rows_[row]->Lock(0, 0, &bits, D3DLOCK_DISCARD))) return false;
    SphereRow::WriteVertices(sphere_, heights, static_cast<MeshVertex*>(bits));
    rows_[row]->Unlock();
    uploaded_[row] = heights;
    valid_[row] = true;
    return true;
}

void CD3DSphereRows::Draw(IDirect3DDevice9* device, int row, const BandLevels& heights) {
    if (!indices_ || !rows_[row] || !Upload(row, heights)) return;
    device->SetFVF(CD3DMesh::kFvf);
    device->SetStreamSource(0, rows_[row].Get(), 0, sizeof(MeshVertex));
    device->SetIndices(indices_.Get());
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, vertexCount_, 0, triangleCount_);
}

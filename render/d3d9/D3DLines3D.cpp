// CD3DLines3D: boxes along lines.
#include "render/d3d9/D3DLines3D.h"

#include <d3d9.h>

#include <cstring>

#include "diag/Log.h"
#include "render/BoxMesh.h"
#include "render/Line3D.h"
#include "render/d3d9/D3DMesh.h"

namespace {
constexpr char kLogSource[] = "D3DLines3D";
constexpr size_t kReservedLines = 16;
}  // namespace

struct CD3DLines3D::Line {
    Matrix4 world;
    D3DMATERIAL9 material;
};

CD3DLines3D::CD3DLines3D(IDirect3DDevice9* device) {
    lines_.reserve(kReservedLines);
    box_ = CD3DMesh::Create(device, BuildBoxMesh(1.0f, 1.0f, 1.0f));
    if (!box_) VS_LOG_ERROR("Could not create box");
}

CD3DLines3D::~CD3DLines3D() = default;

size_t CD3DLines3D::LineCount() const {
    return lines_.size();
}

int CD3DLines3D::AddLine(const Vector3& from, const Vector3& to, float thickness) {
    Line line{};
    line.world = LineWorldMatrix(from, to, thickness);
    line.material.Diffuse = {0.0f, 0.0f, 1.0f, 1.0f};
    line.material.Ambient = {0.0f, 0.0f, 1.0f, 1.0f};
    lines_.push_back(line);
    return static_cast<int>(lines_.size()) - 1;
}

void CD3DLines3D::Draw(IDirect3DDevice9* device, const Matrix4* parent) const {
    device->SetTexture(0, nullptr);
    if (!box_) return;
    for (const Line& line : lines_) {
        const Matrix4 world = parent != nullptr ? line.world * *parent : line.world;
        device->SetTransform(D3DTS_WORLD, reinterpret_cast<const D3DMATRIX*>(&world));
        device->SetMaterial(&line.material);
        box_->Draw(device);
    }
}

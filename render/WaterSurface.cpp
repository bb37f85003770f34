// CWaterSurface: scroll, front row and the vertex write.
#include "render/WaterSurface.h"

#include <cassert>
#include <cmath>

using namespace WaterGeometry;

CWaterSurface::CWaterSurface() : slots_(BuildSurfaceVertices()) {
    for (int row = 0; row < kRows; ++row) {
        rowZ_[row] = RowZ(row);
        rowV_[row] = RowV(row);
    }
}

WaterVertex* CWaterSurface::SlotRow(int row) {
    return &slots_[static_cast<size_t>((frontSlot_ + row) % kRows) * kColumns];
}

const WaterVertex* CWaterSurface::SlotRow(int row) const {
    return &slots_[static_cast<size_t>((frontSlot_ + row) % kRows) * kColumns];
}

const WaterVertex& CWaterSurface::At(int row, int column) const {
    assert(row >= 0 && row < kRows && column >= 0 && column < kColumns);
    return SlotRow(row)[column];
}

// The left neighbour is this frame's new height, the right neighbour still
// the previous frame's front row (it is computed from left to right), and
// the border columns use their own height for the missing neighbour.
void CWaterSurface::PushFront(const float* heights) {
    frontSlot_ = (frontSlot_ + kRows - 1) % kRows;
    WaterVertex* front = SlotRow(0);
    const WaterVertex* behind = SlotRow(1);
    for (int column = 0; column < kColumns; ++column) {
        const float y = heights[column];
        const float left = column > 0 ? front[column - 1].y : y;
        const float right = column < kColumns - 1 ? behind[column + 1].y : y;
        const float nx = left - right;
        const float ny = y * 0.25f + 0.1f;
        const float nz = y - behind[column].y;
        // ny is at least 0.1, so the length is never 0.
        const float inverseLength = 1.0f / std::sqrt(nx * nx + ny * ny + nz * nz);
        WaterVertex& vertex = front[column];
        vertex.y = y;
        vertex.nx = nx * inverseLength;
        vertex.ny = ny * inverseLength;
        vertex.nz = nz * inverseLength;
    }
}

void CWaterSurface::WriteVertices(WaterVertex* out) const {
    for (int row = 0; row < kRows; ++row) {
        const WaterVertex* source = SlotRow(row);
        const float z = rowZ_[row];
        const float v = rowV_[row];
        for (int column = 0; column < kColumns; ++column) {
            WaterVertex vertex = source[column];
            vertex.z = z;
            vertex.v = v;
            *out++ = vertex;
        }
    }
}

// CWaterSurface: scroll, front row and the vertex write.
#include "render/WaterSurface.h"

#include <cassert>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    WriteFront(heights);
}

void CWaterSurface::ReplaceFront(const float* heights) {
    WriteFront(heights);
}

void CWaterSurface::WriteFront(const float* heights) {
    WaterVertex* front = SlotRow(0);
    const WaterVertex* behind = SlotRow(1);
    for (int column = 0; column < kColumns; ++column) {
        const float y = heights[column];
        const float left = column > 0 ? heights[column - 1] : y;
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

// The vertex buffer is written once, front to back, in whole 16-byte halves
// of each vertex: patching single fields of a copied vertex would stall on
// reading back what was just written.
void CWaterSurface::WriteVertices(WaterVertex* out) const {
    for (int row = 0; row < kRows; ++row) {
        const WaterVertex* source = SlotRow(row);
        const float z = rowZ_[row];
        const float v = rowV_[row];
#if defined(__SSE2__)
        // Lanes: (x, y, z, nx) and (ny, nz, u, v).
        const __m128 keepFirst = _mm_castsi128_ps(_mm_set_epi32(-1, 0, -1, -1));
        const __m128 keepSecond = _mm_castsi128_ps(_mm_set_epi32(0, -1, -1, -1));
        const __m128 depth = _mm_set_ps(0.0f, z, 0.0f, 0.0f);
        const __m128 texture = _mm_set_ps(v, 0.0f, 0.0f, 0.0f);
        for (int column = 0; column < kColumns; ++column) {
            const float* from = &source[column].x;
            float* to = &out->x;
            _mm_storeu_ps(to, _mm_or_ps(_mm_and_ps(_mm_loadu_ps(from), keepFirst), depth));
            _mm_storeu_ps(to + 4,
                          _mm_or_ps(_mm_and_ps(_mm_loadu_ps(from + 4), keepSecond), texture));
            ++out;
        }
#else
        for (int column = 0; column < kColumns; ++column) {
            const WaterVertex& from = source[column];
            *out++ = {from.x, from.y, z, from.nx, from.ny, from.nz, from.u, v};
        }
#endif
    }
}

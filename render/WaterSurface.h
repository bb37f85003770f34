// The waterfall's 32 rows of heights and normals. Each frame the rows move
// one step back and only the new front row is computed; the rows are kept
// as a ring, so the move costs nothing and the one pass that writes the
// vertex buffer puts every row at its new depth.
//
// Thread: user-interface thread only.
#pragma once

#include <vector>

#include "render/WaterGeometry.h"

class CWaterSurface {
public:
    CWaterSurface();

    // Moves every row one step back (the oldest falls off) and makes the
    // given 256 heights the front row, with their normals.
    void PushFront(const float* heights);
    // Gives the front row these heights (and their normals) without moving
    // the rows.
    void ReplaceFront(const float* heights);

    // Row 0 is the front (newest), row 31 the back.
    const WaterVertex& At(int row, int column) const;
    float HeightAt(int row, int column) const { return At(row, column).y; }

    // All 8192 vertices in buffer order (row 0 first), for the vertex buffer.
    void WriteVertices(WaterVertex* out) const;

private:
    // The front row's heights and normals against the row behind it.
    void WriteFront(const float* heights);
    WaterVertex* SlotRow(int row);
    const WaterVertex* SlotRow(int row) const;

    // Each slot keeps a whole row's vertices; x and u never change, z and v
    // are taken from the row's place when the vertices are written.
    std::vector<WaterVertex> slots_;
    int frontSlot_ = 0;
    float rowZ_[WaterGeometry::kRows];
    float rowV_[WaterGeometry::kRows];
};

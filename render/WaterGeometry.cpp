// The waterfall's fixed vertex and index lists.
#include "render/WaterGeometry.h"

namespace WaterGeometry {

float ColumnX(int column) {
    return static_cast<float>(column) * kColumnSpacing + kLeftX;
}

float RowZ(int row) {
    return static_cast<float>(row) * kRowSpacing + kFrontZ;
}

float RowV(int row) {
    return 1.0f - (RowZ(row) - kFrontZ) / kDepth;
}

float BandX(int band) {
    return static_cast<float>(band) * kBandSpacing + kLeftX;
}

std::vector<WaterVertex> BuildSurfaceVertices() {
    std::vector<WaterVertex> vertices(kSurfaceVertexCount);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            WaterVertex& vertex = vertices[row * kColumns + column];
            vertex.x = ColumnX(column);
            vertex.y = 0.0f;
            vertex.z = RowZ(row);
            vertex.nx = 0.0f;
            vertex.ny = 1.0f;
            vertex.nz = 0.0f;
            vertex.u = (vertex.x - kLeftX) / kWidth;
            vertex.v = RowV(row);
        }
    }
    return vertices;
}

std::vector<uint16_t> BuildSurfaceIndices() {
    std::vector<uint16_t> indices;
    indices.reserve(kSurfaceIndexCount);
    for (int row = 0; row < kRows - 1; ++row) {
        for (int column = 0; column < kColumns - 1; ++column) {
            const int a = row * kColumns + column;
            for (int index : {a, a + kColumns, a + kColumns + 1, a, a + kColumns + 1, a + 1}) {
                indices.push_back(static_cast<uint16_t>(index));
            }
        }
    }
    return indices;
}

std::vector<WaterVertex> BuildCurtainVertices() {
    std::vector<WaterVertex> curtain(kCurtainVertexCount);
    for (int column = 0; column < kColumns; ++column) {
        WaterVertex bottom{};
        bottom.x = ColumnX(column);
        bottom.z = kFrontZ;
        bottom.ny = 1.0f;
        bottom.u = (bottom.x - kLeftX) / kWidth;
        bottom.v = 0.0f;
        WaterVertex top = bottom;
        top.y = kCurtainStartHeight;
        top.v = 1.0f;
        curtain[column] = bottom;
        curtain[kColumns + column] = top;
    }
    return curtain;
}

}  // namespace WaterGeometry

// Matrix inverse and unprojection.
#include "render/Unproject.h"

#include <cmath>
#include <utility>

namespace {

using Rows = double[4][8];

// Swaps the row with the largest entry of the column into place; false when
// the column has nothing left to pivot on.
bool PivotColumn(Rows& rows, int column) {
    int best = column;
    for (int row = column + 1; row < 4; ++row) {
        if (std::fabs(rows[row][column]) > std::fabs(rows[best][column])) best = row;
    }
    if (rows[best][column] == 0.0) return false;
    for (int i = 0; i < 8; ++i) std::swap(rows[column][i], rows[best][i]);
    return true;
}

// Makes the column's pivot 1 and clears the column in every other row.
void EliminateColumn(Rows& rows, int column) {
    const double pivot = rows[column][column];
    for (double& value : rows[column]) value /= pivot;
    for (int row = 0; row < 4; ++row) {
        if (row == column) continue;
        const double factor = rows[row][column];
        for (int i = 0; i < 8; ++i) rows[row][i] -= factor * rows[column][i];
    }
}

}  // namespace

// Gauss-Jordan with partial pivoting on [m | I]; double, because the
// perspective matrix's depth terms differ by three orders of magnitude.
std::optional<Matrix4> InverseMatrix(const Matrix4& m) {
    Rows rows;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            rows[row][column] = m.m[row][column];
            rows[row][column + 4] = row == column ? 1.0 : 0.0;
        }
    }
    for (int column = 0; column < 4; ++column) {
        if (!PivotColumn(rows, column)) return std::nullopt;
        EliminateColumn(rows, column);
    }
    Matrix4 inverse;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            inverse.m[row][column] = static_cast<float>(rows[row][column + 4]);
        }
    }
    return inverse;
}

std::optional<Vector3> UnprojectFromScreen(const Vector3& screen, const Viewport& viewport,
                                           const Matrix4& projection, const Matrix4& view) {
    const std::optional<Matrix4> inverse = InverseMatrix(view * projection);
    if (!inverse) return std::nullopt;
    const Vector3 clip{(screen.x - viewport.x) / viewport.width * 2.0f - 1.0f,
                       1.0f - (screen.y - viewport.y) / viewport.height * 2.0f,
                       (screen.z - viewport.minZ) / (viewport.maxZ - viewport.minZ)};
    return TransformCoord(clip, *inverse);
}

std::optional<Ray> CursorRay(float x, float y, const Viewport& viewport, const Matrix4& projection,
                             const Matrix4& view) {
    const auto nearPoint = UnprojectFromScreen({x, y, viewport.minZ}, viewport, projection, view);
    const auto farPoint = UnprojectFromScreen({x, y, viewport.maxZ}, viewport, projection, view);
    if (!nearPoint || !farPoint) return std::nullopt;
    return Ray{*nearPoint, Normalize(*farPoint - *nearPoint)};
}

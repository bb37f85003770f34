// Ray against height field: a walk through the cells the ray's shadow on
// the x-z plane crosses, with exact tests against each cell's triangles.
#include "render/HeightFieldRay.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Barycentric slack, so that a ray through a shared edge is not lost
// between the two triangles.
constexpr double kEdgeSlack = 1e-9;

struct Point {
    double x, y, z;
};

Point Sub(const Point& a, const Point& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Point CrossOf(const Point& a, const Point& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double DotOf(const Point& a, const Point& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Moller-Trumbore in double: the distance at which the ray meets the
// triangle, from either side, or infinity.
double TriangleDistance(const Point& origin, const Point& direction, const Point& a, const Point& b,
                        const Point& c) {
    const Point ab = Sub(b, a), ac = Sub(c, a);
    const Point p = CrossOf(direction, ac);
    const double determinant = DotOf(ab, p);
    if (std::fabs(determinant) < 1e-12) return kInfinity;  // parallel to the plane
    const Point toOrigin = Sub(origin, a);
    const double u = DotOf(toOrigin, p) / determinant;
    if (u < -kEdgeSlack || u > 1.0 + kEdgeSlack) return kInfinity;
    const Point q = CrossOf(toOrigin, ab);
    const double v = DotOf(direction, q) / determinant;
    if (v < -kEdgeSlack || u + v > 1.0 + kEdgeSlack) return kInfinity;
    const double distance = DotOf(ac, q) / determinant;
    return distance >= 0.0 ? distance : kInfinity;
}

Point GridPoint(const HeightField& field, int row, int column) {
    return {field.originX + column * static_cast<double>(field.spacingX),
            field.heights[row * field.columns + column],
            field.originZ + row * static_cast<double>(field.spacingZ)};
}

// The nearer of the cell's two triangles, as the surface's index list
// splits it.
double CellDistance(const HeightField& field, int row, int column, const Point& origin,
                    const Point& direction) {
    const Point a = GridPoint(field, row, column), b = GridPoint(field, row + 1, column);
    const Point c = GridPoint(field, row + 1, column + 1), d = GridPoint(field, row, column + 1);
    return std::min(TriangleDistance(origin, direction, a, b, c),
                    TriangleDistance(origin, direction, a, c, d));
}

// One grid axis of the walk, in units of cells: where the ray is along it,
// which cell it is in, and the distance to its next cell boundary.
struct Axis {
    double start, rate;  // grid coordinate = start + rate * distance
    int cell, step;
    double nextDistance, stepDistance;
};

// Narrows [enter, leave] to the distances where the axis coordinate lies in
// 0..last; false when it never does.
bool ClipToGrid(const Axis& axis, int last, double& enter, double& leave) {
    if (axis.rate == 0.0) return axis.start >= 0.0 && axis.start <= last;
    const double a = (0.0 - axis.start) / axis.rate, b = (last - axis.start) / axis.rate;
    enter = std::max(enter, std::min(a, b));
    leave = std::min(leave, std::max(a, b));
    return enter <= leave;
}

// Sets the cell the ray is in at the distance enter, and its next boundary.
void StartAxis(Axis& axis, int cellCount, double enter) {
    const double at = axis.start + axis.rate * enter;
    axis.cell = std::clamp(static_cast<int>(std::floor(at)), 0, cellCount - 1);
    axis.step = axis.rate > 0.0 ? 1 : -1;
    if (axis.rate == 0.0) {
        axis.nextDistance = axis.stepDistance = kInfinity;
        return;
    }
    const int boundary = axis.rate > 0.0 ? axis.cell + 1 : axis.cell;
    axis.nextDistance = (boundary - axis.start) / axis.rate;
    axis.stepDistance = 1.0 / std::fabs(axis.rate);
}

int NearestIndex(double coordinate, int count) {
    return std::clamp(static_cast<int>(std::lround(coordinate)), 0, count - 1);
}

}  // namespace

std::optional<HeightFieldHit> FirstHit(const Ray& ray, const HeightField& field) {
    assert(field.rows >= 2 && field.columns >= 2 && field.spacingX > 0 && field.spacingZ > 0);
    const Point origin{ray.origin.x, ray.origin.y, ray.origin.z};
    const Point direction{ray.direction.x, ray.direction.y, ray.direction.z};
    Axis across{
        (origin.x - field.originX) / field.spacingX, direction.x / field.spacingX, 0, 1, 0.0, 0.0};
    Axis along{
        (origin.z - field.originZ) / field.spacingZ, direction.z / field.spacingZ, 0, 1, 0.0, 0.0};
    double enter = 0.0, leave = kInfinity;
    if (!ClipToGrid(across, field.columns - 1, enter, leave) ||
        !ClipToGrid(along, field.rows - 1, enter, leave)) {
        return std::nullopt;
    }
    StartAxis(across, field.columns - 1, enter);
    StartAxis(along, field.rows - 1, enter);
    double cellEnter = enter;
    while (cellEnter <= leave) {
        const double distance = CellDistance(field, along.cell, across.cell, origin, direction);
        if (distance < kInfinity) {
            const auto d = static_cast<float>(distance);
            const Vector3 point = ray.origin + ray.direction * d;
            return HeightFieldHit{
                point, d, NearestIndex(along.start + along.rate * distance, field.rows),
                NearestIndex(across.start + across.rate * distance, field.columns)};
        }
        Axis& next = across.nextDistance < along.nextDistance ? across : along;
        const int cellCount = &next == &across ? field.columns - 1 : field.rows - 1;
        if (next.nextDistance == kInfinity) break;  // straight up or down: one cell only
        cellEnter = next.nextDistance;
        next.cell += next.step;
        next.nextDistance += next.stepDistance;
        if (next.cell < 0 || next.cell >= cellCount) break;
    }
    return std::nullopt;
}

void CopySurfaceHeights(const CWaterSurface& surface, SurfaceHeights& out) {
    for (int row = 0; row < WaterGeometry::kRows; ++row) {
        for (int column = 0; column < WaterGeometry::kColumns; ++column) {
            out[static_cast<size_t>(row * WaterGeometry::kColumns + column)] =
                surface.HeightAt(row, column);
        }
    }
}

HeightField WaterfallHeightField(const SurfaceHeights& heights) {
    using namespace WaterGeometry;
    return {heights.data(), kRows, kColumns, kLeftX, kColumnSpacing, kFrontZ, kRowSpacing};
}

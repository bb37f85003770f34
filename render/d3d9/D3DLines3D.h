// A set of 3D lines, each drawn as the unit box stretched, turned and moved
// onto the line, in its own material. The waterfall's grid is one such set,
// built again whenever the 3D range changes.
// User-interface thread only.
#pragma once

#include <memory>
#include <vector>

#include "render/Matrix4.h"
#include "render/Vector3.h"

struct IDirect3DDevice9;
class CD3DMesh;

class CD3DLines3D {
public:
    // A set without lines. Without the box (reported) it draws nothing.
    explicit CD3DLines3D(IDirect3DDevice9* device);
    ~CD3DLines3D();
    CD3DLines3D(const CD3DLines3D&) = delete;
    CD3DLines3D& operator=(const CD3DLines3D&) = delete;

    // A blue line from, to of the given thickness; its index.
    int AddLine(const Vector3& from, const Vector3& to, float thickness);

    // Every line, each under parent when one is given.
    void Draw(IDirect3DDevice9* device, const Matrix4* parent) const;

    size_t LineCount() const;

private:
    struct Line;

    std::unique_ptr<CD3DMesh> box_;
    std::vector<Line> lines_;
};

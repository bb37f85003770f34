// The waterfall's grid: 28 vertical frequency lines (20 Hz to 20 kHz) and a
// horizontal line every 10 dB of the 3D range, in the plane z = 0 (the
// waterfall moves the grid to its axis depth). The grid depends only on the
// band scale and the 3D range, so it is rebuilt only when the range changes.
//
// Thread: user-interface thread only.
#pragma once

#include <vector>

#include "render/Matrix4.h"
#include "render/Vector3.h"

class CScale;

struct AxisLine {
    Vector3 from;
    Vector3 to;
    float thickness;
    // The unit box stretched onto the line.
    Matrix4 world;
};

class CWaterfallAxes {
public:
    // The band scale and the number of bands it spreads over the 600 units.
    CWaterfallAxes(const CScale& scale, int bandCount);

    // Builds the grid for a range the first time and whenever it differs
    // from the one built; true when it built.
    bool ApplyRange(float range3dDb);

    const std::vector<AxisLine>& Lines() const { return lines_; }
    // Scene x of a frequency: the start of the band that holds it.
    float FrequencyX(double hz) const;
    // Scene z of the grid at an axis depth of 0 (front edge) to 100 % (back).
    static float DepthZ(int axisDepthPercent);
    // The height of a horizontal line's value v (dB) as the grid draws it.
    static float LevelLineHeight(int levelDb, float range3dDb);

private:
    void AddLine(const Vector3& from, const Vector3& to, float thickness);

    const CScale& scale_;
    float unitsPerBand_;
    bool built_ = false;
    float builtRange3dDb_ = 0.0f;
    std::vector<AxisLine> lines_;
};

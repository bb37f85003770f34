// CWaterfallAxes: the grid's lines.
#include "render/WaterfallAxes.h"

#include "params/LogarithmicScales.h"
#include "render/Line3D.h"
#include "render/WaterGeometry.h"

using namespace WaterGeometry;

namespace {
constexpr float kLineThickness = 1.0f;
constexpr int kLevelStepDb = 10;
constexpr size_t kReservedLines = 16;

// 20 to 90 Hz by 10, 100 to 900 by 100, 1 to 9 kHz by 1000, 10 and 20 kHz.
std::vector<int> GridFrequencies() {
    std::vector<int> frequencies;
    for (int decade = 10; decade <= 1000; decade *= 10) {
        for (int digit = decade == 10 ? 2 : 1; digit <= 9; ++digit)
            frequencies.push_back(digit * decade);
    }
    frequencies.push_back(10000);
    frequencies.push_back(20000);
    return frequencies;
}
}  // namespace

CWaterfallAxes::CWaterfallAxes(const CScale& scale, int bandCount)
    : scale_(scale), unitsPerBand_(kWidth / static_cast<float>(bandCount)) {
    lines_.reserve(kReservedLines);
}

float CWaterfallAxes::FrequencyX(double hz) const {
    return static_cast<float>(scale_.IndexOf(hz)) * unitsPerBand_ + kLeftX;
}

float CWaterfallAxes::DepthZ(int axisDepthPercent) {
    return static_cast<float>(axisDepthPercent) * 0.01f * kDepth + kFrontZ;
}

// A range of 0 dB leaves one line, 0 dB itself, which stands at the top,
// where a band at 0 dB does.
float CWaterfallAxes::LevelLineHeight(int levelDb, float range3dDb) {
    if (range3dDb == 0.0f) return kTopHeight;
    return static_cast<float>(levelDb) / range3dDb * kTopHeight;
}

bool CWaterfallAxes::ApplyRange(float range3dDb) {
    if (built_ && range3dDb == builtRange3dDb_) return false;
    built_ = true;
    builtRange3dDb_ = range3dDb;
    lines_.clear();
    for (int hz : GridFrequencies()) {
        const float x = FrequencyX(hz);
        AddLine({x, 0.0f, 0.0f}, {x, kTopHeight, 0.0f}, kLineThickness);
    }
    // Counting up from the range in 10 dB steps; a positive range has none.
    for (int levelDb = static_cast<int>(range3dDb); levelDb <= 0; levelDb += kLevelStepDb) {
        const float y = LevelLineHeight(levelDb, range3dDb);
        AddLine({kLeftX, y, 0.0f}, {kLeftX + kWidth, y, 0.0f}, kLineThickness);
    }
    return true;
}

void CWaterfallAxes::AddLine(const Vector3& from, const Vector3& to, float thickness) {
    lines_.push_back({from, to, thickness, LineWorldMatrix(from, to, thickness)});
}

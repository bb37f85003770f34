// CWaterfallLabels: texts and scene points of the labels.
#include "render/WaterfallLabels.h"

#include <cmath>

#include "render/FrequencyLabel.h"
#include "render/WaterGeometry.h"
#include "render/WaterfallAxes.h"

using namespace WaterGeometry;

namespace {
constexpr int kLevelStepDb = 10;
constexpr float kPeakLabelLift = 2.0f;
// Just in front of the spheres, so the text is not hidden by them.
constexpr float kPeakLabelZ = -302.0f;
}  // namespace

void CWaterfallLabels::Build(const LabelInputs& inputs, const CWaterfallAxes& axes,
                             std::vector<WaterfallLabel>& labels) {
    labels.clear();
    AddFrequencyMarks(inputs, axes, labels);
    if (inputs.axisShown) AddLevels(inputs, labels);
    if (inputs.labelsShown) AddPeakFrequencies(inputs, labels);
}

void CWaterfallLabels::AddFrequencyMarks(const LabelInputs& inputs, const CWaterfallAxes& axes,
                                         std::vector<WaterfallLabel>& labels) {
    const float gridZ = CWaterfallAxes::DepthZ(inputs.axisDepthPercent);
    for (const FrequencyMark& mark : kFrequencyMarks) {
        const float x = axes.FrequencyX(mark.hz);
        if (inputs.frequencyLabelsShown) labels.push_back({mark.text, {x, 0.0f, kFrontZ}});
        if (inputs.axisShown) labels.push_back({mark.text, {x, kTopHeight, gridZ}});
    }
}

// The labels count from the range (rounded) in 10 dB steps, each at the
// height of its own level, so a range that is not a multiple of 10 gets
// labels between the grid's lines. A range of 0 dB has none.
void CWaterfallLabels::AddLevels(const LabelInputs& inputs, std::vector<WaterfallLabel>& labels) {
    const float gridZ = CWaterfallAxes::DepthZ(inputs.axisDepthPercent);
    const int lowestDb = static_cast<int>(std::nearbyint(inputs.range3dDb));
    for (int levelDb = lowestDb; levelDb < 0; levelDb += kLevelStepDb) {
        const float y = (1.0f - static_cast<float>(levelDb) / inputs.range3dDb) * kTopHeight;
        const std::string text = std::to_string(levelDb);
        for (float x : {0.0f, kLeftX, kLeftX + kWidth}) labels.push_back({text, {x, y, gridZ}});
    }
}

void CWaterfallLabels::AddPeakFrequencies(const LabelInputs& inputs,
                                          std::vector<WaterfallLabel>& labels) {
    if (inputs.labelHeights == nullptr || inputs.bandTable == nullptr) return;
    const BandLevels& heights = *inputs.labelHeights;
    for (int first = 0; first < kColumns; first += kBandsPerPeakLabel) {
        int highest = first;
        for (int band = first + 1; band < first + kBandsPerPeakLabel; ++band) {
            if (heights[band] > heights[highest]) highest = band;
        }
        const float height = heights[highest];
        if (!(height > kLowestPeakLabelHeight)) continue;
        const BandRange& range = (*inputs.bandTable)[highest];
        const int hz = static_cast<int>(range.lowerHz + (range.upperHz - range.lowerHz) * 0.5);
        labels.push_back({FrequencyLabelText(hz),
                          {BandX(highest), height + kPeakLabelLift, kPeakLabelZ},
                          highest});
    }
}

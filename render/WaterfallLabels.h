// The texts of the waterfall's labels and the scene points they are centred
// on: frequencies along the front edge and the grid's top, decibel levels on
// the grid (three columns), and the frequency of the highest band of each
// group of eight bands just above it.
//
// Thread: user-interface thread only.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/SpectrumStore.h"
#include "params/Settings.h"
#include "render/Vector3.h"

class CWaterfallAxes;

struct WaterfallLabel {
    std::string text;
    Vector3 position;
    // The band a peak label names; -1 for the grid's and the edge's labels.
    int peakBand = -1;
};

struct LabelInputs {
    bool labelsShown = false;          // peak frequencies
    bool axisShown = true;             // grid top and levels
    bool frequencyLabelsShown = true;  // front edge
    int axisDepthPercent = 50;
    float range3dDb = -60.0f;
    // The heights the 3D pass left for the peak labels, and the bands'
    // frequency ranges (no peak labels without them).
    const BandLevels* labelHeights = nullptr;
    const BandTable* bandTable = nullptr;
};

class CWaterfallLabels {
public:
    // Groups whose highest band stands at 20 units or lower get no label.
    static constexpr float kLowestPeakLabelHeight = 20.0f;
    static constexpr int kBandsPerPeakLabel = 8;

    // Replaces labels with this frame's labels, in drawing order.
    static void Build(const LabelInputs& inputs, const CWaterfallAxes& axes,
                      std::vector<WaterfallLabel>& labels);

private:
    static void AddFrequencyMarks(const LabelInputs& inputs, const CWaterfallAxes& axes,
                                  std::vector<WaterfallLabel>& labels);
    static void AddLevels(const LabelInputs& inputs, std::vector<WaterfallLabel>& labels);
    static void AddPeakFrequencies(const LabelInputs& inputs, std::vector<WaterfallLabel>& labels);
};

// The per-instance values the analysis reads and writes: the sample rate
// the host announced, the two fall rates the settings dialog applies, the
// channels the view's menu chooses and the band table the spectrum store
// builds.
//
// Threads: the audio thread reads the sample rate, the fall rates and the
// channels, which are atomic; the band table is written on the user-interface thread before
// the audio thread first reads it.
#pragma once

#include <atomic>
#include <memory>

#include "analysis/AnalysisChannels.h"
#include "analysis/BandRange.h"

struct AnalysisSettings {
    std::atomic<double> sampleRate{44100.0};
    std::atomic<float> peakFallPerSecond{0.1f};
    std::atomic<float> levelFallPerBlock{0.11f};
    std::atomic<AnalysisChannels> analysisChannels{AnalysisChannels::kLeftPlusRight};
    // Built by the spectrum store; it outlives the store.
    std::unique_ptr<BandTable> bandTable;
};

// CSpectrumStore: the band table, the snapshots, the dialog's captures and
// the parameters handed to the band analysis.
#include "analysis/SpectrumStore.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "analysis/AnalysisBlock.h"
#include "analysis/AnalysisSettings.h"
#include "analysis/AveragingRange.h"
#include "analysis/FFT.h"
#include "analysis/PerformanceTimer.h"

namespace {

constexpr double kScaleHighHz = 21000.0;

double BinHz(double sampleRate) {
    return sampleRate / CFFT::kSize;
}

double BlocksPerSecond(double sampleRate) {
    return sampleRate / kAnalysisBlockFrames;
}

// "Ave" and "Hold" show their maximum as "inf": averaging for ever and
// holding peaks for ever.
bool IsAtInfiniteMaximum(const AveragingRange& range, float value) {
    return value == range.maximum;
}

// The parameters keep their values in range; a caller that hands over
// anything else gets it clamped (not a number counts as the minimum), so
// that the conversions to whole numbers below stay defined.
float InParameterRange(const AveragingRange& range, float value) {
    if (std::isnan(value)) return range.minimum;
    return std::clamp(value, range.minimum, range.maximum);
}

}  // namespace

CSpectrumStore::CSpectrumStore(AnalysisSettings& settings, CPerformanceTimer& timer,
                               ScaleFactory createScale)
    : CSpectrumStore(settings, timer, std::move(createScale), timer.GetMilliseconds()) {}

CSpectrumStore::CSpectrumStore(AnalysisSettings& settings, CPerformanceTimer& timer,
                               ScaleFactory createScale, uint32_t startMs)
    : settings_(settings),
      timer_(timer),
      createScale_(std::move(createScale)),
      analysis_(startMs),
      lastUpdateMs_(startMs) {}

CSpectrumStore::~CSpectrumStore() {
    Release();
}

bool CSpectrumStore::Initialise() {
    Hold hold(*this);
    firstBand_ = 0;
    bandCount_ = kBandCount;
    const double sampleRate = settings_.sampleRate.load(std::memory_order_relaxed);
    analysis_.Prepare(BlocksPerSecond(sampleRate));
    levelSnapshot_.fill(0.0f);
    peakSnapshot_.fill(0.0f);
    frozenLevel_.fill(0.0f);
    frozenPeak_.fill(0.0f);
    for (BandLevels& reference : references_) reference.fill(0.0f);

    scale_ = createScale_();
    scale_->Init(0, kBandCount, CBandAnalysis::kLowestHz, kScaleHighHz);
    BuildBandTable(BinHz(sampleRate));
    initialised_.store(true, std::memory_order_release);
    return true;
}

// Each band's edges on the scale and their bins, counted from the bin that
// holds the lowest edge; the new table replaces the settings' one.
void CSpectrumStore::BuildBandTable(double binHz) {
    auto table = std::make_unique<BandTable>();
    for (int band = 0; band < kBandCount; ++band) {
        BandRange& range = (*table)[band];
        range.lowerHz = scale_->ValueAt(band);
        range.upperHz = scale_->ValueAt(band + 1);
        range.firstBin =
            static_cast<int32_t>(std::floor((range.lowerHz - CBandAnalysis::kLowestHz) / binHz));
        range.lastBin =
            static_cast<int32_t>(std::floor((range.upperHz - CBandAnalysis::kLowestHz) / binHz));
    }
    settings_.bandTable = std::move(table);
}

// The clock is read once per block: on Windows every reading pins the
// audio thread to the first processor for a moment.
void CSpectrumStore::Update(const double* spectrum) {
    Hold hold(*this);
    if (!IsInitialised() || !settings_.bandTable) return;
    const uint32_t nowMs = timer_.GetMilliseconds();
    const double sampleRate = settings_.sampleRate.load(std::memory_order_relaxed);
    analysis_.Fold(spectrum, *settings_.bandTable, BinHz(sampleRate),
                   settings_.levelFallPerBlock.load(std::memory_order_relaxed));
    analysis_.UpdatePeaks(nowMs - lastUpdateMs_.load(std::memory_order_relaxed),
                          settings_.peakFallPerSecond.load(std::memory_order_relaxed));
    levelSnapshot_ = analysis_.Levels();
    peakSnapshot_ = analysis_.Peaks();
    lastUpdateMs_.store(nowMs, std::memory_order_release);
    newFrame_.store(true, std::memory_order_release);
}

// "Ave" counts tenths of a second, so "Ave" * 100 is the averaging window
// in milliseconds; 0 selects the decay.
void CSpectrumStore::SetAveraging(float average, float peakHold) {
    average = InParameterRange(kAverageRange, average);
    peakHold = InParameterRange(kHoldRange, peakHold);
    Hold hold(*this);
    if (IsAtInfiniteMaximum(kAverageRange, average)) {
        analysis_.AverageForEver();
        return;  // the hold logic pauses too
    }
    const double sampleRate = settings_.sampleRate.load(std::memory_order_relaxed);
    analysis_.AverageOver(static_cast<int32_t>(average * 100.0f), BlocksPerSecond(sampleRate));
    if (IsAtInfiniteMaximum(kHoldRange, peakHold)) {
        analysis_.HoldForEver();
        return;
    }
    analysis_.ReleasePeaksEvery(static_cast<uint32_t>(peakHold), timer_.GetMilliseconds());
}

void CSpectrumStore::ReadSnapshot(BandLevels& level, BandLevels& peak) {
    Hold hold(*this);
    level = levelSnapshot_;
    peak = peakSnapshot_;
}

void CSpectrumStore::ReadFrozen(BandLevels& level, BandLevels& peak) {
    Hold hold(*this);
    level = frozenLevel_;
    peak = frozenPeak_;
}

void CSpectrumStore::ReadReference(int trace, BandLevels& level) {
    if (trace < 0 || trace >= kReferenceCount) return;
    Hold hold(*this);
    level = references_[trace];
}

// The band analysis between updates holds a finished update, the same as
// the snapshots.
void CSpectrumStore::CaptureFreeze() {
    Hold hold(*this);
    frozenLevel_ = analysis_.Levels();
    frozenPeak_ = analysis_.Peaks();
}

void CSpectrumStore::CaptureReference(int trace, bool peakHoldShown) {
    if (trace < 0 || trace >= kReferenceCount) return;
    Hold hold(*this);
    references_[trace] = peakHoldShown ? analysis_.Peaks() : analysis_.Levels();
}

void CSpectrumStore::ClearPeaks() {
    Hold hold(*this);
    analysis_.ClearPeaks();
}

void CSpectrumStore::Release() {
    Hold hold(*this);
    initialised_.store(false, std::memory_order_release);
    analysis_.ReleaseBands();
    scale_.reset();
}

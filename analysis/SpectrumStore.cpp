// CSpectrumStore: band folding, averaging, peak hold and the snapshots.
#include "analysis/SpectrumStore.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/FFT.h"
#include "analysis/PerformanceTimer.h"
#include "params/LogarithmicScales.h"
#include "params/ParameterTable.h"
#include "params/Settings.h"

namespace {

constexpr double kLowestHz = 20.0;
constexpr double kScaleHighHz = 21000.0;
constexpr double kAverageSeconds = 10.0;
constexpr float kMillisecondsToSeconds = 0.001f;

double BinHz(double sampleRate) {
    return sampleRate / CFFT::kSize;
}

// "Ave" and "Hold" show their maximum as "inf": averaging for ever and
// holding peaks for ever.
bool IsAtInfiniteMaximum(int parameter, float value) {
    return value == ControlsParameterSpec(parameter).maximum;
}

// The parameters keep their values in range; a caller that hands over
// anything else gets it clamped (not a number counts as the minimum), so
// that the conversions to whole numbers below stay defined.
float InParameterRange(int parameter, float value) {
    const ParamSpec& spec = ControlsParameterSpec(parameter);
    if (std::isnan(value)) return spec.minimum;
    return std::clamp(value, spec.minimum, spec.maximum);
}

}  // namespace

CSpectrumStore::CSpectrumStore(CSettings& settings, CPerformanceTimer& timer)
    : settings_(settings),
      timer_(timer),
      lastReleaseMs_(timer.GetMilliseconds()),
      lastUpdateMs_(lastReleaseMs_) {}

CSpectrumStore::~CSpectrumStore() {
    Release();
}

float CSpectrumStore::LevelOfDb(double levelDb) {
    if (!(levelDb >= CFFT::kFloorDb)) return 0.0f;  // also minus infinity and NaN
    return static_cast<float>(1.0 - std::min(levelDb, 0.0) * kLevelPerDb);
}

bool CSpectrumStore::Initialise() {
    Hold hold(*this);
    firstBand_ = 0;
    bandCount_ = kBandCount;
    const double sampleRate = settings_.sampleRate.load(std::memory_order_relaxed);
    // Ten seconds of analysis blocks; at least one, whatever the rate.
    const auto capacity =
        std::max<uint32_t>(1, static_cast<uint32_t>(BinHz(sampleRate) * kAverageSeconds));
    bands_.clear();
    for (int band = 0; band < kBandCount; ++band) {
        bands_.push_back(std::make_unique<SpectrumBand>(capacity));
    }
    level_.fill(0.0f);
    peak_.fill(0.0f);
    falling_.fill(0);
    levelSnapshot_.fill(0.0f);
    peakSnapshot_.fill(0.0f);
    frozenLevel_.fill(0.0f);
    frozenPeak_.fill(0.0f);
    for (BandLevels& reference : references_) reference.fill(0.0f);

    scale_ = std::make_unique<CLogScale>();
    scale_->Init(0, kBandCount, kLowestHz, kScaleHighHz);
    auto table = std::make_unique<BandTable>();
    const double binHz = BinHz(sampleRate);
    for (int band = 0; band < kBandCount; ++band) {
        BandRange& range = (*table)[band];
        range.lowerHz = scale_->ValueAt(band);
        range.upperHz = scale_->ValueAt(band + 1);
        range.firstBin = static_cast<int32_t>(std::floor((range.lowerHz - kLowestHz) / binHz));
        range.lastBin = static_cast<int32_t>(std::floor((range.upperHz - kLowestHz) / binHz));
    }
    settings_.bandTable = std::move(table);
    initialised_.store(true, std::memory_order_release);
    return true;
}

// The clock is read once per block: on Windows every reading pins the
// audio thread to the first processor for a moment.
void CSpectrumStore::Update(const double* spectrum) {
    Hold hold(*this);
    if (!IsInitialised() || !settings_.bandTable) return;
    const uint32_t nowMs = timer_.GetMilliseconds();
    FoldBands(spectrum);
    UpdatePeaks(nowMs);
    levelSnapshot_ = level_;
    peakSnapshot_ = peak_;
    lastUpdateMs_.store(nowMs, std::memory_order_release);
    newFrame_.store(true, std::memory_order_release);
}

// Each band takes the loudest of its bins. Bins past the analyser's last
// level (sample rates below about 41 kHz put the top bands above Nyquist)
// are never read: a band with no bin left reads as silence.
void CSpectrumStore::FoldBands(const double* spectrum) {
    const double binHz = BinHz(settings_.sampleRate.load(std::memory_order_relaxed));
    const auto base = static_cast<int32_t>(std::floor(kLowestHz / binHz));
    constexpr int32_t kLastLevelBin = CFFT::kLevelBins - 1;
    const BandTable& table = *settings_.bandTable;
    int run = 0;
    int32_t previousFirstBin = 0;
    for (int band = 0; band < kBandCount; ++band) {
        const BandRange& range = table[band];
        const int32_t firstBin = std::max(base + range.firstBin, 0);
        const int32_t lastBin = std::min(base + range.lastBin, kLastLevelBin);
        double loudestDb = -std::numeric_limits<double>::infinity();
        for (int32_t bin = firstBin; bin <= lastBin; ++bin) {
            loudestDb = std::max(loudestDb, spectrum[bin]);
        }
        level_[band] = AverageBand(band, LevelOfDb(loudestDb));
        SmoothSharedBins(band, range.firstBin, run, previousFirstBin);
    }
}

float CSpectrumStore::AverageBand(int band, float level) {
    SpectrumBand& state = *bands_[band];
    if (infiniteAverage_) {
        state.Accumulate(level);
    } else if (averageWindowCode_ <= 0) {
        // Decay: a rise shows at once, a fall by at most the fall per block.
        const float fall = settings_.levelFallPerBlock.load(std::memory_order_relaxed);
        return level_[band] - level > fall ? level_[band] - fall : level;
    } else {
        state.Push(level);
    }
    return std::clamp(state.Mean(), 0.0f, 1.0f);
}

// Neighbouring bands that read the same first bin would show as flat steps;
// a run of more than two becomes a straight line towards the next band.
void CSpectrumStore::SmoothSharedBins(int band, int32_t firstBin, int& run,
                                      int32_t& previousFirstBin) {
    if (firstBin == previousFirstBin) {
        ++run;
    } else {
        if (run > 2) {
            const int start = band - run;
            const float step = 1.0f / static_cast<float>(run);
            for (int j = start; j < band; ++j) {
                level_[j] = level_[start] +
                            (level_[band] - level_[start]) * static_cast<float>(j - start) * step;
            }
        }
        run = 0;
    }
    previousFirstBin = firstBin;
}

void CSpectrumStore::UpdatePeaks(uint32_t nowMs) {
    const uint32_t elapsedMs = nowMs - lastUpdateMs_.load(std::memory_order_relaxed);
    const float fall = static_cast<float>(elapsedMs) * kMillisecondsToSeconds *
                       settings_.peakFallPerSecond.load(std::memory_order_relaxed);
    for (int band = 0; band < kBandCount; ++band) {
        if (level_[band] > peak_[band]) {
            peak_[band] = level_[band];
            falling_[band] = 0;
        } else if (falling_[band] != 0) {
            if (peak_[band] >= fall) {
                peak_[band] -= fall;
            } else {
                peak_[band] = 0.0f;
                falling_[band] = 0;
            }
        }
    }
}

void CSpectrumStore::SetAveraging(float average, float peakHold) {
    average = InParameterRange(kParamAverage, average);
    peakHold = InParameterRange(kParamHold, peakHold);
    Hold hold(*this);
    const bool wasInfinite = infiniteAverage_;
    infiniteAverage_ = IsAtInfiniteMaximum(kParamAverage, average);
    if (infiniteAverage_) return;  // the hold logic pauses too

    // Coming back from the infinite average restarts every band even at the
    // old window: their sums and counts have outgrown the rings.
    const auto code = static_cast<int32_t>(average * 100.0f);
    if (code != averageWindowCode_ || wasInfinite) RestartAverages(code);

    if (IsAtInfiniteMaximum(kParamHold, peakHold)) {
        falling_.fill(0);
        return;
    }
    const uint32_t nowMs = timer_.GetMilliseconds();
    if (nowMs - lastReleaseMs_ >= static_cast<uint32_t>(peakHold)) {
        falling_.fill(1);
        lastReleaseMs_ = nowMs;
    }
}

// The window is "Ave" / 10 seconds of analysis blocks, at least one block
// (a tiny positive "Ave" averages over a single block) and at most the ring.
void CSpectrumStore::RestartAverages(int32_t windowCode) {
    averageWindowCode_ = windowCode;
    const double blocksPerSecond = BinHz(settings_.sampleRate.load(std::memory_order_relaxed));
    const double seconds = static_cast<float>(windowCode) * kMillisecondsToSeconds;
    const auto window = static_cast<uint32_t>(std::max(0.0, seconds * blocksPerSecond));
    for (const auto& band : bands_) band->Restart(window);
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

void CSpectrumStore::CaptureFreeze() {
    Hold hold(*this);
    frozenLevel_ = level_;
    frozenPeak_ = peak_;
}

void CSpectrumStore::CaptureReference(int trace, bool peakHoldShown) {
    if (trace < 0 || trace >= kReferenceCount) return;
    Hold hold(*this);
    references_[trace] = peakHoldShown ? peak_ : level_;
}

void CSpectrumStore::ClearPeaks() {
    Hold hold(*this);
    peak_.fill(0.0f);
    falling_.fill(0);
}

void CSpectrumStore::Release() {
    Hold hold(*this);
    initialised_.store(false, std::memory_order_release);
    bands_.clear();
    scale_.reset();
}

// CSynth: engine construction, editor hand-over, the per-block path and the
// test-signal generator.
#include "analysis/Synth.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "analysis/FFT.h"
#include "analysis/GeneratorControls.h"
#include "analysis/SpectrumStore.h"
#include "analysis/Statistics.h"
#include "diag/Log.h"

namespace {

constexpr char kLogSource[] = "Synth";
constexpr int kChannels = 2;
constexpr double kPi = 3.141592653589793;

// Counts generated samples across every instance of the process. Each call
// reserves its block's range at once, so instances never share a value.
std::atomic<int64_t> gSampleCounter{0};

double NoiseSample() {
    return (std::rand() % 32767) * 2.0 / 32767.0 - 1.0;
}

}  // namespace

CSynth::CSynth(AnalysisSettings& settings, CStatistics& statistics,
               const std::atomic<double>& sampleRateHz, CPerformanceTimer& timer,
               CLockable& pluginLock, const EditorFactory& createEditor, ScaleFactory createScale)
    : settings_(settings),
      statistics_(statistics),
      sampleRateHz_(sampleRateHz),
      timer_(timer),
      pluginLock_(pluginLock),
      createScale_(std::move(createScale)) {
    VS_LOG("FFT init");
    analyser_ = std::make_unique<CFFT>();
    VS_LOG("Editor init");
    editor_ = createEditor();
    generator_ = &editor_->Generator();
    VS_LOG("Editor Init done");
    leftBlock_ = std::make_unique<double[]>(kBlockFrames);
    rightBlock_ = std::make_unique<double[]>(kBlockFrames);
    mixBlock_ = std::make_unique<double[]>(kBlockFrames);
}

CSynth::~CSynth() {
    mixBlock_.reset();
    leftBlock_.reset();
    rightBlock_.reset();
    store_.reset();
    analyser_.reset();
    editor_.reset();
}

int64_t CSynth::SampleCounter() {
    return gSampleCounter.load();
}

void CSynth::ProcessBlock(double** inputs, double** outputs, int32_t frames) {
    for (int channel = 0; channel < kChannels; ++channel) {
        std::copy(inputs[channel], inputs[channel] + frames, outputs[channel]);
    }
    if (!IsEditorOpen()) return;
    if (generator_->ToneOn() || generator_->NoiseOn()) {
        GenerateTestSignal(outputs, frames);
    }
    int32_t copied = AppendToBlocks(outputs, 0, frames);
    while (fill_ == kBlockFrames) {
        AnalyseBlock();
        fill_ = 0;
        copied += AppendToBlocks(outputs, copied, frames - copied);
    }
}

// Appends up to frames samples of the output, starting at offset, to the
// analysis blocks; returns how many fitted.
int32_t CSynth::AppendToBlocks(double** outputs, int32_t offset, int32_t frames) {
    const int32_t count = std::min(frames, kBlockFrames - fill_);
    std::copy_n(outputs[0] + offset, count, leftBlock_.get() + fill_);
    std::copy_n(outputs[1] + offset, count, rightBlock_.get() + fill_);
    fill_ += count;
    return count;
}

void CSynth::AnalyseBlock() {
    statistics_.Accumulate(leftBlock_.get(), rightBlock_.get());
    // Other channels must not find the old ones in the transform's overlap.
    const AnalysisChannels channels = settings_.analysisChannels.load(std::memory_order_relaxed);
    if (channels != analysedChannels_) analyser_->ClearFrame();
    analysedChannels_ = channels;
    const AnalysisPair pair = ChooseAnalysisPair(channels, leftBlock_.get(), rightBlock_.get(),
                                                 mixBlock_.get(), kBlockFrames);
    const CFFT::LoudestBin loudest = analyser_->Analyse(pair.first, pair.second);
    // The rate is a sane one (the plug-in refuses others), so the frequency
    // of any bin fits 32 bits.
    const double binHz = sampleRateHz_.load(std::memory_order_relaxed) / CFFT::kSize;
    statistics_.UpdateSpectralMaximum(loudest.levelDb, static_cast<int32_t>(binHz * loudest.bin));
    if (store_) store_->Update(analyser_->Spectrum());
}

void CSynth::GenerateTestSignal(double** outputs, int32_t frames) {
    const bool tone = generator_->ToneOn();
    const bool noise = generator_->NoiseOn();
    if (!tone && !noise) return;
    // A new frequency, whether taken here or at a whole second below, must
    // not find the old tone in the overlapping half of the next transform.
    double frequency = generator_->FrequencyHz();
    if (toneFrequency_ != 0.0 && frequency != toneFrequency_) analyser_->ClearFrame();
    const double sampleRate = sampleRateHz_.load(std::memory_order_relaxed);
    const double radiansPerSample = 2.0 * kPi / sampleRate;
    const auto samplesPerSecond = static_cast<int64_t>(sampleRate);

    int64_t counter = gSampleCounter.fetch_add(frames);
    for (int32_t i = 0; i < frames; ++i) {
        if (tone) {
            const double sample =
                std::sin(radiansPerSample * frequency * static_cast<double>(counter));
            outputs[0][i] = sample;
            outputs[1][i] = sample;
        } else {
            outputs[0][i] = NoiseSample();
            outputs[1][i] = NoiseSample();
        }
        ++counter;
        // A new frequency takes effect once a second of signal; the old tone
        // must not linger in the overlapping half of the next transform.
        if (samplesPerSecond > 0 && counter % samplesPerSecond == 0) {
            const double latest = generator_->FrequencyHz();
            if (latest != frequency) {
                frequency = latest;
                analyser_->ClearFrame();
            }
        }
    }
    toneFrequency_ = frequency;
}

void CSynth::OnEditorOpen(os::WindowHandle parent) {
    // A host that opens twice gets the first editor closed, so that the
    // audio thread never sees its store replaced.
    if (IsEditorOpen()) OnEditorClose();
    parentWindow_ = parent;
    store_ = std::make_unique<CSpectrumStore>(settings_, timer_, createScale_);
    store_->Initialise();
    editor_->Open(parent, store_.get());
    editorOpen_.store(true, std::memory_order_release);
}

void CSynth::OnEditorClose() {
    VS_LOG("CSynth: Editor Close");
    {
        CLockable::Hold pluginLock(pluginLock_);
        editorOpen_.store(false, std::memory_order_release);
    }
    editor_->Close();
    store_.reset();
    parentWindow_ = nullptr;
    fill_ = 0;
    VS_LOG("CSynth: Editor Close Done");
}

// The test-signal generator's switches and frequency as the controls panel
// sets them. The editor owns the object; the engine reads it once per block.
//
// Threads: the user-interface thread changes the mode; the audio thread
// reads the switches and the frequency, all lock-free.
#pragma once

#include <atomic>
#include <cstdint>

enum GeneratorMode : int32_t { kGeneratorOff, kGeneratorNoise, kGeneratorTone };

class CGeneratorControls {
public:
    // frequencyHz is the live value of the "Freq" parameter and outlives
    // this object.
    explicit CGeneratorControls(const std::atomic<float>& frequencyHz)
        : frequencyHz_(frequencyHz) {}

    CGeneratorControls(const CGeneratorControls&) = delete;
    CGeneratorControls& operator=(const CGeneratorControls&) = delete;

    // User-interface thread: the mode and the switch that goes with it.
    void SetMode(GeneratorMode mode);
    GeneratorMode Mode() const { return mode_; }

    // Audio thread.
    bool NoiseOn() const { return noiseOn_.load(std::memory_order_relaxed); }
    bool ToneOn() const { return toneOn_.load(std::memory_order_relaxed); }
    double FrequencyHz() const { return frequencyHz_.load(std::memory_order_relaxed); }

private:
    GeneratorMode mode_ = kGeneratorOff;
    std::atomic<bool> noiseOn_{false};
    std::atomic<bool> toneOn_{false};
    const std::atomic<float>& frequencyHz_;
};

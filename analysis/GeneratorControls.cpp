// CGeneratorControls: the mode and its switches.
#include "analysis/GeneratorControls.h"

void CGeneratorControls::SetMode(GeneratorMode mode) {
    mode_ = mode;
    noiseOn_.store(mode == kGeneratorNoise, std::memory_order_relaxed);
    toneOn_.store(mode == kGeneratorTone, std::memory_order_relaxed);
}

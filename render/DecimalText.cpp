// Locale-free fixed-point formatting built on whole numbers.
#include "render/DecimalText.h"

#include <cassert>
#include <cmath>
#include <cstdlib>

std::string FixedText(double value, int decimals) {
    assert(decimals >= 0 && decimals <= 6);
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    // llround rounds half away from zero, the way people round readouts.
    const long long scaled = std::llround(value * static_cast<double>(scale));
    const unsigned long long magnitude = static_cast<unsigned long long>(std::llabs(scaled));
    std::string text = scaled < 0 ? "-" : "";
    text += std::to_string(magnitude / static_cast<unsigned long long>(scale));
    if (decimals > 0) {
        std::string fraction = std::to_string(magnitude % static_cast<unsigned long long>(scale));
        text += '.';
        text.append(static_cast<size_t>(decimals) - fraction.size(), '0');
        text += fraction;
    }
    return text;
}

std::string SignedIntegerText(long long value) {
    return (value < 0 ? "-" : "+") + std::to_string(value < 0 ? -value : value);
}

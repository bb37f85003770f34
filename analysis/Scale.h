// An index-to-value scale. The spectrum store lays its bands over one and
// the display finds the band of a frequency with it; the store is handed a
// factory for the kind it uses. A scale is initialised once by its owner and
// only read afterwards, so it has no lock.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class CScale {
public:
    virtual bool Init(int32_t first, int32_t last, double low, double high) = 0;
    virtual double ValueAt(int32_t index) const = 0;
    virtual int32_t IndexOf(double value) const = 0;
    virtual ~CScale() = default;
};

using ScaleFactory = std::function<std::unique_ptr<CScale>()>;

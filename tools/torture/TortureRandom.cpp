// CTortureRandom: xorshift64* keeps runs of the same seed identical on
// every machine, which rand() would not.
#include "tools/torture/TortureRandom.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

float FloatFromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

CTortureRandom::CTortureRandom(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {
    if (state_ == 0) state_ = 1;
}

uint64_t CTortureRandom::Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
}

int64_t CTortureRandom::Between(int64_t low, int64_t high) {
    const uint64_t span = static_cast<uint64_t>(high - low) + 1;
    return span == 0 ? static_cast<int64_t>(Next()) : low + static_cast<int64_t>(Next() % span);
}

bool CTortureRandom::Chance(double probability) {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53 < probability;
}

float CTortureRandom::AwkwardFloat() {
    const float awkward[] = {
        0.0f,
        -0.0f,
        FloatFromBits(1),          // smallest denormal
        -FloatFromBits(0x7FFFFF),  // largest negative denormal
        FLT_MIN,
        FLT_MAX,
        -FLT_MAX,
        1e30f,
        -1e30f,
        std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::quiet_NaN(),
        -std::numeric_limits<float>::quiet_NaN(),
        1.0f,
        std::nextafter(1.0f, 2.0f),
        std::nextafter(0.0f, -1.0f),
        std::nextafter(1.0f, 0.0f),
        0.5f,
        -1.0f,
        2.0f,
    };
    const auto count = static_cast<int64_t>(sizeof awkward / sizeof awkward[0]);
    return awkward[Between(0, count - 1)];
}

float CTortureRandom::ParameterValue() {
    if (Chance(0.5)) return AwkwardFloat();
    return static_cast<float>(Next() >> 40) * 0x1.0p-24f;
}

float CTortureRandom::SampleRate() {
    const float common[] = {8000.0f,  11025.0f, 16000.0f,  22050.0f,  32000.0f,  44100.0f, 48000.0f,
                            88200.0f, 96000.0f, 176400.0f, 192000.0f, 352800.0f, 384000.0f};
    if (Chance(0.7)) return common[Between(0, sizeof common / sizeof common[0] - 1)];
    return 8000.0f + static_cast<float>(Between(0, 376000 * 4)) / 4.0f;
}

int32_t CTortureRandom::BlockFrames() {
    switch (Between(0, 4)) {
        case 0:
            return static_cast<int32_t>(Between(0, 2));
        case 1:
            return 1 << Between(5, 14);
        case 2:
            return static_cast<int32_t>((1 << Between(5, 14)) + Between(-1, 1));
        default:
            return static_cast<int32_t>(Between(0, 16384));
    }
}

int32_t CTortureRandom::Index(int32_t count) {
    switch (Between(0, 5)) {
        case 0:
            return -1;
        case 1:
            return count;
        case 2:
            return Chance(0.5) ? INT_MIN : INT_MAX;
        case 3:
            return static_cast<int32_t>(Between(count, 1000));
        default:
            return static_cast<int32_t>(Between(0, count - 1));
    }
}

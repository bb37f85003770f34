// CProcessChecker: the input is mostly noise, now and then sprinkled with
// the awkward finite values (±0, denormals, the largest magnitudes), and
// the output buffers start as NaN so that an unwritten sample shows.
// Signalling NaNs stay out of the input: converting one to double quietens
// it, so a plug-in that computes in double cannot return it unchanged.
#include "tools/torture/ProcessChecker.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

#include "tools/torture/Findings.h"
#include "tools/torture/TortureRandom.h"

namespace {

template <typename Sample>
Sample AwkwardSample(CTortureRandom& random) {
    using Limits = std::numeric_limits<Sample>;
    const Sample values[] = {
        Sample(0),     -Sample(0),    Limits::denorm_min(), -Limits::denorm_min(),
        Limits::min(), Limits::max(), Limits::lowest(),     Sample(1),
        Sample(-1)};
    return values[random.Between(0, sizeof values / sizeof values[0] - 1)];
}

template <typename Sample>
std::string Format(Sample value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", std::numeric_limits<Sample>::max_digits10,
                  static_cast<double>(value));
    return text;
}

}  // namespace

CProcessChecker::CProcessChecker(CFindings& findings) : findings_(findings) {
    for (int channel = 0; channel < 2; ++channel) {
        for (auto* samples : {&floats_.in, &floats_.out, &floats_.expected}) {
            (*samples)[channel].resize(kMaxFrames);
        }
        for (auto* samples : {&doubles_.in, &doubles_.out, &doubles_.expected}) {
            (*samples)[channel].resize(kMaxFrames);
        }
    }
}

template <typename Sample>
CProcessChecker::Channels<Sample>& CProcessChecker::Buffers() {
    if constexpr (std::is_same<Sample, float>::value) {
        return floats_;
    } else {
        return doubles_;
    }
}

void CProcessChecker::Process(AEffect* effect, int frames, CTortureRandom& random,
                              const std::string& context) {
    const bool inPlace = random.Chance(0.2);
    if (random.Chance(0.3)) {
        Run<double>(effect, frames, inPlace, random, context + " processDoubleReplacing");
    } else {
        Run<float>(effect, frames, inPlace, random, context + " processReplacing");
    }
    ++blocks_;
}

template <typename Sample>
void CProcessChecker::Run(AEffect* effect, int frames, bool inPlace, CTortureRandom& random,
                          const std::string& context) {
    Channels<Sample>& buffers = Buffers<Sample>();
    std::vector<Sample>* in = buffers.in;
    std::vector<Sample>* out = buffers.out;
    std::vector<Sample>* expected = buffers.expected;
    FillInput(in, frames, random);
    Sample* inputs[2] = {in[0].data(), in[1].data()};
    Sample* outputs[2] = {out[0].data(), out[1].data()};
    for (int channel = 0; channel < 2; ++channel) {
        std::copy_n(in[channel].data(), frames, expected[channel].data());
        std::fill_n(out[channel].data(), frames, std::numeric_limits<Sample>::quiet_NaN());
        if (inPlace) outputs[channel] = inputs[channel];
    }
    if constexpr (std::is_same<Sample, float>::value) {
        effect->processReplacing(effect, inputs, outputs, frames);
    } else {
        effect->processDoubleReplacing(effect, inputs, outputs, frames);
    }
    Compare(expected, outputs, frames, context + (inPlace ? " in place" : ""));
}

template <typename Sample>
void CProcessChecker::FillInput(std::vector<Sample>* channels, int frames, CTortureRandom& random) {
    const bool sprinkle = random.Chance(0.3);
    for (int channel = 0; channel < 2; ++channel) {
        Sample* samples = channels[channel].data();
        for (int i = 0; i < frames; ++i) {
            const uint64_t bits = random.Next();
            samples[i] = static_cast<Sample>(static_cast<double>(bits >> 11) * 0x1.0p-52 - 1.0);
            if (sprinkle && (bits & 63) == 0) samples[i] = AwkwardSample<Sample>(random);
        }
    }
}

template <typename Sample>
void CProcessChecker::Compare(const std::vector<Sample>* expected, Sample* const* actual,
                              int frames, const std::string& context) {
    for (int channel = 0; channel < 2; ++channel) {
        const Sample* want = expected[channel].data();
        if (std::memcmp(want, actual[channel], sizeof(Sample) * frames) == 0) continue;
        int at = 0;
        while (std::memcmp(&want[at], &actual[channel][at], sizeof(Sample)) == 0) ++at;
        const bool finite = std::isfinite(actual[channel][at]);
        findings_.Add(finite ? "changed output" : "non-finite output",
                      context + ": channel " + std::to_string(channel) + " frame " +
                          std::to_string(at) + " of " + std::to_string(frames) + ": in " +
                          Format(want[at]) + ", out " + Format(actual[channel][at]));
        return;
    }
}

// The analyser: window, overlap, averaging, levels in dB and the loudest bin.
#include "analysis/FFT.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int kN = CFFT::kSize;
using Block = std::vector<double>;

Block Sine(double cyclesPerBlock, double amplitude, int blockIndex) {
    Block block(kN);
    for (int i = 0; i < kN; ++i) {
        const double n = static_cast<double>(blockIndex) * kN + i;
        block[i] = amplitude * std::sin(2.0 * M_PI * cyclesPerBlock * n / kN);
    }
    return block;
}

Block Negated(const Block& block) {
    Block negated(block.size());
    for (size_t i = 0; i < block.size(); ++i) negated[i] = -block[i];
    return negated;
}

class FFTTest : public ::testing::Test {
protected:
    std::unique_ptr<CFFT> analyser_ = std::make_unique<CFFT>();
};

// -120 dB is a power of 1e-12: exactly there no offset, just above it the
// level jumps by 10 dB, whatever the logarithm rounds to.
TEST(FFTLevels, OffsetIsDecidedOnThePowerAtMinus120Decibels) {
    const double floorPower = 1e-12;
    EXPECT_NEAR(CFFT::LevelOfPower(floorPower), -120.0, 1e-9);
    EXPECT_NEAR(CFFT::LevelOfPower(std::nextafter(floorPower, 1.0)), -110.0, 1e-9);
    EXPECT_NEAR(CFFT::LevelOfPower(std::nextafter(floorPower, 0.0)), -120.0, 1e-9);
    EXPECT_EQ(CFFT::LevelOfPower(0.0), -HUGE_VAL);
    EXPECT_NEAR(CFFT::LevelOfPower(1.0), 10.0, 1e-12);
}

TEST_F(FFTTest, FullScaleSineCentredOnBin93ReadsAboutHalfADecibel) {
    const Block first = Sine(93, 1.0, 0);
    const Block second = Sine(93, 1.0, 1);
    analyser_->Analyse(first.data(), first.data());
    const CFFT::LoudestBin loudest = analyser_->Analyse(second.data(), second.data());
    EXPECT_NEAR(analyser_->Spectrum()[93], 0.46, 0.02);
    EXPECT_EQ(analyser_->Spectrum()[0], -120.0);
    EXPECT_EQ(loudest.bin, 93);
    EXPECT_EQ(loudest.levelDb, analyser_->Spectrum()[93]);
}

TEST_F(FFTTest, SilenceGivesMinusInfinityAndNoLoudestBin) {
    const Block silence(kN, 0.0);
    const CFFT::LoudestBin loudest = analyser_->Analyse(silence.data(), silence.data());
    for (int k = 1; k < CFFT::kLevelBins; ++k) {
        ASSERT_TRUE(std::isinf(analyser_->Spectrum()[k]) && analyser_->Spectrum()[k] < 0) << k;
    }
    EXPECT_EQ(loudest.levelDb, -100000.0);
    EXPECT_EQ(loudest.bin, -1);
}

TEST_F(FFTTest, OppositeChannelsCancelAndEqualChannelsReadAsOne) {
    const Block tone = Sine(200.5, 0.5, 0);
    EXPECT_EQ(analyser_->Analyse(tone.data(), Negated(tone).data()).bin, -1);

    CFFT mono;
    const Block silence(kN, 0.0);
    const Block doubled = [&] {
        Block sum(kN);
        for (int i = 0; i < kN; ++i) sum[i] = 2.0 * tone[i];
        return sum;
    }();
    CFFT stereo;
    stereo.Analyse(tone.data(), tone.data());
    mono.Analyse(doubled.data(), silence.data());  // the same mono mix
    for (int k = 1; k < CFFT::kLevelBins; ++k) {
        ASSERT_DOUBLE_EQ(stereo.Spectrum()[k], mono.Spectrum()[k]) << k;
    }
}

TEST_F(FFTTest, FirstBlockIsAnalysedAgainstAZeroHistory) {
    const Block tone = Sine(64, 1.0, 0);
    analyser_->Analyse(tone.data(), tone.data());
    for (int i = 0; i < kN; ++i) ASSERT_EQ(analyser_->Frame()[i], tone[i]) << i;
    const double firstLevel = analyser_->Spectrum()[64];
    analyser_->Analyse(Sine(64, 1.0, 1).data(), Sine(64, 1.0, 1).data());
    EXPECT_GT(analyser_->Spectrum()[64], firstLevel) << "the zero half lowers the first reading";
    analyser_->ClearFrame();
    for (int i = 0; i < kN; ++i) ASSERT_EQ(analyser_->Frame()[i], 0.0);
}

// The whole analysis done the slow, obvious way: naive DFT of each windowed
// frame, magnitudes averaged, then converted to dB.
std::vector<double> ReferenceAnalysis(const Block& previous, const Block& current) {
    std::vector<long double> cosTable(kN), sinTable(kN);
    for (int m = 0; m < kN; ++m) {
        cosTable[m] = std::cos(2.0L * M_PIl * m / kN);
        sinTable[m] = std::sin(2.0L * M_PIl * m / kN);
    }
    std::vector<long double> re(kN / 2, 0.0L), im(kN / 2, 0.0L);
    for (int offset : {kN / 2, kN}) {
        std::vector<long double> frame(kN);
        for (int i = 0; i < kN; ++i) {
            const int n = offset + i;  // position in previous ++ current
            const double sample = n < kN ? previous[n] : current[n - kN];
            frame[i] = sample * (1.0L - std::cos(2.0L * M_PIl * i / (kN - 1))) * 0.5L;
        }
        for (int k = 1; k < kN / 2; ++k) {
            long double sumRe = 0.0L, sumIm = 0.0L;
            for (int i = 0; i < kN; ++i) {
                const int angle = static_cast<int>((static_cast<int64_t>(i) * k) % kN);
                sumRe += frame[i] * cosTable[angle];
                sumIm -= frame[i] * sinTable[angle];
            }
            re[k] += std::fabs(sumRe) * 2.0L / kN * (2.0L / 3.0L) / 2.0L;
            im[k] += std::fabs(sumIm) * 2.0L / kN * (2.0L / 3.0L) / 2.0L;
        }
    }
    std::vector<double> levels(kN / 2, -120.0);
    for (int k = 1; k < kN / 2; ++k) {
        const double db = static_cast<double>(10.0L * std::log10(re[k] * re[k] + im[k] * im[k]));
        levels[k] = db > -120.0 ? db + 10.0 : db;
    }
    return levels;
}

TEST_F(FFTTest, WholeAnalysisMatchesASlowReference) {
    std::mt19937 generator(7);
    std::normal_distribution<double> noise(0.0, 0.1);
    Block previous(kN), current(kN);
    for (int i = 0; i < kN; ++i) {
        previous[i] = noise(generator) + 0.3 * std::sin(0.05 * i);
        current[i] = noise(generator) + 0.3 * std::sin(0.05 * (i + kN));
    }
    const Block silence(kN, 0.0);
    // Left carries twice the signal, right nothing: the mono mix is the signal.
    Block left(kN);
    for (int i = 0; i < kN; ++i) left[i] = 2.0 * previous[i];
    analyser_->Analyse(left.data(), silence.data());
    for (int i = 0; i < kN; ++i) left[i] = 2.0 * current[i];
    analyser_->Analyse(left.data(), silence.data());

    const std::vector<double> expected = ReferenceAnalysis(previous, current);
    for (int k = 1; k < CFFT::kLevelBins; ++k) {
        ASSERT_NEAR(analyser_->Spectrum()[k], expected[k], 1e-9) << "bin " << k;
    }
}

}  // namespace

// The meter with scale: bars and hold lines on the dBFS rows, its opaque
// texture in the plain meter's zones, its ticks and its figures.
#include "render/ScaledMeter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TEST(ScaledMeter, BarsStandOnTheDbfsRowsWithTheHoldLineAtTheLoudestLevel) {
    CScaledMeter meter;
    meter.Update(0.5, 0.1, {}, 1000);  // -6.0 and -20 dBFS
    EXPECT_EQ(meter.BarsOf()[0].top, 256 - 230);
    EXPECT_EQ(meter.BarsOf()[1].top, 85);
    EXPECT_EQ(meter.BarsOf()[0].holdY, meter.BarsOf()[0].top);
    EXPECT_EQ(meter.BarsOf()[1].x, CScaledMeter::kBarPitch);
    // Quieter a second later: the bar drops, the line stays for two seconds
    // and then falls towards the level.
    meter.Update(0.1, 0.01, {}, 2000);
    EXPECT_EQ(meter.BarsOf()[0].top, 85);
    EXPECT_EQ(meter.BarsOf()[0].holdY, 26);
    meter.Update(0.1, 0.01, {}, 3500);
    EXPECT_GT(meter.BarsOf()[0].holdY, 26);
    EXPECT_LE(meter.BarsOf()[0].holdY, 85);
}

TEST(ScaledMeter, SilenceLeavesEmptyBarsNoLinesAndMinusInfinity) {
    CScaledMeter meter;
    CLoudnessSnapshot silence;
    silence.shortTermLufs = -INFINITY;
    meter.Update(0.0, 0.0, silence, 10);
    for (const ScaledMeterBar& bar : meter.BarsOf()) {
        EXPECT_EQ(bar.top, 256);
        EXPECT_EQ(bar.holdY, -1);
    }
    EXPECT_EQ(meter.LoudnessBar().top, 256);
    EXPECT_EQ(meter.FigureTexts(),
              (CScaledMeter::Figures{"peak -inf dBFS", "RMS -inf dBFS", "S -- LUFS", "I -- LUFS"}));
    meter.Update(1.0, 0.2427, {}, 20);
    EXPECT_EQ(meter.PeakText(), "peak 0.0 dBFS");
    EXPECT_EQ(meter.RmsText(), "RMS -12.3 dBFS");
}

TEST(ScaledMeter, LoudnessBarStandsOnItsLufsScaleRightOfTheDbfsLabels) {
    CScaledMeter meter;
    CLoudnessSnapshot loudness;
    loudness.shortTermLufs = -15.04;
    loudness.integratedLufs = -23.0;
    meter.Update(0.5, 0.1, loudness, 0);
    EXPECT_EQ(meter.LoudnessBar().top, MeterRowY(kLufsMeterScale, -15.04));
    EXPECT_EQ(meter.LoudnessBar().holdY, -1);
    EXPECT_EQ(meter.FigureTexts()[2], "S -15.0 LUFS");
    EXPECT_EQ(meter.FigureTexts()[3], "I -23.0 LUFS");
    EXPECT_GE(meter.LoudnessBar().x, CScaledMeter::kLabelX + CScaledMeter::kLabelWidth);
    const auto ticks = CScaledMeter::LoudnessTicks();
    const auto target = std::find_if(ticks.begin(), ticks.end(),
                                     [](const MeterTick& tick) { return tick.text == "-23"; });
    ASSERT_NE(target, ticks.end());
    EXPECT_EQ(target->y, MeterRowY(kLufsMeterScale, -23.0));
    // Its texture is one colour, unlike the zones of the level bars.
    const CMeterTexture::Texels texels = CScaledMeter::BuildLoudnessTexture();
    EXPECT_EQ(texels[2 * CMeterTexture::kWidth], texels[250 * CMeterTexture::kWidth]);
    EXPECT_NE(texels[2 * CMeterTexture::kWidth], CScaledMeter::BuildTexture()[2 * 16]);
}

TEST(ScaledMeter, TextureIsOpaqueInThePlainZonesByScaleValue) {
    const CMeterTexture::Texels texels = CScaledMeter::BuildTexture();
    auto row = [&](int r) { return texels[r * CMeterTexture::kWidth + 7]; };
    for (int r = 0; r < CMeterTexture::kHeight; ++r) EXPECT_EQ(row(r) >> 24, 0xFFu) << r;
    // -1 dBFS falls in row 4, -4 dBFS in row 17 (rows take the value of
    // their middle): red, yellow, then green.
    EXPECT_EQ(row(2) & 0xFFFFFFu, CMeterTexture::kRed);
    EXPECT_EQ(row(4) & 0xFFFFFFu, CMeterTexture::kYellow);
    EXPECT_EQ(row(16) & 0xFFFFFFu, CMeterTexture::kYellow);
    EXPECT_EQ(row(17) & 0xFFFFFFu, CMeterTexture::kGreen);
    EXPECT_EQ(row(255) & 0xFFFFFFu, CMeterTexture::kBlack);
}

TEST(ScaledMeter, TicksLabelEveryMarkedLevelRightOfTheBars) {
    const auto ticks = CScaledMeter::Ticks();
    EXPECT_EQ(ticks.front().text, "0");
    EXPECT_EQ(ticks.front().y, 0);
    EXPECT_EQ(ticks.back().text, "-60");
    EXPECT_EQ(ticks.back().y, 256);
    EXPECT_GE(CScaledMeter::kTickX, CScaledMeter::kLevelBarCount * CScaledMeter::kBarPitch);
    // 0, -3 and -6 stand 13 rows apart: 12-pixel labels clear each other;
    // the others sit centred on their ticks, -60 half below the bars.
    const auto tops = MeterTickLabelTops(ticks, 12);
    const int expected[] = {0, 12, 24, 43 - 6, 85 - 6, 128 - 6, 171 - 6, 256 - 6};
    for (size_t i = 0; i < tops.size(); ++i) EXPECT_EQ(tops[i], expected[i]) << ticks[i].text;
}

}  // namespace

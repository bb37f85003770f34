// The view options through the real module, checked by the pixels of
// presented frames: the slope tilts equal tones about 1 kHz, a waterfall
// with a 10 s history keeps a short burst in its back rows where one row
// per frame has long let it go, and the channels choose what is analysed.
#include <cmath>
#include <utility>

#include "render/BarGraphLayout.h"
#include "render/SpectrumReadout.h"
#include "tests/win/editor/PictureHost.h"

namespace {

using namespace picture;

bool IsAmber(uint32_t pixel) {
    return RedOf(pixel) > 200 && GreenOf(pixel) > 130 && BlueOf(pixel) < 110;
}

class DisplayOptions : public PictureHost {
protected:
    void Command(int id) {
        SendMessageA(MainView(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        Pump(5);
    }
    // Where the tallest bar near hz starts in a 2D frame (its peak may lean
    // a band or two to a side): the first row, from the 0 dB line down,
    // that differs from the silent frame.
    int BarTop(const CapturedImage& frame, const CapturedImage& silent, double hz) {
        const CBarGraphLayout layout(kViewHeight);
        const int band = BandOf(hz);
        const int left = static_cast<int>(CBarGraphLayout::BandX(band - 3));
        const int right = static_cast<int>(CBarGraphLayout::BandX(band + 3));
        for (int y = static_cast<int>(layout.LevelY(1.0f)); y < layout.BaseY(); ++y) {
            for (int x = left; x <= right; ++x) {
                if (frame.At(x, y) != silent.At(x, y)) return y;
            }
        }
        return static_cast<int>(layout.BaseY());
    }
    // Pumps for ms of real time; returns the frames presented meanwhile.
    uint32_t PumpFor(DWORD ms) {
        const uint32_t before = capture_->FramesPresented();
        for (const DWORD end = GetTickCount() + ms; GetTickCount() < end;) Pump(10);
        return capture_->FramesPresented() - before;
    }
    // A burst of the 1 kHz tone (about 0.3 s of audio, on screen for half a
    // second), then enough silence for every level to fall to the floor.
    void PlayBurst() {
        PlayAndSettle(1000.0, 0.5f);
        PumpFor(500);
        Play(30, [](double) { return std::make_pair(0.0f, 0.0f); });
    }
};

// Near 100 Hz, 1 kHz and 10 kHz, each on a bin of the transform, so that
// the three read the same level on the flat display.
constexpr double kBinHz = kSampleRate / 4096;
constexpr double kLowHz = 9 * kBinHz;
constexpr double kMiddleHz = 93 * kBinHz;
constexpr double kHighHz = 929 * kBinHz;

TEST_F(DisplayOptions, SlopeTiltsEqualTonesAboutOneKilohertz) {
    Press(IDC_2D_VIEW);
    const CapturedImage silent = Frame("slope-silent.png");
    Play(6, [](double t) {
        const auto sum = static_cast<float>(0.1 * (std::sin(kTwoPi * kLowHz * t) +
                                                   std::sin(kTwoPi * kMiddleHz * t) +
                                                   std::sin(kTwoPi * kHighHz * t)));
        return std::make_pair(sum, sum);
    });
    const CapturedImage flat = Frame("slope-flat.png");
    Command(IDM_SLOPE_6_DB);
    const CapturedImage tilted = Frame("slope-6db.png");
    const CBarGraphLayout layout(kViewHeight);
    const double pixelsPerDb = (layout.LevelY(0.0f) - layout.LevelY(1.0f)) / 120.0;
    // Down and up by 6 dB per octave from the middle band's own centre.
    auto shift = [&](double hz) {
        const BandTable& bands = *Settings().bandTable;
        return 6.0 * std::log2(BandCentreHz(bands, BandOf(hz)) / 1000.0) * pixelsPerDb;
    };
    const int flatMiddle = BarTop(flat, silent, kMiddleHz);
    ASSERT_LT(flatMiddle, layout.LevelY(0.6f)) << "the tones stand well above the floor";
    EXPECT_NEAR(BarTop(flat, silent, kLowHz), flatMiddle, 6) << "flat: level";
    EXPECT_NEAR(BarTop(flat, silent, kHighHz), flatMiddle, 6);
    EXPECT_NEAR(BarTop(flat, silent, kMiddleHz) - BarTop(tilted, silent, kMiddleHz),
                shift(kMiddleHz), 1);
    EXPECT_NEAR(BarTop(flat, silent, kLowHz) - BarTop(tilted, silent, kLowHz), shift(kLowHz), 4);
    EXPECT_NEAR(BarTop(flat, silent, kHighHz) - BarTop(tilted, silent, kHighHz), shift(kHighHz), 4);
    EXPECT_EQ(
        Count(flat, 700, 0, kViewWidth, 30, [&](int x, int y) { return IsAmber(flat.At(x, y)); }),
        0);
    EXPECT_GT(Count(tilted, 700, 0, kViewWidth, 30,
                    [&](int x, int y) { return IsAmber(tilted.At(x, y)); }),
              30)
        << "the caption names the slope";
}

TEST_F(DisplayOptions, TenSecondHistoryKeepsABurstWhereOneRowPerFrameLetsItGo) {
    Command(IDM_HISTORY_10_S);
    WaitFrames(5);
    const CapturedImage restByTime = Frame("history-rest.png");
    PlayBurst();
    EXPECT_GE(PumpFor(5000), kRestFrames) << "frames enough for one row per frame to clear";
    const CapturedImage keptByTime = Frame("history-10s.png");
    EXPECT_GT(DifferingPixels(restByTime, keptByTime, 0, 40, kViewWidth, kViewHeight), 300)
        << "the burst stands in the back rows";

    Command(IDM_HISTORY_PER_FRAME);
    WaitFrames(kRestFrames);
    const CapturedImage restPerFrame = Frame("history-per-frame-rest.png");
    PlayBurst();
    PumpFor(5000);
    EXPECT_EQ(DifferingPixels(restPerFrame, Frame("history-per-frame.png")), 0);
}

TEST_F(DisplayOptions, ChannelsChooseWhatTheAnalysisSees) {
    Press(IDC_2D_VIEW);
    const CapturedImage silent = Frame("channels-silent.png");
    const CBarGraphLayout layout(kViewHeight);
    const std::pair<int, bool> modes[] = {{IDM_CHANNELS_RIGHT, false},
                                          {IDM_CHANNELS_LEFT, true},
                                          {IDM_CHANNELS_MID, true},
                                          {IDM_CHANNELS_SIDE, true}};
    for (const auto& [mode, seen] : modes) {
        Command(mode);
        Play(8, [](double t) {
            return std::make_pair(static_cast<float>(0.5 * std::sin(kTwoPi * 1000.0 * t)), 0.0f);
        });
        const CapturedImage frame = Frame("channels.png");
        const int top = BarTop(frame, silent, 1000.0);
        if (seen) {
            EXPECT_LT(top, layout.LevelY(0.75f)) << mode << ": louder than -30 dB";
        } else {
            EXPECT_GT(top, layout.LevelY(0.25f)) << mode << ": nothing above -90 dB";
        }
    }
    const CapturedImage side = Frame("channels-side.png");
    EXPECT_GT(
        Count(side, 700, 0, kViewWidth, 30, [&](int x, int y) { return IsAmber(side.At(x, y)); }),
        30)
        << "the caption names the channels";
}

}  // namespace

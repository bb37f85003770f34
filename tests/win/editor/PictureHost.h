// A host for picture tests of the view through the real module: audio fed
// on the test's own thread between pumps, presented frames captured and
// kept as screenshots, the pointer moved over the view, and pixel counts.
// Once the audio stops the scene comes to rest, so frames can be compared
// pixel for pixel.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "render/BarGraphLayout.h"
#include "resources/resource.h"
#include "tests/win/editor/EditorHost.h"
#include "tools/host/FrameCapture.h"

namespace picture {

constexpr int kViewWidth = 900;
constexpr int kViewHeight = 400;
constexpr double kSampleRate = 44100.0;
constexpr int kHostBlock = 512;
constexpr double kTwoPi = 6.283185307179586;
// More frames than the surface has rows: every row then shows the last
// spectrum and nothing moves any more.
constexpr uint32_t kRestFrames = 40;

inline bool IsBright(uint32_t pixel) {
    return RedOf(pixel) > 180 && GreenOf(pixel) > 180 && BlueOf(pixel) > 180;
}
inline bool IsOpaqueGreen(uint32_t pixel) {
    return GreenOf(pixel) > 200 && RedOf(pixel) < 60 && BlueOf(pixel) < 60;
}

// Pixels of a rectangle (held to the view) for which is(x, y) holds.
template <typename Predicate>
int Count(int left, int top, int right, int bottom, Predicate is) {
    int count = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, kViewHeight); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, kViewWidth); ++x) count += is(x, y);
    }
    return count;
}
inline int DifferingPixels(const CapturedImage& a, const CapturedImage& b, int left = 0,
                           int top = 0, int right = kViewWidth, int bottom = kViewHeight) {
    return Count(left, top, right, bottom, [&](int x, int y) { return a.At(x, y) != b.At(x, y); });
}
inline int BrightPixels(const CapturedImage& image, int left, int top, int right, int bottom) {
    return Count(left, top, right, bottom, [&](int x, int y) { return IsBright(image.At(x, y)); });
}

class PictureHost : public EditorHost {
protected:
    void SetUp() override {
        EditorHost::SetUp();
        if (HasFatalFailure()) return;
        capture_ = std::make_unique<CFrameCapture>();
        ASSERT_TRUE(capture_->Installed());
        OpenEditor();
        ASSERT_NE(MainView(), nullptr);
        // The grid and its labels stay out of the way of what is measured.
        if (Editor().ControlsParameters()[kParamAxis]->IsEnabled()) Press(IDC_AXIS_TOGGLE);
        if (Editor().State().Flag(kFlagLabels)) Press(IDC_LABELS);
    }
    void TearDown() override {
        LeaveView();
        EditorHost::TearDown();
        capture_.reset();
    }

    void Press(int id) {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        Pump(5);
    }
    // Stereo samples of time t in seconds.
    using Signal = std::function<std::pair<float, float>(double)>;

    // Analysis blocks of a signal through the host's call, with the view
    // drawing in between.
    void Play(int analysisBlocks, const Signal& signal) {
        std::vector<float> left(kHostBlock), right(kHostBlock), out(kHostBlock);
        float* inputs[] = {left.data(), right.data()};
        float* outputs[] = {out.data(), out.data()};
        for (int block = 0; block < analysisBlocks * 4096 / kHostBlock; ++block) {
            for (int i = 0; i < kHostBlock; ++i, ++sample_) {
                std::tie(left[i], right[i]) = signal(static_cast<double>(sample_) / kSampleRate);
            }
            effect_->processReplacing(effect_, inputs, outputs, kHostBlock);
            if (block % 2 == 1) Pump(5);
        }
    }
    // Three analysis blocks of one or two sines on both channels.
    void PlayAndSettle(double hz, float amplitude, double secondHz = 0.0,
                       float secondAmplitude = 0.0f) {
        Play(3, [=](double t) {
            const auto both = static_cast<float>(amplitude * std::sin(kTwoPi * hz * t) +
                                                 secondAmplitude * std::sin(kTwoPi * secondHz * t));
            return std::make_pair(both, both);
        });
    }
    void WaitFrames(uint32_t count) {
        const uint32_t target = capture_->FramesPresented() + count;
        const DWORD deadline = GetTickCount() + 20000;
        while (capture_->FramesPresented() < target && GetTickCount() < deadline) Pump(5);
        ASSERT_GE(capture_->FramesPresented(), target) << "the view stopped presenting frames";
    }
    CapturedImage Frame(const char* screenshot) {
        WaitFrames(2);
        CapturedImage frame = capture_->LastFrame();
        EXPECT_EQ(frame.width, kViewWidth);
        const std::string path = std::string(VANTOSCOPE_SCREENSHOT_DIR) + "/" + screenshot;
        EXPECT_TRUE(SavePng(frame, path)) << path;
        return frame;
    }

    // The pointer really goes there, so that the window's leave tracking
    // sees it inside, and the view hears of the move as from the mouse.
    void HoverAt(int x, int y) {
        POINT screen{x, y};
        ClientToScreen(MainView(), &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageA(MainView(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        Pump(5);
    }
    void LeaveView() {
        SetCursorPos(0, 0);
        if (MainView() != nullptr) SendMessageA(MainView(), WM_MOUSELEAVE, 0, 0);
        Pump(5);
    }

    int BandOf(double hz) {
        return static_cast<int>(CBarGraphLayout::BandPosition(*Settings().bandTable, hz));
    }

    std::unique_ptr<CFrameCapture> capture_;
    long long sample_ = 0;
};

}  // namespace picture

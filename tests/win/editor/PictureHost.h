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

// Frames are counted in their own pixels, rectangles given in layout units
// (the view's pixels at 100 %): a frame of an editor at 200 % has four
// pixels for each unit.
inline int PixelsPerUnit(const CapturedImage& frame) {
    return std::max(1, frame.width / kViewWidth);
}

// The frame's pixels of a rectangle (held to the view) for which is(x, y)
// holds, x and y in the frame's pixels.
template <typename Predicate>
int Count(const CapturedImage& frame, int left, int top, int right, int bottom, Predicate is) {
    const int scale = PixelsPerUnit(frame);
    int count = 0;
    for (int y = std::max(top, 0) * scale; y < std::min(bottom, kViewHeight) * scale; ++y) {
        for (int x = std::max(left, 0) * scale; x < std::min(right, kViewWidth) * scale; ++x)
            count += is(x, y);
    }
    return count;
}
inline int DifferingPixels(const CapturedImage& a, const CapturedImage& b, int left = 0,
                           int top = 0, int right = kViewWidth, int bottom = kViewHeight) {
    return Count(a, left, top, right, bottom,
                 [&](int x, int y) { return a.At(x, y) != b.At(x, y); });
}
inline int BrightPixels(const CapturedImage& image, int left, int top, int right, int bottom) {
    return Count(image, left, top, right, bottom,
                 [&](int x, int y) { return IsBright(image.At(x, y)); });
}
// The pixel in the middle of the layout unit (x, y).
inline uint32_t PixelAt(const CapturedImage& frame, int x, int y) {
    const int scale = PixelsPerUnit(frame);
    return frame.At(x * scale + scale / 2, y * scale + scale / 2);
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
        EXPECT_EQ(frame.width, kViewWidth * percent_ / 100);
        // "readout-2d-200.png" for the picture at 200 %.
        std::string name = screenshot;
        if (percent_ != 100) name.insert(name.rfind('.'), "-" + std::to_string(percent_));
        const std::string path = std::string(VANTOSCOPE_SCREENSHOT_DIR) + "/" + name;
        EXPECT_TRUE(SavePng(frame, path)) << path;
        return frame;
    }

    // The pointer really goes there, so that the window's leave tracking
    // sees it inside, and the view hears of the move as from the mouse.
    // (x, y) in layout units, moved to in the window's pixels.
    void HoverAt(int x, int y) {
        const int px = x * percent_ / 100, py = y * percent_ / 100;
        POINT screen{px, py};
        ClientToScreen(MainView(), &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageA(MainView(), WM_MOUSEMOVE, 0, MAKELPARAM(px, py));
        Pump(5);
    }
    // The editor at a size from the view menu; the larger window may reach
    // under the pointer, which is moved away.
    void UseSize(int percent, int command) {
        SendMessageA(MainView(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
        percent_ = percent;
        LeaveView();
        WaitFrames(2);
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
    int percent_ = 100;
};

}  // namespace picture

// The editor's pictures through the real module, as a musician sees them:
// audio streamed through processReplacing on a host-like audio thread with
// the editor open, the controls pressed by their ids, and the presented
// Direct3D frames checked by pixels against where our own projection and
// layout code put things. Every case saves a screenshot.
#include "tests/win/editor/EditorHost.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>

#include "analysis/FFT.h"
#include "render/BarGraphLayout.h"
#include "render/D3DCamera.h"
#include "render/Viewport.h"
#include "render/WaterGeometry.h"
#include "resources/resource.h"
#include "tools/host/FrameCapture.h"

namespace {

constexpr int kViewWidth = 900;
constexpr int kViewHeight = 400;
constexpr double kSampleRate = 44100.0;
constexpr int kHostBlock = 512;
constexpr double kTwoPi = 6.283185307179586;
// Pixels whose channels differ by more than this count as changed: well
// above the rasteriser's noise, well below what a rising ridge does.
constexpr int kChangeThreshold = 40;

bool IsRed(uint32_t pixel) {
    return RedOf(pixel) > 150 && GreenOf(pixel) < 90 && BlueOf(pixel) < 90;
}
// The bar graph's palette from green to red, not the grey of the grid.
bool IsBarColour(uint32_t pixel) {
    return std::max(RedOf(pixel), GreenOf(pixel)) - BlueOf(pixel) > 40;
}
bool IsBright(uint32_t pixel) {
    return RedOf(pixel) > 150 && GreenOf(pixel) > 150 && BlueOf(pixel) > 150;
}
bool Differs(uint32_t a, uint32_t b) {
    return std::abs(RedOf(a) - RedOf(b)) > kChangeThreshold ||
           std::abs(GreenOf(a) - GreenOf(b)) > kChangeThreshold ||
           std::abs(BlueOf(a) - BlueOf(b)) > kChangeThreshold;
}

// Changed pixels of each screen column between two frames, rows top..bottom-1.
std::vector<int> ChangedPerColumn(const CapturedImage& a, const CapturedImage& b, int top = 0,
                                  int bottom = kViewHeight) {
    std::vector<int> counts(kViewWidth, 0);
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < kViewWidth; ++x) counts[x] += Differs(a.At(x, y), b.At(x, y));
    }
    return counts;
}

int Sum(const std::vector<int>& counts, int from, int to) {
    int sum = 0;
    for (int x = std::max(from, 0); x < std::min(to, static_cast<int>(counts.size())); ++x) {
        sum += counts[x];
    }
    return sum;
}

int ArgMax(const std::vector<int>& counts) {
    return static_cast<int>(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

template <typename Predicate>
int CountIn(const CapturedImage& image, int left, int top, int right, int bottom, Predicate is) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) count += is(image.At(x, y));
    }
    return count;
}

// Every picture at 100 % and at 200 %; a frame at 200 % is looked at one
// pixel per layout unit, so each check reads the same places at both sizes.
class EditorPicture : public EditorHost, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        EditorHost::SetUp();
        if (HasFatalFailure()) return;
        capture_ = std::make_unique<CFrameCapture>();
        ASSERT_TRUE(capture_->Installed());
        OpenEditor();
        ASSERT_NE(MainView(), nullptr);
        if (GetParam() == 200) {
            SendMessageA(MainView(), WM_COMMAND, MAKEWPARAM(IDM_SIZE_200, 0), 0);
            // The larger view may reach under the pointer: no readout box.
            SetCursorPos(0, 0);
            SendMessageA(MainView(), WM_MOUSELEAVE, 0, 0);
            Pump(30);
        }
        // Peak labels and the level grid would move with the levels and
        // blur what the surface does; the front edge's frequencies stay.
        if (Editor().State().Flag(kFlagLabels)) Press(Controls(), IDC_LABELS);
        if (Editor().ControlsParameters()[5]->IsEnabled()) Press(Controls(), IDC_AXIS_TOGGLE);
        audio_ = std::thread([this] { StreamAudio(); });
    }
    void TearDown() override {
        streaming_ = false;
        if (audio_.joinable()) audio_.join();
        EditorHost::TearDown();
        capture_.reset();
    }

    // The host's audio thread: 512-frame blocks at the pace of the sample
    // rate, a sine of the current frequency and amplitude (0 is silence).
    void StreamAudio() {
        std::vector<float> left(kHostBlock), right(kHostBlock), outLeft(kHostBlock),
            outRight(kHostBlock);
        float* inputs[] = {left.data(), right.data()};
        float* outputs[] = {outLeft.data(), outRight.data()};
        double phases[] = {0, 0};
        float levels[] = {0, 0};
        const DWORD start = GetTickCount();
        while (streaming_) {
            const double due = (GetTickCount() - start) * kSampleRate / 1000.0;
            if (static_cast<double>(samples_.load()) > due) {
                Sleep(2);
                continue;
            }
            const double steps[] = {kTwoPi * frequencyHz_[0].load() / kSampleRate,
                                    kTwoPi * frequencyHz_[1].load() / kSampleRate};
            const float targets[] = {amplitude_[0].load(), amplitude_[1].load()};
            for (int i = 0; i < kHostBlock; ++i) {
                double sample = 0;
                for (int tone = 0; tone < 2; ++tone) {
                    // A fade of 2048 samples, as a player starts and stops a
                    // note, so that no click spreads over the spectrum.
                    const float fade = 1.0f / 2048.0f;
                    levels[tone] += std::clamp(targets[tone] - levels[tone], -fade, fade);
                    sample += levels[tone] * std::sin(phases[tone]);
                    phases[tone] = std::fmod(phases[tone] + steps[tone], kTwoPi);
                }
                left[i] = right[i] = static_cast<float>(sample);
            }
            effect_->processReplacing(effect_, inputs, outputs, kHostBlock);
            samples_ += kHostBlock;
        }
    }
    // A click through the button's own window.
    void Press(HWND dialog, int id) {
        SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
        Pump(5);
    }

    // One or two sines; amplitude 0 is silence.
    void Play(double hz, float amplitude, double secondHz = 0, float secondAmplitude = 0) {
        frequencyHz_[0] = hz;
        frequencyHz_[1] = secondHz;
        amplitude_[0] = amplitude;
        amplitude_[1] = secondAmplitude;
    }

    // Pumps the host's messages until count more frames were presented.
    void WaitFrames(uint32_t count) {
        const uint32_t target = capture_->FramesPresented() + count;
        const DWORD deadline = GetTickCount() + 20000;
        while (capture_->FramesPresented() < target && GetTickCount() < deadline) Pump(5);
        ASSERT_GE(capture_->FramesPresented(), target) << "the view stopped presenting frames";
    }
    // Until three analysis blocks of the current signal were streamed and
    // the view has drawn frames since: the spectrum shows only the new input.
    void Settle(uint32_t frames = 3) {
        const long long target = samples_.load() + 3 * CFFT::kSize;
        const DWORD deadline = GetTickCount() + 20000;
        while (samples_.load() < target && GetTickCount() < deadline) Pump(5);
        ASSERT_GE(samples_.load(), target) << "the audio thread stalled";
        WaitFrames(frames);
    }
    CapturedImage Frame(const char* screenshot) {
        WaitFrames(1);
        const CapturedImage frame = capture_->LastFrame();
        EXPECT_EQ(frame.width, kViewWidth * GetParam() / 100);
        EXPECT_EQ(frame.height, kViewHeight * GetParam() / 100);
        std::string name = screenshot;
        if (GetParam() != 100) name.insert(name.rfind('.'), "-" + std::to_string(GetParam()));
        const std::string path = std::string(VANTOSCOPE_SCREENSHOT_DIR) + "/" + name;
        EXPECT_TRUE(SavePng(frame, path)) << path;
        return OnePixelPerUnit(frame);
    }
    CapturedImage LastFrame() const { return OnePixelPerUnit(capture_->LastFrame()); }
    static CapturedImage OnePixelPerUnit(const CapturedImage& frame) {
        const int scale = frame.width / kViewWidth;
        if (scale <= 1) return frame;
        CapturedImage units;
        units.width = kViewWidth;
        units.height = frame.height / scale;
        units.pixels.resize(static_cast<size_t>(units.width) * units.height);
        for (int y = 0; y < units.height; ++y) {
            for (int x = 0; x < units.width; ++x)
                units.pixels[static_cast<size_t>(y) * units.width + x] =
                    frame.At(x * scale + scale / 2, y * scale + scale / 2);
        }
        return units;
    }

    // Where the waterfall draws a frequency: the band that holds it, at the
    // front edge and the given height, seen from the Reset camera through
    // the view's projection.
    Vector3 ProjectBand(double hz, float height, float z = WaterGeometry::kFrontZ) {
        CD3DCamera camera(Settings().CameraPresets()[CSettings::kReset]);
        Matrix4 view;
        camera.BuildView(view);
        const Matrix4 projection = PerspectiveFovLHMatrix(
            30.0f * kDegreesToRadians, static_cast<float>(kViewWidth) / kViewHeight, 1.0f, 1500.0f);
        const int band = static_cast<int>(CBarGraphLayout::BandPosition(*Settings().bandTable, hz));
        const Viewport viewport{0, 0, kViewWidth, kViewHeight, 0, 1};
        return ProjectToScreen({WaterGeometry::ColumnX(band), height, z}, viewport, projection,
                               view, IdentityMatrix());
    }

    std::unique_ptr<CFrameCapture> capture_;
    std::thread audio_;
    std::atomic<bool> streaming_{true};
    std::atomic<long long> samples_{0};
    std::atomic<double> frequencyHz_[2] = {{1000.0}, {0.0}};
    std::atomic<float> amplitude_[2] = {{0.0f}, {0.0f}};
};

// The middle of the changed columns of a ridge: the columns within
// [from, to) where at least half as many pixels changed as in the column of
// most change, weighted by their counts.
double RidgeX(const std::vector<int>& changed, int from, int to) {
    const int most = *std::max_element(changed.begin() + from, changed.begin() + to);
    double weighted = 0, total = 0;
    for (int x = from; x < to; ++x) {
        if (changed[x] * 2 < most || most == 0) continue;
        weighted += static_cast<double>(x) * changed[x];
        total += changed[x];
    }
    return total > 0 ? weighted / total : -1;
}

TEST_P(EditorPicture, WaterfallRidgesFreezePeaksAndWireframe) {
    // The predictions below assume the camera of a freshly opened editor.
    const CameraPreset& reset = Settings().CameraPresets()[CSettings::kReset];
    ASSERT_FLOAT_EQ(Value(0), reset.x);
    ASSERT_FLOAT_EQ(Value(2), reset.z);
    ASSERT_FLOAT_EQ(Value(4), reset.pitchDeg);
    Settle(2);  // the surface of a fresh editor is flat and silent
    const CapturedImage silent = Frame("editor-silence.png");
    // Flat: along the front edge, a little above the floor, every column
    // looks like the middle one.
    const int frontY = static_cast<int>(ProjectBand(1000.0, 10.0f).y);
    const uint32_t middle = silent.At(kViewWidth / 2, frontY);
    int unlike = 0;
    for (int x = 200; x < 700; ++x) unlike += Differs(silent.At(x, frontY), middle);
    EXPECT_LT(unlike, 10) << "a silent surface is flat at y " << frontY;

    // The newest rows, just above the front edge: where a tone's ridge
    // stands, before perspective carries the older rows towards the middle.
    const int stripTop = static_cast<int>(ProjectBand(1000.0, 60.0f).y);
    // Only the lit, palette-coloured front faces count: the older rows of a
    // ridge show their dark sides there.
    const auto frontChange = [&](const CapturedImage& before, const CapturedImage& after) {
        std::vector<int> counts(kViewWidth, 0);
        for (int y = stripTop; y < frontY; ++y) {
            for (int x = 0; x < kViewWidth; ++x) {
                const uint32_t pixel = after.At(x, y);
                counts[x] += Differs(before.At(x, y), pixel) &&
                             std::max(RedOf(pixel), GreenOf(pixel)) >= 140;
            }
        }
        return counts;
    };
    Play(1000.0, 0.5f);
    Settle(3);
    const CapturedImage tone = Frame("editor-1khz.png");
    const std::vector<int> front = frontChange(silent, tone);
    const double ridgeX = RidgeX(front, 0, kViewWidth);
    const double predictedX = ProjectBand(1000.0, 35.0f).x;
    EXPECT_NEAR(ridgeX, predictedX, 8) << "the 1 kHz ridge stands where its band projects";
    const int rx = static_cast<int>(ridgeX);
    EXPECT_LT(Sum(front, 0, rx - 30) + Sum(front, rx + 30, kViewWidth),
              Sum(front, rx - 30, rx + 30) / 20)
        << "and nowhere else along the front";

    // The rows behind fill as the surface scrolls back one row a frame:
    // the ridge of the last row but one, nearer the middle, rises too.
    WaitFrames(WaterGeometry::kRows + 2);
    const CapturedImage filled = Frame("editor-1khz-filled.png");
    const Vector3 back = ProjectBand(1000.0, 60.0f, WaterGeometry::RowZ(WaterGeometry::kRows - 2));
    const int backX = static_cast<int>(back.x), backY = static_cast<int>(back.y);
    EXPECT_GT(Sum(ChangedPerColumn(silent, filled, backY - 3, backY + 4), backX - 15, backX + 16),
              3)
        << "after 32 frames the back rows have it";
    const std::vector<int> all = ChangedPerColumn(silent, filled);
    EXPECT_LT(Sum(all, 0, rx - 45) + Sum(all, rx + 45, kViewWidth), Sum(all, rx - 45, rx + 45) / 20)
        << "the whole landscape has only the 1 kHz ridge";

    // Frozen, the 1 kHz landscape stays while 100 Hz and 10 kHz play.
    Press(Controls(), IDC_FREEZE);
    Play(100.0, 0.4f, 10000.0, 0.4f);
    Settle(3);
    const CapturedImage held = LastFrame();
    EXPECT_LT(Sum(ChangedPerColumn(filled, held), 0, kViewWidth), 100)
        << "a frozen picture ignores the input";

    // Peak spheres: red, along the front edge and on top of the held ridge.
    Press(Controls(), IDC_PEAKS);
    WaitFrames(2);
    const CapturedImage peaks = Frame("editor-frozen-peaks.png");
    const int edgeY = static_cast<int>(ProjectBand(1000.0, 0.0f).y);
    EXPECT_GT(CountIn(peaks, 0, edgeY - 12, kViewWidth, kViewHeight, IsRed),
              CountIn(held, 0, edgeY - 12, kViewWidth, kViewHeight, IsRed) + 200)
        << "a row of red spheres at the front edge";
    const auto redOverRidge = [&](const CapturedImage& frame) {
        return CountIn(frame, rx - 15, 0, rx + 16, edgeY - 20, IsRed);
    };
    EXPECT_GT(redOverRidge(peaks), redOverRidge(held)) << "and one on the 1 kHz peak";
    Press(Controls(), IDC_PEAKS);

    Press(Controls(), IDC_RENDER_MODE);
    ASSERT_EQ(Editor().State().Fill(), kFillWireframe);
    WaitFrames(2);
    const CapturedImage wire = Frame("editor-wireframe.png");
    EXPECT_GT(Sum(ChangedPerColumn(held, wire), 0, kViewWidth), 20000)
        << "wireframe shows the background between the lines";
    Press(Controls(), IDC_RENDER_MODE);
    Press(Controls(), IDC_RENDER_MODE);
    ASSERT_EQ(Editor().State().Fill(), kFillSolid);

    // Thawed, the two tones rise left and right of the 1 kHz ridge.
    Press(Controls(), IDC_FREEZE);
    Settle(3);
    const CapturedImage two = Frame("editor-100hz-10khz.png");
    const std::vector<int> twoFront = frontChange(silent, two);
    const double lowX = RidgeX(twoFront, 0, rx - 40);
    const double highX = RidgeX(twoFront, rx + 40, kViewWidth);
    // A sine's main lobe covers a few bins, and a bin at 100 Hz spans
    // several narrow bands: that ridge is wider than the others.
    EXPECT_NEAR(lowX, ProjectBand(100.0, 35.0f).x, 20) << "100 Hz";
    EXPECT_NEAR(highX, ProjectBand(10000.0, 35.0f).x, 8) << "10 kHz";
    EXPECT_LT(lowX, ridgeX);
    EXPECT_LT(ridgeX, highX);
}

TEST_P(EditorPicture, BarGraphRaisesTheBandsOfTheTone) {
    Press(Controls(), IDC_2D_VIEW);
    ASSERT_TRUE(Editor().State().Flag(kFlag2dView));
    Play(1000.0, 0.0f);
    Settle(2);
    const CapturedImage silent = Frame("editor-2d-silence.png");
    const CBarGraphLayout layout(kViewHeight);
    const int base = static_cast<int>(layout.BaseY());
    const int graphTop = static_cast<int>(layout.LevelY(1.0f));
    // Bars are palette green at their feet; the backdrop's grid is grey and
    // its texts stay outside the graph's rectangle.
    const auto barPixelsPerColumn = [&](const CapturedImage& frame) {
        std::vector<int> counts(kViewWidth, 0);
        for (int y = graphTop; y < base; ++y) {
            for (int x = 0; x < kViewWidth; ++x) counts[x] += IsBarColour(frame.At(x, y));
        }
        return counts;
    };
    EXPECT_EQ(Sum(barPixelsPerColumn(silent), 0, kViewWidth), 0) << "silence raises no bar";

    Play(1000.0, 0.5f);
    Settle(3);
    const CapturedImage tone = Frame("editor-2d-1khz.png");
    const std::vector<int> bars = barPixelsPerColumn(tone);
    const double expectedX = CBarGraphLayout::FrequencyX(*Settings().bandTable, 1000.0);
    const int tallest = ArgMax(bars);
    EXPECT_NEAR(tallest, expectedX, 4) << "the tallest bar is the 1 kHz band";
    EXPECT_GT(bars[tallest], 200) << "and it nearly reaches the top";
    const int ex = static_cast<int>(expectedX);
    const int farthest = std::max(*std::max_element(bars.begin(), bars.begin() + ex - 60),
                                  *std::max_element(bars.begin() + ex + 60, bars.end()));
    EXPECT_LT(farthest, bars[tallest] / 10) << "bands far from the tone stay down";
}

TEST_P(EditorPicture, MeterFpsTextAndLogAppearOnlyWhenShown) {
    // The meter's peak bar: 16 pixels wide at the left, standing on y 256,
    // red in its top rows (above -1 dBFS).
    Play(1000.0, 1.0f);
    Settle(3);
    const CapturedImage meterOff = Frame("editor-meter-off.png");
    Press(Controls(), IDC_METER);
    ASSERT_TRUE(Editor().State().Flag(kFlagMeter));
    WaitFrames(2);
    const CapturedImage meterOn = Frame("editor-meter-full-scale.png");
    EXPECT_GT(CountIn(meterOn, 0, 1, 16, 20, IsRed), 100) << "red at the top of the peak bar";
    EXPECT_EQ(CountIn(meterOff, 0, 1, 16, 20, IsRed), 0);
    Press(Controls(), IDC_METER);
    Play(1000.0, 0.0f);

    // The frame-rate text at (10, 10), shown with the debug pane.
    const auto bright = [](const CapturedImage& image) {
        return CountIn(image, 10, 10, 300, 32, IsBright);
    };
    WaitFrames(2);
    const CapturedImage paneHidden = LastFrame();
    Press(Controls(), IDC_SETTINGS);
    ASSERT_TRUE(IsWindowVisible(SettingsDialog()));
    Press(SettingsDialog(), IDC_SHOW_DEBUG_PANE);
    Press(SettingsDialog(), IDC_SETTINGS_CLOSE);
    ASSERT_TRUE(Settings().showDebugPane);
    WaitFrames(3);
    const CapturedImage paneShown = Frame("editor-debug-pane-fps.png");
    EXPECT_EQ(bright(paneHidden), 0);
    EXPECT_GT(bright(paneShown), 60) << "\"FPS: \" and a number";
    Press(Controls(), IDC_SETTINGS);
    Press(SettingsDialog(), IDC_SHOW_DEBUG_PANE);
    Press(SettingsDialog(), IDC_SETTINGS_CLOSE);
    ASSERT_FALSE(Settings().showDebugPane);

    // The log's 24 slots of 16 pixels from the top left, oldest first, so
    // the few lines written since the editor opened sit in the lowest slots
    // and the newest in the last (y 368), as the Show Log button (in the
    // debug pane) turns it on.
    WaitFrames(2);
    const CapturedImage logHidden = LastFrame();
    Command(Controls(), IDC_SHOW_LOG);
    ASSERT_TRUE(Editor().State().Flag(kFlagLogShown));
    WaitFrames(3);
    const CapturedImage logShown = Frame("editor-log-shown.png");
    EXPECT_EQ(CountIn(logHidden, 0, 0, 450, 384, IsBright), 0);
    EXPECT_GT(CountIn(logShown, 0, 0, 450, 384, IsBright), 300) << "lines of text at the left";
    EXPECT_GT(CountIn(logShown, 0, 368, 450, 384, IsBright), 30) << "the newest in the last slot";
}

INSTANTIATE_TEST_SUITE_P(Sizes, EditorPicture, ::testing::Values(100, 200),
                         [](const ::testing::TestParamInfo<int>& size) {
                             return "At" + std::to_string(size.param);
                         });

}  // namespace

// The waterfall drawn by a real device under Wine: a loud band's ridge shows
// where the camera projects it, and the rows of spheres drawn in one call
// each give the pixels that 256 calls per row give.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/PerformanceTimer.h"
#include "analysis/SpectrumStore.h"
#include "diag/ErrorSystem.h"
#include "params/LogarithmicScales.h"
#include "params/Settings.h"
#include "render/SphereMesh.h"
#include "render/Viewport.h"
#include "render/WaterGeometry.h"
#include "render/WaterfallAxes.h"
#include "render/d3d9/D3DDrawWaterGraph.h"
#include "render/d3d9/D3DMesh.h"
#include "render/d3d9/D3DRenderer.h"
#include "tests/win/SharedHostWindow.h"
#include "tools/host/ErrorBoxWatcher.h"
#include "tools/host/FrameCapture.h"

#include <d3d9.h>

namespace {

constexpr int kLoudBand = 145;  // 1010 to 1037 Hz
constexpr int kQuietBand = 100;

// Peak spheres drawn the plain way: one world translation and one call per
// sphere.
class COneByOneSpheres : public CD3DComponent {
public:
    explicit COneByOneSpheres(const BandLevels& heights) : heights_(heights) {}
    bool Init(IDirect3DDevice9* device, int32_t, int32_t) override {
        sphere_ = CD3DMesh::Create(device, BuildSphereMesh(1.2f, 16, 16));
        return sphere_ != nullptr;
    }
    void Draw2D(CSpriteBatch*) override {}
    void Render3D(IDirect3DDevice9* device) override {
        if (!shown) return;
        D3DMATERIAL9 red{};
        red.Diffuse = red.Ambient = {1.0f, 0.0f, 0.0f, 1.0f};
        device->SetMaterial(&red);
        device->SetTexture(0, nullptr);
        for (int band = 0; band < kBandCount; ++band) {
            const Matrix4 world = TranslationMatrix(WaterGeometry::BandX(band), heights_[band],
                                                    WaterGeometry::kFrontZ);
            device->SetTransform(D3DTS_WORLD, reinterpret_cast<const D3DMATRIX*>(&world));
            sphere_->Draw(device);
        }
    }
    void ReleaseResources() override { sphere_.reset(); }
    bool shown = false;

private:
    const BandLevels& heights_;
    std::unique_ptr<CD3DMesh> sphere_;
};

class WaterGraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        ErrorSystem::Acquire();
        settings_ = std::make_unique<CSettings>();
        timer_ = std::make_unique<CPerformanceTimer>();
        store_ = std::make_unique<CSpectrumStore>(*settings_, *timer_, CreateBandScale);
        window_ = hostWindow_->Handle();
        ASSERT_NE(window_, nullptr);
    }
    // The renderer on the window with the waterfall as its one component,
    // grid and labels off.
    void Start(CD3DRenderer::TestHooks hooks = {}) {
        renderer_ = std::make_unique<CD3DRenderer>();
        renderer_->SetTestHooks(std::move(hooks));
        ASSERT_TRUE(renderer_->Setup(window_));
        water_ = new CD3DDrawWaterGraph(*settings_, *timer_, camera_);
        water_->SetStore(store_.get());
        renderer_->AddComponent(water_);
        WaterfallDisplayState state;
        state.axisShown = false;
        state.frequencyLabelsShown = false;
        water_->SetDisplayState(state);
    }
    void TearDown() override {
        renderer_.reset();
        store_.reset();
        timer_.reset();
        settings_.reset();
        ErrorSystem::Release();
    }

    // One band at 0 dB, everything else silent.
    void FeedLoudBand(int band) {
        std::vector<double> spectrum(CFFT::kSize, -150.0);
        const double binHz = settings_->sampleRate.load() / CFFT::kSize;
        const int base = static_cast<int>(std::floor(20.0 / binHz));
        const BandRange& range = (*settings_->bandTable)[band];
        for (int bin = range.firstBin; bin <= range.lastBin; ++bin) spectrum[base + bin] = 0.0;
        store_->Update(spectrum.data());
    }
    void RenderFrames(int frames) {
        for (int i = 0; i < frames; ++i) ASSERT_TRUE(renderer_->RenderFrame());
    }
    Vector3 Project(const Vector3& point) {
        const Viewport viewport{0, 0, 900, 400, 0, 1};
        return ProjectToScreen(point, viewport, water_->Projection(), water_->View(),
                               IdentityMatrix());
    }
    static void Save(const CapturedImage& image, const char* name) {
        SavePng(image, std::string(VANTOSCOPE_SCREENSHOT_DIR) + "/" + name);
    }

    static SharedHostWindow* const hostWindow_;
    CErrorBoxWatcher errors_;
    std::unique_ptr<CSettings> settings_;
    std::unique_ptr<CPerformanceTimer> timer_;
    CD3DCamera camera_;  // the scene camera, which the editor's frame loop owns
    std::unique_ptr<CSpectrumStore> store_;
    void* window_ = nullptr;
    std::unique_ptr<CD3DRenderer> renderer_;
    CD3DDrawWaterGraph* water_ = nullptr;  // owned by the renderer
};

SharedHostWindow* const WaterGraphTest::hostWindow_ =
    SharedHostWindow::Register("waterfall", 0, 0, 900, 400);

TEST_F(WaterGraphTest, LoudBandRisesWhereTheCameraProjectsIt) {
    Start();
    CFrameCapture capture;
    ASSERT_TRUE(capture.Installed());
    FeedLoudBand(kLoudBand);
    Sleep(150);  // past one block: the front row shows the newest block
    RenderFrames(2);
    const CapturedImage frame = capture.LastFrame();
    ASSERT_FALSE(frame.Empty());
    Save(frame, "waterfall-loud-band.png");

    // Halfway up the ridge the curtain shows the palette's middle (yellow);
    // beside it the line of sight meets the quiet surface (dark green).
    const Vector3 ridge = Project({WaterGeometry::ColumnX(kLoudBand), 100.0f, -300.0f});
    const Vector3 beside = Project({WaterGeometry::ColumnX(kQuietBand), 100.0f, -300.0f});
    const uint32_t ridgePixel = frame.At(static_cast<int>(ridge.x), static_cast<int>(ridge.y));
    const uint32_t besidePixel = frame.At(static_cast<int>(beside.x), static_cast<int>(beside.y));
    EXPECT_GT(RedOf(ridgePixel), 100) << std::hex << ridgePixel;
    EXPECT_GT(GreenOf(ridgePixel), 100) << std::hex << ridgePixel;
    EXPECT_LT(RedOf(besidePixel), 40) << std::hex << besidePixel;
    EXPECT_GT(GreenOf(besidePixel), 40) << std::hex << besidePixel;
    EXPECT_TRUE(errors_.Errors().empty());
}

TEST_F(WaterGraphTest, RowsOfSpheresInOneCallEachMatchOneCallPerSphere) {
    Start();
    ASSERT_NE(water_->Model(), nullptr);
    auto* plain = new COneByOneSpheres(water_->Model()->PeakHeights());
    renderer_->AddComponent(plain);
    CFrameCapture capture;
    ASSERT_TRUE(capture.Installed());
    FeedLoudBand(kLoudBand);
    for (int trace = 0; trace < CSpectrumStore::kReferenceCount; ++trace) {
        store_->CaptureReference(trace, false);
    }
    store_->CaptureFreeze();
    WaterfallDisplayState state = water_->DisplayState();
    state.frozen = true;
    state.peaksShown = true;
    state.referencesShown = {true, true, true, true};
    water_->SetDisplayState(state);
    RenderFrames(WaterGeometry::kRows + 1);  // the frozen picture fills every row
    // Curtain, surface and one call for each of the five rows.
    EXPECT_EQ(capture.DrawCallsOfLastFrame(), 7u);

    state.referencesShown = {};
    water_->SetDisplayState(state);
    RenderFrames(2);
    const CapturedImage batched = capture.LastFrame();
    Save(batched, "waterfall-peaks-batched.png");

    state.peaksShown = false;
    water_->SetDisplayState(state);
    plain->shown = true;
    RenderFrames(2);
    const CapturedImage oneByOne = capture.LastFrame();
    EXPECT_EQ(capture.DrawCallsOfLastFrame(), 2u + kBandCount);
    Save(oneByOne, "waterfall-peaks-one-by-one.png");

    ASSERT_FALSE(batched.Empty());
    ASSERT_EQ(batched.pixels.size(), oneByOne.pixels.size());
    int different = 0, red = 0;
    for (size_t i = 0; i < batched.pixels.size(); ++i) {
        const uint32_t a = batched.pixels[i], b = oneByOne.pixels[i];
        red += RedOf(a) > 150 && GreenOf(a) < 60;
        if (std::abs(RedOf(a) - RedOf(b)) > 8 || std::abs(GreenOf(a) - GreenOf(b)) > 8 ||
            std::abs(BlueOf(a) - BlueOf(b)) > 8) {
            ++different;
        }
    }
    EXPECT_GT(red, 100);  // the spheres are there at all
    EXPECT_LE(different, static_cast<int>(batched.pixels.size() / 1000)) << different;
    EXPECT_TRUE(errors_.Errors().empty());
}

// White text pixels within a label's box around a projected point.
int WhitePixelsAround(const CapturedImage& image, const Vector3& centre, int halfWidth,
                      int halfHeight) {
    int white = 0;
    for (int y = static_cast<int>(centre.y) - halfHeight; y <= centre.y + halfHeight; ++y) {
        for (int x = static_cast<int>(centre.x) - halfWidth; x <= centre.x + halfWidth; ++x) {
            const uint32_t pixel = image.At(x, y);
            white += RedOf(pixel) > 180 && GreenOf(pixel) > 180 && BlueOf(pixel) > 180;
        }
    }
    return white;
}

TEST_F(WaterGraphTest, LabelsAndGridStandWhereTheCameraPutsThem) {
    Start();
    CFrameCapture capture;
    ASSERT_TRUE(capture.Installed());
    WaterfallDisplayState state = water_->DisplayState();
    state.axisShown = true;
    state.frequencyLabelsShown = true;
    water_->SetDisplayState(state);
    FeedLoudBand(kLoudBand);
    RenderFrames(2);
    const CapturedImage frame = capture.LastFrame();
    ASSERT_FALSE(frame.Empty());
    Save(frame, "waterfall-labels.png");

    CWaterfallAxes axes(*store_->Scale(), kBandCount);
    const float gridZ = CWaterfallAxes::DepthZ(50);
    for (double hz : {100.0, 1000.0, 10000.0}) {
        const float x = axes.FrequencyX(hz);
        EXPECT_GT(WhitePixelsAround(frame, Project({x, 0.0f, -300.0f}), 12, 6), 5) << hz;
        EXPECT_GT(WhitePixelsAround(frame, Project({x, 200.0f, gridZ}), 12, 6), 5) << hz;
    }
    // "-30" on the grid's middle column, and the blue line at 0 dB above it,
    // between the labels of its top edge.
    EXPECT_GT(WhitePixelsAround(frame, Project({0.0f, 100.0f, gridZ}), 10, 6), 5);
    const Vector3 line = Project({0.0f, 200.0f, gridZ});
    int blue = 0;
    for (int dy = -3; dy <= 3; ++dy) {
        const uint32_t pixel = frame.At(static_cast<int>(line.x), static_cast<int>(line.y) + dy);
        blue += BlueOf(pixel) > 50 && RedOf(pixel) < 30 && GreenOf(pixel) < 30;
    }
    EXPECT_GT(blue, 0);
    // Far from any label the sky stays black.
    EXPECT_EQ(WhitePixelsAround(frame, {450.0f, 20.0f, 0.0f}, 30, 10), 0);
    EXPECT_TRUE(errors_.Errors().empty());
}

// A spectrum that falls with frequency, with a few moving tones: something
// like music, for the pictures.
void FeedMusic(CSpectrumStore& store, int frame) {
    std::vector<double> spectrum(CFFT::kSize);
    for (size_t bin = 0; bin < spectrum.size(); ++bin) {
        const double octave = std::log2(1.0 + static_cast<double>(bin));
        spectrum[bin] = -20.0 - 4.0 * octave + 6.0 * std::sin(0.7 * octave + frame * 0.3);
    }
    for (int tone : {12, 45 + frame % 7, 230, 600 + 3 * frame}) spectrum[tone] = -6.0;
    store.Update(spectrum.data());
}

TEST_F(WaterGraphTest, EveryCameraPresetGivesItsOwnViewOfTheLandscape) {
    Start();
    CFrameCapture capture;
    ASSERT_TRUE(capture.Installed());
    WaterfallDisplayState state = water_->DisplayState();
    state.axisShown = true;
    state.frequencyLabelsShown = true;
    state.peaksShown = true;
    state.labelsShown = true;
    water_->SetDisplayState(state);
    for (int frame = 0; frame < WaterGeometry::kRows + 4; ++frame) {
        FeedMusic(*store_, frame);
        Sleep(30);
        RenderFrames(1);
    }
    store_->CaptureFreeze();
    state.frozen = true;
    water_->SetDisplayState(state);
    RenderFrames(WaterGeometry::kRows);

    const char* names[] = {"reset", "back", "right", "lows", "highs", "above"};
    std::vector<CapturedImage> views;
    for (int preset = 0; preset < CSettings::kPresetCount; ++preset) {
        const CameraPreset& camera = settings_->CameraPresets()[preset];
        water_->Camera().SetFromParameters(camera.x, camera.y, camera.z, camera.yawDeg,
                                           camera.pitchDeg);
        RenderFrames(2);
        views.push_back(capture.LastFrame());
        ASSERT_FALSE(views.back().Empty());
        Save(views.back(), (std::string("waterfall-preset-") + names[preset] + ".png").c_str());
        // The landscape fills a good part of every view.
        int lit = 0;
        for (uint32_t pixel : views.back().pixels) lit += RedOf(pixel) + GreenOf(pixel) > 60;
        EXPECT_GT(lit, static_cast<int>(views.back().pixels.size() / 8)) << names[preset];
    }
    for (size_t a = 0; a < views.size(); ++a) {
        for (size_t b = a + 1; b < views.size(); ++b) {
            size_t different = 0;
            for (size_t i = 0; i < views[a].pixels.size(); ++i) {
                different += views[a].pixels[i] != views[b].pixels[i];
            }
            EXPECT_GT(different, views[a].pixels.size() / 4) << names[a] << " vs " << names[b];
        }
    }
    EXPECT_TRUE(errors_.Errors().empty());
}

TEST_F(WaterGraphTest, LostDeviceIsResetAndTheFrozenPictureComesBack) {
    int frame = 0, levelCalls = 0;
    bool lose = false;
    CD3DRenderer::TestHooks hooks;
    hooks.presentResult = [&](long result) {
        ++frame;
        return lose && frame == 1 ? static_cast<long>(D3DERR_DEVICELOST) : result;
    };
    hooks.cooperativeLevel = [&](long result) {
        if (!lose || frame < 1) return result;
        return ++levelCalls == 1 ? static_cast<long>(D3DERR_DEVICENOTRESET) : result;
    };
    Start(std::move(hooks));
    FeedLoudBand(kLoudBand);
    store_->CaptureFreeze();
    WaterfallDisplayState state = water_->DisplayState();
    state.frozen = true;
    state.peaksShown = true;
    water_->SetDisplayState(state);
    CFrameCapture capture;
    ASSERT_TRUE(capture.Installed());
    RenderFrames(WaterGeometry::kRows + 1);
    const CapturedImage before = capture.LastFrame();

    frame = 0;
    lose = true;
    RenderFrames(1);
    EXPECT_TRUE(renderer_->DeviceLost());
    RenderFrames(3);
    EXPECT_FALSE(renderer_->DeviceLost());
    EXPECT_EQ(capture.LastFrame().pixels, before.pixels);
    EXPECT_TRUE(errors_.Errors().empty());
}

}  // namespace

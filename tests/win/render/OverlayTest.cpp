// The screen overlays on a Direct3D device under Wine: the backdrop picture
// and its faults, the bar graph under its grid, the meter, the frame-rate
// text and the on-screen log, checked in the presented frames.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/SpectrumStore.h"
#include "analysis/Statistics.h"
#include "diag/ErrorSystem.h"
#include "editor/SynthEditor.h"
#include "params/LogarithmicScales.h"
#include "params/Settings.h"
#include "plugin/VstAbi.h"
#include "plugin/VstEntry.h"
#include "plugin/VstPlugin.h"
#include "render/BarGraphLayout.h"
#include "render/d3d9/D3DDrawBarGraph2D.h"
#include "render/d3d9/D3DDrawFPS.h"
#include "render/d3d9/D3DDrawImage.h"
#include "render/d3d9/D3DDrawLog.h"
#include "render/d3d9/D3DDrawMeter.h"
#include "render/d3d9/D3DRenderer.h"
#include "tools/host/ErrorBoxWatcher.h"
#include "tools/host/FrameCapture.h"
#include "tools/host/HostCallRecorder.h"

namespace fs = std::filesystem;

namespace {

constexpr int kViewWidth = 900;
constexpr int kViewHeight = 400;

bool Bright(uint32_t pixel) {
    return RedOf(pixel) + GreenOf(pixel) + BlueOf(pixel) > 120;
}
bool IsRed(uint32_t pixel) {
    return RedOf(pixel) > 180 && GreenOf(pixel) < 100 && BlueOf(pixel) < 100;
}
bool IsYellow(uint32_t pixel) {
    return RedOf(pixel) > 150 && GreenOf(pixel) > 150 && BlueOf(pixel) < 100;
}
bool IsGreen(uint32_t pixel) {
    return RedOf(pixel) < 100 && GreenOf(pixel) > 100 && BlueOf(pixel) < 100;
}

class OverlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        effect_ = VSTPluginMain(&CHostCallRecorder::Callback);
        ASSERT_NE(effect_, nullptr);
        plugin_ = static_cast<CVstPlugin*>(effect_->object);
        window_ = CreateWindowExA(0, "STATIC", "overlays", WS_POPUP, 0, 0, kViewWidth, kViewHeight,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(capture_.Installed());
        renderer_ = std::make_unique<CD3DRenderer>();
        ASSERT_TRUE(renderer_->Setup(window_));
        editor_ = std::make_unique<CSynthEditor>(*plugin_->Settings(), *CVstPlugin::SharedTimer(),
                                                 plugin_);
        store_ = std::make_unique<CSpectrumStore>(*plugin_->Settings(), *CVstPlugin::SharedTimer(),
                                                  CreateBandScale);
    }
    void TearDown() override {
        renderer_.reset();
        store_.reset();
        editor_.reset();
        if (window_ != nullptr) DestroyWindow(window_);
        if (effect_ != nullptr) effect_->dispatcher(effect_, effClose, 0, 0, nullptr, 0.0f);
    }

    CapturedImage Frame() {
        for (CD3DComponent* component : listeners_) {
            dynamic_cast<CEditorListener*>(component)->SyncFromEditor(*editor_);
        }
        EXPECT_TRUE(renderer_->RenderFrame());
        return capture_.LastFrame();
    }
    template <typename Component>
    Component* Add(std::unique_ptr<Component> component) {
        Component* raw = component.get();
        listeners_.push_back(raw);
        renderer_->AddComponent(component.release());
        return raw;
    }
    fs::path Scratch(const std::string& name) { return fs::temp_directory_path() / name; }
    void SaveScreenshot(const CapturedImage& image, const std::string& name) {
        const fs::path folder = VANTOSCOPE_SCREENSHOTS;
        fs::create_directories(folder);
        SavePng(image, (folder / (name + ".png")).string());
    }

    CErrorBoxWatcher errorBoxes_;
    CHostCallRecorder host_;
    CFrameCapture capture_;
    AEffect* effect_ = nullptr;
    CVstPlugin* plugin_ = nullptr;
    HWND window_ = nullptr;
    std::unique_ptr<CD3DRenderer> renderer_;
    std::unique_ptr<CSynthEditor> editor_;
    std::unique_ptr<CSpectrumStore> store_;
    std::vector<CD3DComponent*> listeners_;
};

TEST_F(OverlayTest, MissingEmptyOrTruncatedPicturesAreReportedAndDrawNothing) {
    const fs::path good = fs::path(plugin_->Settings()->DataPath("Overlay2DGraph"));
    ASSERT_TRUE(fs::exists(good)) << good;
    const fs::path empty = Scratch("overlay-empty");
    const fs::path truncated = Scratch("overlay-truncated");
    std::ofstream(empty, std::ios::binary).close();
    {
        std::ifstream in(good, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::ofstream(truncated, std::ios::binary).write(bytes.data(), bytes.size() / 2);
    }
    const std::vector<fs::path> faulty = {Scratch("overlay-missing"), empty, truncated};
    for (const fs::path& path : faulty) {
        CD3DDrawImage image(path.string());
        EXPECT_FALSE(image.Init(renderer_->Device(), kViewWidth, kViewHeight)) << path;
        EXPECT_FALSE(image.Loaded());
    }
    ASSERT_TRUE(errorBoxes_.WaitForErrors(faulty.size(), 10000));
    for (size_t i = 0; i < faulty.size(); ++i) {
        EXPECT_NE(
            errorBoxes_.Errors()[i].find("Could not load texture data: " + faulty[i].string()),
            std::string::npos)
            << errorBoxes_.Errors()[i];
    }
    CD3DDrawImage image(good.string());
    EXPECT_TRUE(image.Init(renderer_->Device(), kViewWidth, kViewHeight));
    fs::remove(empty);
    fs::remove(truncated);
}

TEST_F(OverlayTest, BarsRiseUnderTheBackdropGridWhereTheLayoutPutsThem) {
    auto created = std::make_unique<CD3DDrawBarGraph2D>(*plugin_->Settings());
    created->SetStore(store_.get());
    CD3DDrawBarGraph2D* graph = Add(std::move(created));
    EXPECT_TRUE(graph->BackdropLoaded());
    const BandTable& table = *plugin_->Settings()->bandTable;
    const int gridX = static_cast<int>(std::lround(CBarGraphLayout::FrequencyX(table, 1000.0)));
    const int quietX = gridX + 4;  // between the grid's lines

    EXPECT_FALSE(Bright(Frame().At(gridX, 250))) << "nothing while the 2D view is off";
    editor_->State().SetFlag(kFlag2dView, true);
    const CapturedImage silence = Frame();
    SaveScreenshot(silence, "bargraph-silence");
    EXPECT_TRUE(Bright(silence.At(gridX, 250))) << "the 1 kHz grid line";
    EXPECT_FALSE(Bright(silence.At(quietX, 250)));
    for (int x = 66; x <= 830; ++x) ASSERT_FALSE(IsRed(silence.At(x, 115))) << x;

    // A full-scale bin at 1 kHz: the bands that read it stand to the top.
    const double binHz = plugin_->Settings()->sampleRate / CFFT::kSize;
    const int bin = static_cast<int>(1000.0 / binHz);
    std::vector<double> spectrum(CFFT::kSize, -200.0);
    spectrum[bin] = 0.0;
    store_->Update(spectrum.data());
    const int base = static_cast<int>(std::floor(20.0 / binHz));
    std::vector<int> loudColumns;
    for (int band = 0; band < kBandCount; ++band) {
        if (base + table[band].firstBin <= bin && bin <= base + table[band].lastBin) {
            loudColumns.push_back(static_cast<int>(CBarGraphLayout::BandX(band)));
        }
    }
    ASSERT_FALSE(loudColumns.empty());
    const CapturedImage tone = Frame();
    SaveScreenshot(tone, "bargraph-1khz");
    for (int x = 66; x <= 830; ++x) {
        const bool predicted =
            std::find(loudColumns.begin(), loudColumns.end(), x) != loudColumns.end();
        EXPECT_EQ(IsRed(tone.At(x, 115)), predicted) << "column " << x;
    }
    EXPECT_LE(std::abs(loudColumns.front() - gridX), 2) << "the grid line stands at the tone";
    // The statistics text, green, at the top left.
    bool green = false;
    for (int y = 20; y < 40; ++y) {
        for (int x = 65; x < 200; ++x)
            green |= GreenOf(tone.At(x, y)) > 150 && RedOf(tone.At(x, y)) < 80;
    }
    EXPECT_TRUE(green);
}

TEST_F(OverlayTest, MeterBarsShowPeakAndRmsColouredByLevel) {
    Add(std::make_unique<CD3DDrawMeter>(plugin_->Settings()->Statistics(),
                                        plugin_->Settings()->Loudness(),
                                        *CVstPlugin::SharedTimer()));
    const std::vector<double> full(CStatistics::kBlockFrames, 1.0);
    plugin_->Settings()->Statistics().Accumulate(full.data(), full.data());
    EXPECT_FALSE(Bright(Frame().At(8, 100))) << "meter off";
    editor_->State().SetFlag(kFlagMeter, true);
    const CapturedImage loud = Frame();
    SaveScreenshot(loud, "meter-full-scale");
    for (int x : {8, 26}) {
        EXPECT_TRUE(IsRed(loud.At(x, 2))) << x;
        EXPECT_TRUE(IsYellow(loud.At(x, 50))) << x;
        EXPECT_TRUE(IsGreen(loud.At(x, 100))) << x;
        EXPECT_FALSE(Bright(loud.At(x, 99))) << "separator row";
    }
    // -20 dBFS: 25 rows, topped in green, faint as the rows fade towards
    // silence.
    const std::vector<double> quiet(CStatistics::kBlockFrames, 0.1);
    plugin_->Settings()->Statistics().Accumulate(quiet.data(), quiet.data());
    const CapturedImage low = Frame();
    SaveScreenshot(low, "meter-minus-20db");
    const uint32_t top = low.At(8, 232);
    EXPECT_GT(GreenOf(top), 12);
    EXPECT_EQ(RedOf(top), 0);
    EXPECT_EQ(BlueOf(top), 0);
    EXPECT_FALSE(Bright(low.At(8, 229)));
}

TEST_F(OverlayTest, FrameRateTextOnlyWithTheDebugPane) {
    Add(std::make_unique<CD3DDrawFPS>(*plugin_->Settings(), *CVstPlugin::SharedTimer()));
    const auto textShown = [](const CapturedImage& image) {
        int bright = 0;
        for (int y = 10; y < 30; ++y) {
            for (int x = 10; x < 120; ++x) bright += Bright(image.At(x, y));
        }
        return bright > 20;
    };
    EXPECT_FALSE(textShown(Frame()));
    plugin_->Settings()->showDebugPane = true;
    Frame();
    Sleep(1100);
    const CapturedImage shown = Frame();
    SaveScreenshot(shown, "fps-shown");
    EXPECT_TRUE(textShown(shown));
}

TEST_F(OverlayTest, LogShowsTheLast24EntriesOldestAtTheTop) {
    Add(std::make_unique<CD3DDrawLog>());
    ErrorSystem::Instance()->Log(std::string(120, 'W'), "OverlayTest", 1);  // pushed out
    ErrorSystem::Instance()->Log(std::string(120, 'W'), "OverlayTest", 2);  // the oldest shown
    for (int i = 0; i < 23; ++i) ErrorSystem::Instance()->Log("x", "OverlayTest", 10 + i);
    const auto slotReachesRight = [](const CapturedImage& image, int slot) {
        for (int y = slot * 16; y < slot * 16 + 16; ++y) {
            for (int x = 400; x < 600; ++x) {
                if (Bright(image.At(x, y))) return true;
            }
        }
        return false;
    };
    EXPECT_FALSE(slotReachesRight(Frame(), 0)) << "log hidden";
    editor_->State().SetFlag(kFlagLogShown, true);
    const CapturedImage shown = Frame();
    SaveScreenshot(shown, "log-shown");
    EXPECT_TRUE(slotReachesRight(shown, 0));
    for (int slot = 1; slot < 24; ++slot) EXPECT_FALSE(slotReachesRight(shown, slot)) << slot;
    bool newestDrawn = false;
    for (int x = 0; x < 100; ++x) newestDrawn |= Bright(shown.At(x, 368 + 8));
    EXPECT_TRUE(newestDrawn);
}

}  // namespace

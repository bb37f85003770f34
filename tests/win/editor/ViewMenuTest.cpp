// The view's popup menu and export through the real module: a click without
// a drag or the Menu key opens the menu (frames go on meanwhile), a drag
// rotates instead, the options survive a reopen, and an export writes a PNG
// of the view and a table whose loudest band is a tone's, or one error. The
// loudness of a broadcast reference tone reaches the table and the 2D view.
#include <wincodec.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fstream>
#include <thread>

#include "analysis/SpectrumStore.h"
#include "render/BarGraph2DState.h"
#include "render/SpectrumReadout.h"
#include "render/d3d9/ComPtr.h"
#include "resources/resource.h"
#include "tests/win/editor/EditorHost.h"
#include "tools/host/FrameCapture.h"

namespace {

// What was seen of a popup menu while it was open: "caption [x]" per item.
struct MenuSeen {
    bool opened = false;
    uint32_t framesWhileOpen = 0;
    std::vector<std::string> items;
};

HWND OpenPopupMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

// Beside the user-interface thread, which sits in the menu's loop: waits for
// the menu, reads its items, counts frames for half a second, sends Escape.
void WatchMenu(MenuSeen& seen, const CFrameCapture& capture, int waitMs) {
    HWND window = nullptr;
    for (int waited = 0; waited < waitMs && (window = OpenPopupMenu()) == nullptr; waited += 10)
        Sleep(10);
    if (window == nullptr) return;
    seen.opened = true;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(window, 0x01E1 /* MN_GETHMENU */, 0, 0));
    for (UINT i = 0; menu != nullptr && static_cast<int>(i) < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const bool checked = (GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) != 0;
        seen.items.push_back(std::string(text) + (checked ? " [x]" : ""));
    }
    const uint32_t before = capture.FramesPresented();
    Sleep(500);
    seen.framesWhileOpen = capture.FramesPresented() - before;
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    for (int waited = 0; waited < 2000 && OpenPopupMenu() != nullptr; waited += 10) Sleep(10);
}

// The size of a PNG file as the imaging component reads it; 0 by 0 when it
// does not load.
SIZE PngSize(const std::string& path) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    const std::wstring widePath(path.begin(), path.end());
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.Receive()))) ||
        FAILED(factory->CreateDecoderFromFilename(widePath.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand,
                                                  decoder.Receive())) ||
        FAILED(decoder->GetFrame(0, frame.Receive())) || FAILED(frame->GetSize(&width, &height)))
        return SIZE{0, 0};
    return SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
}

class ViewMenu : public EditorHost {
protected:
    void SetUp() override {
        EditorHost::SetUp();
        if (HasFatalFailure()) return;
        capture_ = std::make_unique<CFrameCapture>();
        ASSERT_TRUE(capture_->Installed());
        capture_->SetCapturing(false);
        OpenEditor();
        ASSERT_NE(MainView(), nullptr);
        folder_ = Settings().DocumentsFolder() + "\\Vantoscope";
    }
    void TearDown() override {
        for (const std::string& name : ExportedFiles()) DeleteFileA(In(name).c_str());
        RemoveDirectoryA(folder_.c_str());
        EditorHost::TearDown();
        capture_.reset();
    }

    // Posts the input, runs the host's loop (and so the menu's) until the
    // watcher is done, and reports what it saw.
    MenuSeen RunMenu(const std::vector<std::pair<UINT, POINT>>& input, int waitMs = 3000) {
        MenuSeen seen;
        std::atomic<bool> done{false};
        std::thread watcher([&] {
            WatchMenu(seen, *capture_, waitMs);
            done = true;
        });
        for (const auto& [message, point] : input) {
            const WPARAM wParam = message == WM_KEYDOWN     ? VK_APPS
                                  : message == WM_RBUTTONUP ? 0
                                                            : MK_RBUTTON;
            PostMessageA(MainView(), message, wParam, MAKELPARAM(point.x, point.y));
        }
        do Pump(20);
        while (!done);
        watcher.join();
        return seen;
    }
    void Command(int id) { SendMessageA(MainView(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    // A 1 kHz sine (-6 dBFS unless told) on both channels through
    // processReplacing in host blocks, faster than real time.
    void PlayTone(double seconds, double amplitude = 0.5) {
        constexpr int kBlock = 512;
        std::vector<float> in(kBlock), outLeft(kBlock), outRight(kBlock);
        float* inputs[] = {in.data(), in.data()};
        float* outputs[] = {outLeft.data(), outRight.data()};
        for (int n = 0; n < seconds * 44100 / kBlock; ++n) {
            for (int i = 0; i < kBlock; ++i)
                in[i] =
                    static_cast<float>(amplitude * std::sin((n * kBlock + i) * 6.283185307 / 44.1));
            effect_->processReplacing(effect_, inputs, outputs, kBlock);
        }
    }
    std::vector<std::string> ExportedFiles() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(In("Vantoscope *").c_str(), &found);
        for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
            names.push_back(found.cFileName);
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string In(const std::string& name) const { return folder_ + "\\" + name; }
    // The value of a "# key,value" line of a table; "?" without the key.
    std::string Fact(const std::string& table, const std::string& key) const {
        std::ifstream file(In(table));
        for (std::string line; std::getline(file, line);) {
            if (line.rfind("# " + key + ",", 0) != 0) continue;
            const std::string value = line.substr(key.size() + 3);
            return value.empty() || value.back() != '\r' ? value
                                                         : value.substr(0, value.size() - 1);
        }
        return "?";
    }
    CapturedImage NextFrame() {
        const uint32_t target = capture_->FramesPresented() + 2;
        for (DWORD deadline = GetTickCount() + 20000;
             capture_->FramesPresented() < target && GetTickCount() < deadline;)
            Pump(5);
        return capture_->LastFrame();
    }

    std::unique_ptr<CFrameCapture> capture_;
    std::string folder_;
};

TEST_F(ViewMenu, ClickWithoutDragOrMenuKeyOpensTheMenuAndADragRotatesInstead) {
    Command(IDM_TIDY_PEAK_LABELS);
    const MenuSeen clicked = RunMenu({{WM_RBUTTONDOWN, {450, 200}}, {WM_RBUTTONUP, {450, 200}}});
    ASSERT_TRUE(clicked.opened);
    EXPECT_GE(clicked.framesWhileOpen, 1u) << "the frame timer fires in the menu's loop";
    EXPECT_EQ(clicked.items, (std::vector<std::string>{
                                 "Show values under the mouse [x]", "Tidy peak labels [x]",
                                 "Meter with scale", "Slope", "History", "Channels", "Size", "",
                                 "Reset loudness", "Export picture and values\tCtrl+S"}));
    EXPECT_EQ(OpenPopupMenu(), nullptr) << "Escape closed it";
    EXPECT_TRUE(RunMenu({{WM_KEYDOWN, {}}}).opened) << "the Menu key";

    float before[5];
    for (int i = 0; i < 5; ++i) before[i] = Value(i);
    RunMenu({{WM_RBUTTONDOWN, {450, 200}}, {WM_MOUSEMOVE, {520, 150}}}, 0);
    Pump(400);
    EXPECT_FALSE(RunMenu({{WM_RBUTTONUP, {520, 150}}}, 800).opened) << "a drag opens no menu";
    int changed = 0;
    for (int i = 0; i < 5; ++i) changed += Value(i) != before[i];
    EXPECT_GT(changed, 0) << "yaw or pitch moved";
}

TEST_F(ViewMenu, OptionCommandsToggleAndSurviveAReopen) {
    for (int id :
         {IDM_SHOW_VALUES, IDM_METER_WITH_SCALE, IDM_METER_WITH_SCALE, IDM_TIDY_PEAK_LABELS})
        Command(id);
    CloseEditor();
    OpenEditor();
    const ViewOptions& options = Editor().State().Options();
    EXPECT_FALSE(options.showValuesUnderMouse);
    EXPECT_FALSE(options.meterWithScale);
    EXPECT_TRUE(options.tidyPeakLabels);
}

TEST_F(ViewMenu, ExportWritesThePictureAndTheLoudestBandOfATone) {
    PlayTone(2.0);
    Pump(200);
    Command(IDM_EXPORT);
    BandLevels level{}, peak{};
    Editor().Store()->ReadSnapshot(level, peak);
    const std::vector<std::string> names = ExportedFiles();
    ASSERT_EQ(names.size(), 2u);
    const SIZE size = PngSize(In(names[1]));
    EXPECT_EQ(size.cx * 10000 + size.cy, 900 * 10000 + 400) << size.cx << "x" << size.cy;

    std::ifstream table(In(names[0]));
    int band = -1, loudestBand = -1;
    double hz = 0, db = 0, loudestDb = -1000.0;
    char comma = 0;
    for (std::string line; std::getline(table, line);) {
        std::istringstream row(line);
        if (row >> band >> comma >> hz >> comma >> db && db > loudestDb) {
            loudestDb = db;
            loudestBand = band;
        }
    }
    ASSERT_GE(loudestBand, 0);
    const BandRange& range = (*Settings().bandTable)[loudestBand];
    EXPECT_TRUE(range.lowerHz <= 1000.0 && 1000.0 < range.upperHz) << range.lowerHz;
    EXPECT_NEAR(loudestDb, DbOfStoreLevel(level[loudestBand]), 0.5);
    EXPECT_EQ(LoggedFrom("Exported " + In(names[1])).at(1), "Exported " + In(names[0]));

    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(MainView(), WM_KEYDOWN, 'S', 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(ExportedFiles().size(), 4u) << "Ctrl+S exported once more";
}

TEST_F(ViewMenu, ReferenceToneMeasuresMinus23LufsInTheTableAndThe2DViewUntilReset) {
    PlayTone(20.0, std::pow(10.0, -23.0 / 20.0));
    Pump(100);
    Command(IDM_EXPORT);
    const std::vector<std::string> names = ExportedFiles();
    ASSERT_EQ(names.size(), 2u);
    for (const char* key :
         {"loudness_integrated_lufs", "loudness_momentary_lufs", "loudness_short_term_lufs"}) {
        const std::string value = Fact(names[0], key);
        EXPECT_NEAR(std::atof(value.c_str()), -23.0, 0.1) << key << " " << value;
    }
    EXPECT_NEAR(std::atof(Fact(names[0], "true_peak_dbtp").c_str()), -23.0, 0.2);
    EXPECT_NE(Fact(names[0], "loudness_range_lu"), "");

    // The loudness line under the statistics and the loudness bar of the
    // meter with scale: both go back to nothing measured on the menu's reset
    // (with no audio coming), and nothing else of the 2D view changes.
    SendMessageA(Item(IDC_2D_VIEW), BM_CLICK, 0, 0);
    if (!Editor().State().Flag(kFlagMeter)) SendMessageA(Item(IDC_METER), BM_CLICK, 0, 0);
    Command(IDM_METER_WITH_SCALE);
    capture_->SetCapturing(true);
    const CapturedImage measured = NextFrame();
    EXPECT_TRUE(SavePng(measured, std::string(VANTOSCOPE_SCREENSHOT_DIR) + "/loudness-2d.png"));
    Command(IDM_RESET_LOUDNESS);
    const CapturedImage reset = NextFrame();
    ASSERT_EQ(measured.width, 900);
    int barChanged = 0, textChanged = 0, textTop = 400;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 900; ++x) {
            if (measured.At(x, y) == reset.At(x, y)) continue;
            const bool inBar = x >= CScaledMeter::kLoudnessBarX &&
                               x < CScaledMeter::kLoudnessBarX + CScaledMeter::kBarWidth;
            barChanged += inBar;
            if (x < CScaledMeter::kWidth) continue;
            ++textChanged;
            textTop = std::min(textTop, y);
        }
    }
    EXPECT_GT(barChanged, 100) << "the short-term bar emptied";
    EXPECT_GT(textChanged, 20);
    EXPECT_GT(textTop, CBarGraph2DState::kTextY + 24) << "below the three statistics lines";
}

TEST_F(ViewMenu, ExportIntoAnUnwritablePlaceReportsOneErrorAndWritesNothing) {
    const bool moved = MoveFileA(folder_.c_str(), (folder_ + ".kept").c_str()) != 0;
    std::ofstream(folder_) << "a file where the folder belongs";
    expectedErrors_ = {"Export failed: could not create"};
    Command(IDM_EXPORT);
    DeleteFileA(folder_.c_str());
    if (moved) MoveFileA((folder_ + ".kept").c_str(), folder_.c_str());
    EXPECT_TRUE(ExportedFiles().empty());
}

}  // namespace

// The view's popup menu and export through the real module: a click without
// a drag opens the menu (frames go on meanwhile), a drag rotates instead,
// the options survive a reopen, and an export writes a PNG of the view and
// a table whose loudest band is the tone's, or reports one error.
#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fstream>
#include <sstream>
#include <thread>

#include "analysis/SpectrumStore.h"
#include "render/SpectrumReadout.h"
#include "resources/resource.h"
#include "tests/win/editor/EditorHost.h"
#include "tools/host/FrameCapture.h"

namespace {

constexpr double kSampleRate = 44100.0;
constexpr int kHostBlock = 512;

// What was seen of a popup menu while it was open.
struct MenuSeen {
    bool opened = false;
    uint32_t framesWhileOpen = 0;
    std::vector<std::string> items;
    std::vector<bool> checked;
};

HWND OpenPopupMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

// Runs beside the user-interface thread, which sits in the menu's loop:
// waits for the menu, reads its items, counts frames for half a second and
// closes it with Escape.
void WatchMenu(MenuSeen& seen, const CFrameCapture& capture, int waitMs) {
    HWND menuWindow = nullptr;
    for (int waited = 0; waited < waitMs && menuWindow == nullptr; waited += 10) {
        Sleep(10);
        menuWindow = OpenPopupMenu();
    }
    if (menuWindow == nullptr) return;
    seen.opened = true;
    constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, kGetMenu, 0, 0));
    for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        seen.items.push_back(text);
        seen.checked.push_back(
            (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0);
    }
    const uint32_t before = capture.FramesPresented();
    Sleep(500);
    seen.framesWhileOpen = capture.FramesPresented() - before;
    PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    for (int waited = 0; waited < 2000 && OpenPopupMenu() != nullptr; waited += 10) Sleep(10);
}

// The picture's size through the imaging component; 0x0 when it does not
// load.
SIZE PngSize(const std::string& path) {
    SIZE size{0, 0};
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    const std::wstring widePath(path.begin(), path.end());
    UINT width = 0, height = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(widePath.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height))) {
        size = SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
    }
    for (IUnknown* object : {static_cast<IUnknown*>(frame), static_cast<IUnknown*>(decoder),
                             static_cast<IUnknown*>(factory)}) {
        if (object != nullptr) object->Release();
    }
    return size;
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
        exportFolder_ = Settings().DocumentsFolder() + "\\Vantoscope";
    }
    void TearDown() override {
        for (const std::string& name : ExportedFiles()) DeleteFileA(Exported(name).c_str());
        RemoveDirectoryA(exportFolder_.c_str());
        EditorHost::TearDown();
        capture_.reset();
    }

    // Posts the messages that open a menu, runs the host's loop through the
    // menu's, and reports what the watcher saw.
    MenuSeen RunMenu(const std::vector<MSG>& input, int waitMs = 3000) {
        MenuSeen seen;
        std::atomic<bool> done{false};
        std::thread watcher([&] {
            WatchMenu(seen, *capture_, waitMs);
            done = true;
        });
        for (const MSG& message : input)
            PostMessageA(MainView(), message.message, message.wParam, message.lParam);
        while (!done) Pump(20);
        watcher.join();
        Pump(50);
        return seen;
    }
    MSG Message(UINT message, WPARAM wParam, int x = 0, int y = 0) {
        return MSG{MainView(), message, wParam, MAKELPARAM(x, y), 0, {}};
    }
    void Command(int id) { SendMessageA(MainView(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    // Blocks of a 1 kHz sine at -6 dBFS through processReplacing, as a
    // host's audio thread would send them, here faster than real time.
    void PlayTone(double seconds) {
        std::vector<float> left(kHostBlock), right(kHostBlock), outLeft(kHostBlock),
            outRight(kHostBlock);
        float* inputs[] = {left.data(), right.data()};
        float* outputs[] = {outLeft.data(), outRight.data()};
        const double step = 2.0 * 3.14159265358979 * 1000.0 / kSampleRate;
        for (int block = 0; block < seconds * kSampleRate / kHostBlock; ++block) {
            for (int i = 0; i < kHostBlock; ++i) {
                left[i] = right[i] = static_cast<float>(0.5 * std::sin(phase_));
                phase_ = std::fmod(phase_ + step, 2.0 * 3.14159265358979);
            }
            effect_->processReplacing(effect_, inputs, outputs, kHostBlock);
        }
    }

    std::vector<std::string> ExportedFiles() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((exportFolder_ + "\\Vantoscope *").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }
    std::string Exported(const std::string& name) const { return exportFolder_ + "\\" + name; }

    std::unique_ptr<CFrameCapture> capture_;
    std::string exportFolder_;
    double phase_ = 0.0;
};

TEST_F(ViewMenu, ClickWithoutDragOrMenuKeyOpensTheMenuWhileFramesGoOn) {
    Command(IDM_TIDY_PEAK_LABELS);
    const MenuSeen clicked = RunMenu(
        {Message(WM_RBUTTONDOWN, MK_RBUTTON, 450, 200), Message(WM_RBUTTONUP, 0, 450, 200)});
    ASSERT_TRUE(clicked.opened);
    EXPECT_GE(clicked.framesWhileOpen, 1u) << "the frame timer fires in the menu's loop";
    ASSERT_EQ(clicked.items.size(), 5u);
    EXPECT_EQ(clicked.items[0], "Show values under the mouse");
    EXPECT_EQ(clicked.items[4], "Export picture and values\tCtrl+S");
    EXPECT_EQ(clicked.checked, (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(OpenPopupMenu(), nullptr) << "Escape closed it";

    SetFocus(MainView());
    EXPECT_TRUE(RunMenu({Message(WM_KEYDOWN, VK_APPS)}).opened) << "the Menu key";
    EXPECT_TRUE(
        RunMenu({Message(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(MainView()), -1, -1)}).opened)
        << "the keyboard's context menu request";
}

TEST_F(ViewMenu, RightDragRotatesTheCameraAndOpensNoMenu) {
    float before[5];
    for (int i = 0; i < 5; ++i) before[i] = Value(i);
    const MenuSeen dragged = RunMenu({Message(WM_RBUTTONDOWN, MK_RBUTTON, 450, 200),
                                      Message(WM_MOUSEMOVE, MK_RBUTTON, 520, 150)},
                                     0);
    Pump(400);
    const MenuSeen released = RunMenu({Message(WM_RBUTTONUP, 0, 520, 150)}, 1000);
    EXPECT_FALSE(dragged.opened || released.opened);
    int changed = 0;
    for (int i = 0; i < 5; ++i) changed += Value(i) != before[i];
    EXPECT_GT(changed, 0) << "yaw or pitch moved";
}

TEST_F(ViewMenu, OptionCommandsToggleAndSurviveAReopen) {
    Command(IDM_SHOW_VALUES);
    Command(IDM_METER_WITH_SCALE);
    Command(IDM_METER_WITH_SCALE);
    Command(IDM_TIDY_PEAK_LABELS);
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
    std::vector<std::string> names = ExportedFiles();
    ASSERT_EQ(names.size(), 2u);
    std::sort(names.begin(), names.end());
    const SIZE size = PngSize(Exported(names[1]));
    EXPECT_EQ(size.cx, 900);
    EXPECT_EQ(size.cy, 400);

    std::ifstream table(Exported(names[0]));
    std::string line;
    int loudestBand = -1;
    double loudestDb = -1000.0;
    while (std::getline(table, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 'b') continue;
        std::istringstream fields(line);
        std::string band, hz, db;
        std::getline(fields, band, ',');
        std::getline(fields, hz, ',');
        std::getline(fields, db, ',');
        if (std::stod(db) > loudestDb) loudestDb = std::stod(db), loudestBand = std::stoi(band);
    }
    const BandTable& bands = *Settings().bandTable;
    ASSERT_GE(loudestBand, 0);
    EXPECT_LE(bands[loudestBand].lowerHz, 1000.0);
    EXPECT_GT(bands[loudestBand].upperHz, 1000.0);
    EXPECT_NEAR(loudestDb, DbOfStoreLevel(level[loudestBand]), 0.5);
    const std::vector<std::string> logged = LoggedFrom("Exported " + Exported(names[1]));
    ASSERT_GE(logged.size(), 2u);
    EXPECT_EQ(logged[1], "Exported " + Exported(names[0]));

    // Ctrl+S in the view exports once more.
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(MainView(), WM_KEYDOWN, 'S', 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(ExportedFiles().size(), 4u);
}

TEST_F(ViewMenu, ExportIntoAnUnwritablePlaceReportsOneErrorAndWritesNothing) {
    const std::string kept = exportFolder_ + ".kept";
    const bool moved = MoveFileA(exportFolder_.c_str(), kept.c_str()) != 0;
    HANDLE blocker = CreateFileA(exportFolder_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(blocker, INVALID_HANDLE_VALUE);
    CloseHandle(blocker);
    expectedErrors_ = {"Export failed: could not create"};
    Command(IDM_EXPORT);
    EXPECT_TRUE(errorBoxes_.WaitForErrors(1, 5000));
    DeleteFileA(exportFolder_.c_str());
    if (moved) MoveFileA(kept.c_str(), exportFolder_.c_str());
    EXPECT_TRUE(ExportedFiles().empty());
}

}  // namespace

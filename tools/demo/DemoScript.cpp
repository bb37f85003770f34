// CDemoScript: the scenes run at fixed times of the music, so every run
// pictures the same moments of the piece: the chords and bass of the first
// bars from the Reset camera, the rising sweep of the last two bars in the
// scrolling frames, then the second time round from other cameras and
// displays. The waterfall scrolls one row per analysis block (about eleven
// a second), so each scene plays a few seconds before its picture.
#include "tools/demo/DemoScript.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "resources/resource.h"
#include "tools/demo/EditorPhotographer.h"
#include "tools/demo/EditorRemote.h"
#include "tools/demo/MusicStream.h"
#include "tools/host/HostWindow.h"
#include "tools/host/PluginModule.h"

namespace {

constexpr int kEditorWidth = 900;
constexpr int kEditorHeight = 600;
constexpr double kSampleRateHz = 44100.0;
constexpr int kScrollingFrames = 40;
constexpr int kScrollingFrameMs = 80;  // the GIF's delay of 8 hundredths
// Software rendering takes tens of milliseconds a frame; a frame that has
// not come within this time means the view stopped drawing.
constexpr int kFrameTimeoutMs = 3000;
// How long each scene plays before its picture: more rows than the
// waterfall holds, so every row shown belongs to the scene.
constexpr double kSceneSeconds = 4.0;
// The view's 900 by 400 pixels; the 2D graph's columns start at x = 66 and
// its top (full scale) is at y = 111.
constexpr int kViewWidth = 900;
constexpr int kViewHeight = 400;
constexpr int kGraphLeft = 66;
constexpr int kGraphRight = 830;
constexpr int kGraphTop = 111;

// The palette's colours from green to red, bright enough to stand out;
// not the grey of grids and text, not the dark floor.
bool IsLevelColour(uint32_t pixel) {
    const int32_t bright = std::max(RedOf(pixel), GreenOf(pixel));
    return bright > 120 && bright - BlueOf(pixel) > 60;
}

// A few pixels below the highest level-coloured pixel, where the mouse
// points into the peak rather than at its edge.
POINT HighestPeak(const CapturedImage& view, int topRow) {
    for (int y = topRow; y < kViewHeight; ++y) {
        for (int x = kGraphLeft; x < kGraphRight; ++x) {
            if (IsLevelColour(view.At(x, y))) return POINT{x, y + 4};
        }
    }
    return POINT{kViewWidth / 2, kViewHeight / 2};
}

}  // namespace

CDemoScript::CDemoScript(std::string outputFolder) : outputFolder_(std::move(outputFolder)) {}

CDemoScript::~CDemoScript() {
    CloseEditorAndPlugin();
}

const CDemoReport& CDemoScript::Run() {
    if (!frames_.Installed()) report_.AddProblem("the Direct3D frames cannot be captured");
    if (LoadPlugin() && OpenEditor()) {
        ShowWaterfallFromReset();
        ShowReadoutOverPeak(0, "readout-3d.png",
                            "the values under the mouse on a ridge of the waterfall");
        RecordScrollingFrames();
        ShowPreset(IDC_PRESET_LOWS, "waterfall-lows.png", "the waterfall from the Lows camera");
        ShowPreset(IDC_PRESET_BACK, "waterfall-back.png", "the waterfall from the Back camera");
        Show2dView();
        ShowMeterWithScale();
        ShowSlopeAndHistory();
        ShowEditorAtTwiceTheSize();
        ShowSettingsDialog();
        ShowMeterAndLog();
        const double viewSeconds = (GetTickCount() - editorOpenedMs_) / 1000.0;
        report_.SetFrames(frames_.FramesPresented(), viewSeconds);
    }
    CloseEditorAndPlugin();
    report_.SetErrorBoxes(errorBoxes_.Errors());
    return report_;
}

bool CDemoScript::LoadPlugin() {
    hostWindow_ = std::make_unique<CHostWindow>(nullptr, "Vantoscope demo", 20, 20, kEditorWidth,
                                                kEditorHeight);
    module_ = std::make_unique<CPluginModule>(CPluginModule::ProgramFolder() + "Vantoscope.dll");
    if (hostWindow_->Handle() == nullptr || !module_->IsLoaded()) {
        report_.AddProblem("Vantoscope.dll could not be loaded beside the demo program");
        return false;
    }
    // The host's window takes whatever size the editor asks for.
    hostCalls_.SetSizeWindowHandler([this](AEffect*, int width, int height) {
        return hostWindow_->SetClientSize(width, height);
    });
    effect_ = module_->Instantiate(&CHostCallRecorder::Callback);
    if (effect_ == nullptr) {
        report_.AddProblem("the plug-in's entry point returned no effect");
        return false;
    }
    effect_->dispatcher(effect_, effSetSampleRate, 0, 0, nullptr,
                        static_cast<float>(kSampleRateHz));
    effect_->dispatcher(effect_, effSetBlockSize, 0, CMusicStream::kBlockFrames, nullptr, 0.0f);
    effect_->dispatcher(effect_, effMainsChanged, 0, 1, nullptr, 0.0f);
    music_ = std::make_unique<CMusicStream>(effect_, kSampleRateHz);
    return true;
}

bool CDemoScript::OpenEditor() {
    void* host = hostWindow_->Handle();
    if (effect_->dispatcher(effect_, effEditOpen, 0, 0, host, 0.0f) != 1) {
        report_.AddProblem("the editor did not open");
        return false;
    }
    editorOpenedMs_ = GetTickCount();
    remote_ = std::make_unique<CEditorRemote>(host);
    photographer_ = std::make_unique<CEditorPhotographer>(host, frames_);
    if (!photographer_->WaitForFrames(1, kFrameTimeoutMs)) {
        report_.AddProblem("the editor's view presents no frames");
        return false;
    }
    return true;
}

void CDemoScript::CloseEditorAndPlugin() {
    if (effect_ == nullptr) return;
    if (remote_ != nullptr) effect_->dispatcher(effect_, effEditClose, 0, 0, nullptr, 0.0f);
    CHostWindow::Pump(20);
    if (music_ != nullptr) {
        report_.SetAudio(music_->FramesStreamed(), music_->LateBlocks(), kSampleRateHz);
    }
    music_.reset();
    effect_->dispatcher(effect_, effMainsChanged, 0, 0, nullptr, 0.0f);
    effect_->dispatcher(effect_, effClose, 0, 0, nullptr, 0.0f);
    effect_ = nullptr;
    photographer_.reset();
    remote_.reset();
    module_.reset();
    hostWindow_.reset();
}

void CDemoScript::ShowWaterfallFromReset() {
    Press(IDC_PRESET_RESET, "Reset");
    Press(IDC_LABELS, "Show Labels");
    Press(IDC_PEAKS, "Peaks");
    PlayUntil(7.5);
    SaveEditor("waterfall-reset.png", "the waterfall from the Reset camera, labels and peaks");
}

void CDemoScript::RecordScrollingFrames() {
    // The sweep of the last two bars rising through the view. The frames
    // are kept in memory and written afterwards, so that writing does not
    // slow the pace.
    PlayUntil(12.5);
    std::vector<CapturedImage> recorded;
    for (int index = 0; index < kScrollingFrames; ++index) {
        const DWORD due = GetTickCount() + kScrollingFrameMs;
        photographer_->WaitForFrames(1, kFrameTimeoutMs);
        recorded.push_back(photographer_->ViewFrame());
        const int rest = static_cast<int>(due - GetTickCount());
        if (rest > 0) CHostWindow::Pump(rest);
    }
    WriteScrollingFrames(recorded);
}

void CDemoScript::WriteScrollingFrames(const std::vector<CapturedImage>& recorded) {
    const std::string folder = outputFolder_ + "/scrolling";
    CreateDirectoryA(folder.c_str(), nullptr);
    for (size_t index = 0; index < recorded.size(); ++index) {
        char name[32];
        std::snprintf(name, sizeof name, "/frame-%03zu.png", index);
        if (!SavePng(recorded[index], folder + name)) {
            report_.AddProblem("could not write " + folder + name);
            return;
        }
    }
}

void CDemoScript::ShowPreset(int presetButton, const char* name, const char* caption) {
    Press(presetButton, caption);
    PlayUntil(MusicSeconds() + kSceneSeconds);
    SaveEditor(name, caption);
}

void CDemoScript::Show2dView() {
    Press(IDC_PRESET_RESET, "Reset");
    Press(IDC_2D_VIEW, "2D View");
    PlayUntil(MusicSeconds() + kSceneSeconds);
    SaveEditor("bars-2d.png", "the 2D bar graph with its statistics");
    ShowReadoutOverPeak(kGraphTop, "readout-2d.png",
                        "the values under the mouse on a peak of the bar graph");
    Press(IDC_2D_VIEW, "2D View");
}

void CDemoScript::ShowReadoutOverPeak(int topRow, const char* name, const char* caption) {
    photographer_->WaitForFrames(1, kFrameTimeoutMs);
    const POINT peak = HighestPeak(photographer_->ViewFrame(), topRow);
    if (!remote_->HoverView(peak.x, peak.y)) report_.AddProblem("no view to hover over");
    photographer_->WaitForFrames(2, kFrameTimeoutMs);
    SaveEditor(name, caption);
    remote_->LeaveView();
    CHostWindow::Pump(10);
}

void CDemoScript::ShowMeterWithScale() {
    Press(IDC_METER, "Meter");
    remote_->ViewCommand(IDM_METER_WITH_SCALE);
    PlayUntil(MusicSeconds() + 2.0);
    SaveEditor("meter-with-scale.png",
               "the meter with its dBFS scale, hold lines and figures, and the short-term "
               "loudness on its LUFS scale");
    // One export, as a user would take the picture and the numbers away.
    remote_->ViewCommand(IDM_EXPORT);
    remote_->ViewCommand(IDM_METER_WITH_SCALE);
    Press(IDC_METER, "Meter");
}

void CDemoScript::ShowSlopeAndHistory() {
    Press(IDC_PRESET_RESET, "Reset");
    remote_->ViewCommand(IDM_SLOPE_4_5_DB);
    remote_->ViewCommand(IDM_HISTORY_10_S);
    PlayUntil(MusicSeconds() + 8.0);
    SaveEditor("slope-and-history.png",
               "the waterfall at 4.5 dB/oct with ten seconds of history, named in its caption");
    remote_->ViewCommand(IDM_HISTORY_PER_FRAME);
    remote_->ViewCommand(IDM_SLOPE_FLAT);
}

void CDemoScript::ShowEditorAtTwiceTheSize() {
    remote_->ViewCommand(IDM_SIZE_200);
    PlayUntil(MusicSeconds() + 3.0);
    SaveEditor("editor-200.png", "the whole editor at 200 %, as on a high-DPI screen");
    remote_->ViewCommand(IDM_SIZE_100);
    PlayUntil(MusicSeconds() + 1.0);
}

void CDemoScript::ShowSettingsDialog() {
    Press(IDC_SETTINGS, "Settings");
    PlayUntil(MusicSeconds() + 1.0);
    Save(photographer_->Dialog(remote_->SettingsDialog()), "settings.png", "the settings dialog");
    PressInSettings(IDC_SHOW_DEBUG_PANE, "Show Debug Pane in Editor");
    PressInSettings(IDC_SETTINGS_CLOSE, "Close");
}

void CDemoScript::ShowMeterAndLog() {
    Press(IDC_METER, "Meter");
    Press(IDC_SHOW_LOG, "Show Log");
    PlayUntil(MusicSeconds() + kSceneSeconds);
    SaveEditor("meter-and-log.png", "the meter, the log and the debug pane");
}

void CDemoScript::Press(int controlId, const char* what) {
    if (!remote_->Press(controlId)) report_.AddProblem(std::string("no button ") + what);
    CHostWindow::Pump(10);
}

void CDemoScript::PressInSettings(int controlId, const char* what) {
    if (!remote_->PressInSettings(controlId)) {
        report_.AddProblem(std::string("no settings button ") + what);
    }
    CHostWindow::Pump(10);
}

void CDemoScript::PlayUntil(double musicSeconds) {
    while (MusicSeconds() < musicSeconds) CHostWindow::Pump(10);
}

double CDemoScript::MusicSeconds() const {
    return music_->FramesStreamed() / kSampleRateHz;
}

void CDemoScript::SaveEditor(const char* name, const char* caption) {
    if (!photographer_->WaitForFrames(1, kFrameTimeoutMs)) {
        report_.AddProblem(std::string("no fresh frame for ") + name);
    }
    Save(photographer_->Editor(remote_->View()), name, caption);
}

void CDemoScript::Save(const CapturedImage& picture, const std::string& name, const char* caption) {
    const std::string path = outputFolder_ + "/" + name;
    if (SavePng(picture, path)) {
        report_.AddPicture(path, caption);
    } else {
        report_.AddProblem("could not capture " + name);
    }
}

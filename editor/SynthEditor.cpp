// CSynthEditor: construction, and the order in which the editor's windows,
// dialogs and renderer come and go.
#include "editor/SynthEditor.h"

#include "analysis/LoudnessMeter.h"
#include "analysis/PerformanceTimer.h"
#include "diag/Log.h"
#include "editor/EditorHostWindow.h"
#include "editor/EditorLayout.h"
#include "editor/EditorWindows.h"
#include "editor/KeyName.h"
#include "editor/StoreSync.h"
#include "resources/resource.h"

namespace {

constexpr char kLogSource[] = "SynthEditor";

// Editors whose open has counted; the view class is registered while it is
// above zero. Only the user-interface thread touches it.
int32_t gOpenEditors = 0;

void LogEditorSize(int percent, const EditorLayout& layout) {
    VS_LOG("Editor size " << percent << " %: " << layout.Width() << " x " << layout.Height());
}

// Builds the parameter lists first, so that the editor state can hold on to
// the generator's frequency.
ParamList ControlsParametersFor(CParameterAutomation* automation) {
    ParamList list;
    list.reserve(32);
    BuildControlsParameters(automation, list);
    return list;
}

ParamList SettingsParametersFor(CParameterAutomation* automation) {
    ParamList list;
    list.reserve(8);
    BuildSettingsParameters(automation, KeyNameFormatter, list);
    return list;
}

}  // namespace

CSynthEditor::CSynthEditor(CSettings& settings, CPerformanceTimer& timer,
                           CParameterAutomation* automation, CEditorHostWindow* hostWindow)
    : settings_(settings),
      timer_(timer),
      hostWindow_(hostWindow),
      controlsParameters_(ControlsParametersFor(automation)),
      settingsParameters_(SettingsParametersFor(automation)),
      state_(controlsParameters_[kParamFrequency]->LiveValue()),
      panel_(state_, controlsParameters_, settings, session_),
      settingsCommands_(state_, settingsParameters_, settings, session_, panel_),
      frameLoop_(state_, controlsParameters_, settings, timer, session_),
      viewExport_(state_, controlsParameters_, settings, session_),
      viewMenu_(state_, {[this] { viewExport_.Export(); },
                         [&settings] { settings.Loudness().RequestReset(); },
                         [&settings](AnalysisChannels channels) {
                             settings.analysisChannels.store(channels, std::memory_order_relaxed);
                         },
                         [this](EditorSize size) { SetEditorSize(size); }}),
      mainViewRect_{0, 0, kEditorLayout.Width(), kEditorLayout.viewHeight},
      controlsRect_{0, kEditorLayout.viewHeight, kEditorLayout.Width(), kEditorLayout.Height()} {
    Hold hold(*this);
    windows_ = CreateEditorWindows(*this);
    session_.windows = windows_.get();
}

CSynthEditor::~CSynthEditor() {
    Hold hold(*this);
    VS_LOG("CSynthEditor: destructor");
    // A host that closes the plug-in with the editor still open would leave
    // windows whose timer and dialogs reach this object after it is gone.
    if (countsAsOpen_) Close();
    windows_.reset();
    controlsParameters_.clear();
    settingsParameters_.clear();
}

int32_t CSynthEditor::OpenEditorCount() {
    return gOpenEditors;
}

void CSynthEditor::Open(os::WindowHandle parent, CSpectrumStore* store) {
    session_.store = store;
    session_.parent = parent;
    VS_LOG("CSynthEditor: Open");

    // Counted before anything can fail, so that the close that follows any
    // open brings the count back; a close without an open does not.
    ++gOpenEditors;
    countsAsOpen_ = true;
    if (!windows_->RegisterViewClass()) {
        VS_LOG_ERROR("Failed to register window class");
        return;
    }

    percent_ = PercentForNextOpen();
    refusedPercent_ = 0;
    const EditorLayout layout = Layout();
    if (percent_ != 100) LogEditorSize(percent_, layout);
    VS_LOG("CSynthEditor: CreateWindow");
    session_.mainView = windows_->CreateMainView(parent, layout.Width(), layout.viewHeight);
    if (session_.mainView == nullptr) {
        VS_LOG_ERROR("Failed to create window");
        return;
    }

    CreateDialogs();
    windows_->CreateDrawingSet();
    CreateRenderer();
    frameLoop_.Start();
    ShowAllWindows();
}

void CSynthEditor::CreateDialogs() {
    VS_LOG("Creating controls window");
    session_.controlsDialog = windows_->CreateControlsDialog(session_.parent);
    if (session_.controlsDialog == nullptr) VS_LOG_ERROR("Controls dialog NOT created");
    panel_.ShowPanelState();
    VS_LOG("Creating settings window");
    session_.settingsDialog = windows_->CreateSettingsDialog(session_.parent);
    windows_->ShowWindow(session_.mainView, false);
    BindParameters(controlsParameters_, session_.controlsDialog, true);
    BindParameters(settingsParameters_, session_.settingsDialog, false);
    VS_LOG("Created Dialogs");
}

void CSynthEditor::BindParameters(ParamList& parameters, os::WindowHandle dialog, bool automate) {
    for (const auto& parameter : parameters) {
        {
            CLockable::Hold parameterLock(*parameter);
            parameter->SetDialog(dialog);
            if (dialog != nullptr) {
                windows_->AttachValueText(*parameter);
                parameter->UpdateDisplay();
            }
        }
        if (automate) parameter->SetAutomate(true);
    }
}

void CSynthEditor::CreateRenderer() {
    Hold hold(*this);
    VS_LOG("Creating CD3DRenderer");
    const EditorLayout layout = Layout();
    session_.sceneShown = windows_->CreateRenderer(session_.mainView, layout.Width(),
                                                   layout.viewHeight, session_.syncList);
    if (!session_.sceneShown) {
        VS_LOG_ERROR("Could not setup direct 3d");
        return;
    }
    if (session_.store != nullptr) {
        storeSync_ = std::make_unique<CStoreSync>(*session_.store);
        session_.syncList.push_back(storeSync_.get());
    }
}

void CSynthEditor::ShowAllWindows() {
    VS_LOG("Showing all windows");
    PositionWindows();
    windows_->ShowWindow(session_.mainView, true);
    windows_->ShowWindow(session_.controlsDialog, true);
    if (session_.controlsDialog != nullptr)
        windows_->SendCommand(session_.controlsDialog, IDC_PRESET_RESET);
    // A new panel hides its debug pane; the editor's flag follows, so the
    // settings dialog's indicator never reads on over a hidden pane.
    state_.SetFlag(kFlagDebugPane, false);
    panel_.ShowDebugPane(false);
}

void CSynthEditor::PositionWindows() {
    if (session_.mainView == nullptr || session_.parent == nullptr) return;
    os::GetRectInParent(session_.mainView, session_.parent, mainViewRect_);
    if (session_.controlsDialog == nullptr) return;
    os::GetRectInParent(session_.controlsDialog, session_.parent, controlsRect_);
    const EditorLayout layout = Layout();
    controlsRect_.top = mainViewRect_.bottom;
    controlsRect_.bottom = mainViewRect_.bottom + layout.panelHeight;
    windows_->MoveWindow(session_.controlsDialog, controlsRect_.left, mainViewRect_.bottom,
                         layout.Width(), layout.panelHeight);
}

void CSynthEditor::OnFrame(bool mouseCaptured) {
    frameLoop_.OnFrame(*this, mouseCaptured);
    FollowScreen();
}

// Once a second: a following editor may have moved to a screen of another
// scale.
void CSynthEditor::FollowScreen() {
    if (state_.Options().editorSize != EditorSize::kFollowScreen || session_.mainView == nullptr)
        return;
    const uint32_t nowMs = timer_.GetMilliseconds();
    if (nowMs - screenCheckedMs_ < 1000) return;
    screenCheckedMs_ = nowMs;
    const int percent =
        EditorPercent(EditorSize::kFollowScreen, windows_->ScreenDpi(session_.mainView));
    if (percent != percent_ && percent != refusedPercent_) SetEditorSize(EditorSize::kFollowScreen);
}

EditorLayout CSynthEditor::Layout() const {
    return kEditorLayout.AtPercent(countsAsOpen_ ? percent_ : PercentForNextOpen());
}

int CSynthEditor::PercentForNextOpen() const {
    return EditorPercent(state_.Options().editorSize, windows_->ScreenDpi(session_.parent));
}

void CSynthEditor::SetEditorSize(EditorSize size) {
    Hold hold(*this);
    state_.Options().editorSize = size;
    if (!countsAsOpen_ || session_.mainView == nullptr) {
        LogEditorSize(PercentForNextOpen(), Layout());
        return;
    }
    const int percent = EditorPercent(size, windows_->ScreenDpi(session_.mainView));
    if (percent == percent_) return;
    const EditorLayout wanted = kEditorLayout.AtPercent(percent);
    LogEditorSize(percent, wanted);
    if (hostWindow_ == nullptr ||
        !hostWindow_->ResizeEditorWindow(wanted.Width(), wanted.Height())) {
        const EditorLayout kept = Layout();
        VS_LOG("The host keeps the editor at " << kept.Width() << " x " << kept.Height()
                                               << "; the new size applies when it opens again");
        refusedPercent_ = percent;
        return;
    }
    refusedPercent_ = 0;
    ResizeInPlace(percent);
}

// The view takes the new size where it is. The dialogs take their font
// when they are made and the renderer its back buffer, so those are made
// anew at the new size; the camera, the options, the panel's state and an
// open settings dialog stay as they are.
void CSynthEditor::ResizeInPlace(int percent) {
    percent_ = percent;
    const bool settingsShown = windows_->IsWindowShown(session_.settingsDialog);
    session_.syncList.clear();
    storeSync_.reset();
    windows_->DestroyRenderer();
    DestroyDialogs();
    const EditorLayout layout = Layout();
    windows_->MoveWindow(session_.mainView, mainViewRect_.left, mainViewRect_.top, layout.Width(),
                         layout.viewHeight);
    CreateDialogs();
    panel_.ShowDebugPane(state_.Flag(kFlagDebugPane));
    CreateRenderer();
    PositionWindows();
    windows_->ShowWindow(session_.mainView, true);
    windows_->ShowWindow(session_.controlsDialog, true);
    if (settingsShown) windows_->ShowWindow(session_.settingsDialog, true);
}

void CSynthEditor::DestroyDialogs() {
    for (const ParamList* list : {&controlsParameters_, &settingsParameters_}) {
        for (const auto& parameter : *list) {
            CLockable::Hold parameterLock(*parameter);
            parameter->SetDialog(nullptr);
        }
    }
    if (session_.settingsDialog != nullptr) windows_->DestroyWindow(session_.settingsDialog);
    session_.settingsDialog = nullptr;
    if (session_.controlsDialog != nullptr) windows_->DestroyWindow(session_.controlsDialog);
    session_.controlsDialog = nullptr;
}

void CSynthEditor::Close() {
    Hold hold(*this);
    VS_LOG("CSynthEditor Close");
    session_.syncList.clear();
    session_.sceneShown = false;
    storeSync_.reset();
    windows_->DestroyRenderer();
    VS_LOG("CSynthEditor close settings");
    if (session_.settingsDialog != nullptr) windows_->DestroyWindow(session_.settingsDialog);
    session_.settingsDialog = nullptr;
    VS_LOG("CSynthEditor close controls");
    if (session_.controlsDialog != nullptr) windows_->DestroyWindow(session_.controlsDialog);
    session_.controlsDialog = nullptr;
    VS_LOG("CSynthEditor close main window");
    if (session_.mainView != nullptr) windows_->DestroyWindow(session_.mainView);
    session_.mainView = nullptr;
    if (countsAsOpen_) {
        countsAsOpen_ = false;
        if (--gOpenEditors == 0) windows_->UnregisterViewClass();
    }
    VS_LOG("CSynthEditor close parameters");
    for (const ParamList* list : {&controlsParameters_, &settingsParameters_}) {
        for (const auto& parameter : *list) {
            CLockable::Hold parameterLock(*parameter);
            parameter->SetDialog(nullptr);
        }
    }
    session_.parent = nullptr;
    session_.store = nullptr;
    VS_LOG("CSynthEditor Close DONE");
}

CParamControl* CSynthEditor::ControlsParameter(int index) {
    if (index < 0 || index >= static_cast<int>(controlsParameters_.size())) return nullptr;
    return controlsParameters_[index].get();
}

const CParamControl* CSynthEditor::ControlsParameter(int index) const {
    return const_cast<CSynthEditor*>(this)->ControlsParameter(index);
}

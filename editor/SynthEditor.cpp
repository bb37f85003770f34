// CSynthEditor: construction, key bindings, and the order in which the
// editor's windows, dialogs and renderer come and go.
#include "editor/SynthEditor.h"

#include "diag/Log.h"
#include "editor/EditorWindows.h"
#include "editor/KeyName.h"
#include "editor/StoreSync.h"
#include "plugin/VstPlugin.h"

namespace {

constexpr char kLogSource[] = "SynthEditor";
constexpr int kViewWidth = 900;
constexpr int kViewHeight = 400;
constexpr int kControlsHeight = 200;
constexpr int kResetPresetButton = 1005;

// Move Left and Rotate Left share 'A': the first binding wins, so A moves
// the camera until the user binds Rotate Left to a key of its own.
constexpr KeyBinding kDefaultKeyBindings[] = {
    {'W', kActionForward},   {'S', kActionBack},       {'A', kActionMoveLeft},
    {'D', kActionMoveRight}, {'A', kActionRotateLeft}, {'E', kActionRotateRight},
};

// Editors whose open has counted; the view class is registered while it is
// above zero. Only the user-interface thread touches it.
int32_t gOpenEditors = 0;

}  // namespace

CSynthEditor::CSynthEditor(CVstPlugin* plugin) : plugin_(plugin) {
    Hold hold(*this);
    controlsParameters_.reserve(32);
    settingsParameters_.reserve(8);
    SetFlag(kFlagFrequenciesInHertz, true);
    keyBindings_.assign(std::begin(kDefaultKeyBindings), std::end(kDefaultKeyBindings));
    BuildControlsParameters(plugin, controlsParameters_);
    BuildSettingsParameters(plugin, KeyNameFormatter, settingsParameters_);
    windows_ = CreateEditorWindows(*this);
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

CSettings& CSynthEditor::Settings() {
    return *plugin_->Settings();
}

void CSynthEditor::Open(os::WindowHandle parent, CSpectrumStore* store) {
    store_ = store;
    parent_ = parent;
    VS_LOG("CSynthEditor: Open");

    // Counted before anything can fail, so that the close that follows any
    // open brings the count back; a close without an open does not.
    ++gOpenEditors;
    countsAsOpen_ = true;
    if (!windows_->RegisterViewClass()) {
        VS_LOG_ERROR("Failed to register window class");
        return;
    }

    VS_LOG("CSynthEditor: CreateWindow");
    mainView_ = windows_->CreateMainView(parent_);
    if (mainView_ == nullptr) {
        VS_LOG_ERROR("Failed to create window");
        return;
    }

    CreateDialogs();
    windows_->CreateDrawingSet();
    CreateRenderer();
    periodStartMs_ = NowMs();
    ShowAllWindows();
}

void CSynthEditor::CreateDialogs() {
    VS_LOG("Creating controls window");
    controlsDialog_ = windows_->CreateControlsDialog(parent_);
    if (controlsDialog_ == nullptr) VS_LOG_ERROR("Controls dialog NOT created");
    ShowPanelState();
    VS_LOG("Creating settings window");
    settingsDialog_ = windows_->CreateSettingsDialog(parent_);
    windows_->ShowWindow(mainView_, false);
    BindParameters(controlsParameters_, controlsDialog_, true);
    BindParameters(settingsParameters_, settingsDialog_, false);
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
    if (!windows_->CreateRenderer(mainView_, syncList_)) {
        VS_LOG_ERROR("Could not setup direct 3d");
        return;
    }
    if (store_ != nullptr) {
        storeSync_ = std::make_unique<CStoreSync>(*store_);
        syncList_.push_back(storeSync_.get());
    }
}

void CSynthEditor::ShowAllWindows() {
    VS_LOG("Showing all windows");
    PositionWindows();
    windows_->ShowWindow(mainView_, true);
    windows_->ShowWindow(controlsDialog_, true);
    if (controlsDialog_ != nullptr) windows_->SendCommand(controlsDialog_, kResetPresetButton);
    // A new panel hides its debug pane; the editor's flag follows, so the
    // settings dialog's indicator never reads on over a hidden pane.
    SetFlag(kFlagDebugPane, false);
    ShowDebugPane(false);
}

void CSynthEditor::PositionWindows() {
    if (mainView_ == nullptr || parent_ == nullptr) return;
    os::GetRectInParent(mainView_, parent_, mainViewRect_);
    if (controlsDialog_ == nullptr) return;
    os::GetRectInParent(controlsDialog_, parent_, controlsRect_);
    controlsRect_.top = mainViewRect_.bottom;
    controlsRect_.bottom = mainViewRect_.bottom + kControlsHeight;
    windows_->MoveWindow(controlsDialog_, controlsRect_.left, mainViewRect_.bottom, kViewWidth,
                         kControlsHeight);
}

void CSynthEditor::Close() {
    Hold hold(*this);
    VS_LOG("CSynthEditor Close");
    syncList_.clear();
    storeSync_.reset();
    windows_->DestroyRenderer();
    VS_LOG("CSynthEditor close settings");
    if (settingsDialog_ != nullptr) windows_->DestroyWindow(settingsDialog_);
    settingsDialog_ = nullptr;
    VS_LOG("CSynthEditor close controls");
    if (controlsDialog_ != nullptr) windows_->DestroyWindow(controlsDialog_);
    controlsDialog_ = nullptr;
    VS_LOG("CSynthEditor close main window");
    if (mainView_ != nullptr) windows_->DestroyWindow(mainView_);
    mainView_ = nullptr;
    if (countsAsOpen_) {
        countsAsOpen_ = false;
        if (--gOpenEditors == 0) windows_->UnregisterViewClass();
    }
    VS_LOG("CSynthEditor close parameters");
    for (const auto& parameter : controlsParameters_) {
        CLockable::Hold parameterLock(*parameter);
        parameter->SetDialog(nullptr);
    }
    for (const auto& parameter : settingsParameters_) {
        CLockable::Hold parameterLock(*parameter);
        parameter->SetDialog(nullptr);
    }
    parent_ = nullptr;
    store_ = nullptr;
    VS_LOG("CSynthEditor Close DONE");
}

CParamControl* CSynthEditor::ControlsParameter(int index) {
    if (index < 0 || index >= static_cast<int>(controlsParameters_.size())) return nullptr;
    return controlsParameters_[index].get();
}

const KeyBinding* CSynthEditor::FindKeyBinding(int32_t key) const {
    for (const KeyBinding& binding : keyBindings_) {
        if (binding.key == key) return &binding;
    }
    return nullptr;
}

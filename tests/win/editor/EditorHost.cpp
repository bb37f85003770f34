// EditorHost: the host window, the instances and the capture helpers.
#include "tests/win/editor/EditorHost.h"

#include <cstring>

#include "tools/host/WindowCapture.h"

namespace {

// "SynthEditor(123) : text\n" gives "text"; errors keep their banner off.
std::string MessageOf(const std::string& line) {
    const size_t separator = line.find(") : ");
    std::string text = separator == std::string::npos ? line : line.substr(separator + 4);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const size_t gle = text.find(" GLE:");
    if (gle != std::string::npos) text.erase(gle);
    return text;
}

}  // namespace

SharedHostWindow* const EditorHost::hostWindow_ =
    SharedHostWindow::Register("Host", 20, 20, kHostWidth, kHostHeight);

void EditorHost::SetUp() {
    parent_ = static_cast<HWND>(hostWindow_->Handle());
    ASSERT_NE(parent_, nullptr);
    host_.SetSizeWindowHandler([this](AEffect*, int width, int height) {
        return resizeAnswer_ && hostWindow_->SetClientSize(width, height);
    });
    module_ = std::make_unique<CPluginModule>(CPluginModule::ProgramFolder() + ModuleName());
    ASSERT_TRUE(module_->IsLoaded()) << ModuleName();
    effect_ = NewInstance();
    ASSERT_NE(effect_, nullptr);
}

void EditorHost::TearDown() {
    for (AEffect* effect : instances_) {
        if (Editor(effect).IsOpen()) Dispatch(effect, effEditClose);
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    }
    instances_.clear();
    module_.reset();
    hostWindow_->RestoreSize();
    Pump(20);
    EXPECT_EQ(GetWindow(parent_, GW_CHILD), nullptr) << "the next test gets the host window empty";
    const std::vector<std::string> errors = errorBoxes_.Errors();
    ASSERT_EQ(errors.size(), expectedErrors_.size()) << "unexpected or missing error boxes";
    for (size_t i = 0; i < errors.size(); ++i) {
        EXPECT_NE(errors[i].find(expectedErrors_[i]), std::string::npos) << errors[i];
    }
}

AEffect* EditorHost::NewInstance() {
    AEffect* effect = module_->Instantiate(&CHostCallRecorder::Callback);
    if (effect != nullptr) {
        instances_.push_back(effect);
        effect->dispatcher(effect, effSetSampleRate, 0, 0, nullptr, 44100.0f);
        effect->dispatcher(effect, effSetBlockSize, 0, 512, nullptr, 0.0f);
    }
    return effect;
}

VstIntPtr EditorHost::Dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                               void* ptr) {
    return effect->dispatcher(effect, opcode, index, value, ptr, 0.0f);
}

void EditorHost::OpenEditor(AEffect* effect) {
    ASSERT_EQ(Dispatch(effect ? effect : effect_, effEditOpen, 0, 0, parent_), 1);
    Pump(30);
}

void EditorHost::CloseEditor(AEffect* effect) {
    ASSERT_EQ(Dispatch(effect ? effect : effect_, effEditClose), 1);
    Pump(10);
}

ERect EditorHost::EditorRect() {
    ERect* rect = nullptr;
    EXPECT_EQ(Dispatch(effEditGetRect, 0, 0, &rect), 1);
    return rect != nullptr ? *rect : ERect{};
}

CSynthEditor& EditorHost::Editor(AEffect* effect) {
    return *static_cast<CVstPlugin*>((effect ? effect : effect_)->object)->Editor();
}

std::string EditorHost::Caption(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void EditorHost::Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    Pump(5);
}

void EditorHost::Command(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool EditorHost::IsViewClassRegistered() const {
    WNDCLASSEXA viewClass{};
    viewClass.cbSize = sizeof viewClass;
    return GetClassInfoExA(GetModuleHandleA(ModuleName().c_str()), "OR_GUI_MAIN_WINDOW",
                           &viewClass) != 0;
}

std::vector<std::string> EditorHost::LoggedFrom(const std::string& first) const {
    std::vector<std::string> texts;
    for (const std::string& line : debugOutput_.Lines()) {
        const std::string text = MessageOf(line);
        if (texts.empty() && text != first) continue;
        if (text.rfind("WM_WINDOWPOSCHANGED", 0) == 0) continue;
        texts.push_back(text);
    }
    return texts;
}

CapturedImage EditorHost::CaptureClientArea() const {
    return CaptureFromScreen(parent_, false);
}

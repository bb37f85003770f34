// CSynthEditor: one tick of the main view's frame timer and the polling of
// the bound keys while the view holds the mouse.
#include "analysis/PerformanceTimer.h"
#include "editor/EditorListener.h"
#include "editor/EditorWindows.h"
#include "editor/FramePacing.h"
#include "editor/SynthEditor.h"
#include "plugin/VstPlugin.h"

uint32_t CSynthEditor::NowMs() const {
    CPerformanceTimer* timer = CVstPlugin::SharedTimer();
    return timer != nullptr ? timer->GetMilliseconds() : 0;
}

void CSynthEditor::OnFrame(bool mouseCaptured) {
    if (mouseCaptured) PollKeys();
    ++framesCounted_;
    const uint32_t nowMs = NowMs();
    for (CEditorListener* listener : syncList_) listener->SyncFromEditor(*this);
    windows_->RenderFrame();
    AdaptFramePeriod(nowMs);
}

void CSynthEditor::AdaptFramePeriod(uint32_t nowMs) {
    const uint32_t elapsedMs = nowMs - periodStartMs_;
    if (elapsedMs < kFramePacingWindowMs) return;
    const FramePacing pacing =
        PaceFrameTimer(framePeriodMs_, framesCounted_, elapsedMs, Settings().maxFrameRate);
    framePeriodMs_ = pacing.periodMs;
    if (pacing.restartTimer) windows_->SetFrameTimer(mainView_, framePeriodMs_);
    framesCounted_ = 0;
    periodStartMs_ = nowMs;
}

void CSynthEditor::PollKeys() {
    const os::Point cursor = os::CursorInClient(mainView_);
    for (const KeyBinding& binding : keyBindings_) {
        const bool down = windows_->IsKeyDown(binding.key);
        const KeyBinding* first = FindKeyBinding(binding.key);
        if (first == nullptr || first->action == kActionNone) continue;
        navigation_.cursorX = cursor.x;
        navigation_.cursorY = cursor.y;
        keyHeld_[first->action] = down ? 1 : 0;
    }
}

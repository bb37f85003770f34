// CSynthEditor: one tick of the main view's frame timer and the polling of
// the bound keys while the view holds the mouse.
#include "analysis/PerformanceTimer.h"
#include "editor/EditorListener.h"
#include "editor/EditorWindows.h"
#include "editor/SynthEditor.h"
#include "plugin/VstPlugin.h"

namespace {
constexpr uint32_t kPacingWindowMs = 4000;

// TEMPORARY until the shared pacing unit lands.
int32_t PacedFramePeriod(int32_t periodMs, int32_t frames, uint32_t elapsedMs, int32_t maxFps) {
    const float fps = static_cast<float>(frames) / static_cast<float>(elapsedMs) * 1000.0f;
    const float target = static_cast<float>(maxFps);
    const float d = fps > target ? fps - target : target - fps;
    if (d <= 2.0f) return periodMs;
    if (target > fps) {
        --periodMs;
        if (d > 30.0f)
            periodMs = static_cast<int32_t>(1000.0f / target);
        else if (d > 20.0f)
            --periodMs;
        return periodMs < 10 ? 10 : periodMs;
    }
    if (d <= 3.0f) return periodMs;
    ++periodMs;
    if (d > 30.0f)
        periodMs = static_cast<int32_t>(1000.0f / target);
    else if (d > 20.0f)
        ++periodMs;
    return periodMs;
}
}  // namespace

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
    if (elapsedMs < kPacingWindowMs) return;
    const int32_t period =
        PacedFramePeriod(framePeriodMs_, framesCounted_, elapsedMs, Settings().maxFrameRate);
    if (period != framePeriodMs_) {
        framePeriodMs_ = period;
        windows_->SetFrameTimer(mainView_, framePeriodMs_);
    }
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

// CFrameLoop: one tick of the frame timer and the polling of the bound keys.
#include "editor/FrameLoop.h"

#include "analysis/PerformanceTimer.h"
#include "editor/EditorListener.h"
#include "editor/EditorSession.h"
#include "editor/EditorState.h"
#include "editor/EditorWindows.h"
#include "editor/FramePacing.h"
#include "params/Settings.h"

CFrameLoop::CFrameLoop(CEditorState& state, const ParamList& controls, CSettings& settings,
                       CPerformanceTimer& timer, const EditorSession& session)
    : state_(state),
      controls_(controls),
      settings_(settings),
      timer_(timer),
      session_(session),
      navigation_(timer.GetMilliseconds()) {}

void CFrameLoop::Start() {
    periodStartMs_ = timer_.GetMilliseconds();
    navigation_ = CCameraNavigation(periodStartMs_);
}

void CFrameLoop::OnFrame(const CSynthEditor& editor, bool mouseCaptured) {
    if (mouseCaptured) PollKeys();
    ++framesCounted_;
    const uint32_t nowMs = timer_.GetMilliseconds();
    // The camera parameters are written and read back before any component
    // looks at them; without a scene there is no camera to steer.
    if (session_.sceneShown) {
        navigation_.Step(state_.Navigation(), state_.KeyHeld(), controls_,
                         settings_.controlSensitivity, camera_, timer_.GetMilliseconds());
    }
    for (CEditorListener* listener : session_.syncList) listener->SyncFromEditor(editor);
    session_.windows->RenderFrame();
    AdaptFramePeriod(nowMs);
}

void CFrameLoop::AdaptFramePeriod(uint32_t nowMs) {
    const uint32_t elapsedMs = nowMs - periodStartMs_;
    if (elapsedMs < kFramePacingWindowMs) return;
    const FramePacing pacing =
        PaceFrameTimer(framePeriodMs_, framesCounted_, elapsedMs, settings_.maxFrameRate);
    framePeriodMs_ = pacing.periodMs;
    if (pacing.restartTimer) session_.windows->SetFrameTimer(session_.mainView, framePeriodMs_);
    framesCounted_ = 0;
    periodStartMs_ = nowMs;
}

void CFrameLoop::PollKeys() {
    const os::Point cursor = os::CursorInClient(session_.mainView);
    for (const KeyBinding& binding : state_.KeyBindings()) {
        const bool down = session_.windows->IsKeyDown(binding.key);
        const KeyBinding* first = state_.FindKeyBinding(binding.key);
        if (first == nullptr || first->action == kActionNone) continue;
        state_.Navigation().cursorX = cursor.x;
        state_.Navigation().cursorY = cursor.y;
        state_.KeyHeld()[first->action] = down ? 1 : 0;
    }
}

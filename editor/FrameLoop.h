// The main view's frame loop. Each tick of the frame timer polls the bound
// keys while the view holds the mouse, runs the camera navigation step
// (mouse and keys move the camera parameters, and the scene camera follows
// them), synchronises every listener, renders, and every four seconds adapts
// the timer's period to the "Max FPS" setting.
//
// Thread: user-interface thread (the frame timer).
#pragma once

#include <cstdint>

#include "editor/CameraNavigation.h"
#include "params/ParameterTable.h"
#include "render/D3DCamera.h"

class CEditorState;
class CPerformanceTimer;
class CSettings;
class CSynthEditor;
struct EditorSession;

class CFrameLoop {
public:
    static constexpr int32_t kFirstFramePeriodMs = 14;

    CFrameLoop(CEditorState& state, const ParamList& controls, CSettings& settings,
               CPerformanceTimer& timer, const EditorSession& session);

    // An opening's first frame: pacing and navigation measure from now.
    void Start();
    // editor: what the listeners synchronise from.
    void OnFrame(const CSynthEditor& editor, bool mouseCaptured);
    void PollKeys();

    int32_t FramePeriodMs() const { return framePeriodMs_; }
    // The scene camera: the waterfall sets it up and builds its view; the
    // navigation step moves it.
    CD3DCamera& Camera() { return camera_; }

private:
    void AdaptFramePeriod(uint32_t nowMs);

    CEditorState& state_;
    const ParamList& controls_;
    CSettings& settings_;
    CPerformanceTimer& timer_;
    const EditorSession& session_;
    CD3DCamera camera_;
    CCameraNavigation navigation_;
    int32_t framePeriodMs_ = kFirstFramePeriodMs;
    int32_t framesCounted_ = 0;
    uint32_t periodStartMs_ = 0;
};

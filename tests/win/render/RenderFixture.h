// A top-level window with a 900 by 400 client area, shared by every test,
// the error system with its log lines recorded and its error boxes closed,
// and the frame capture: what every renderer test under Wine starts from.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "diag/LogListener.h"
#include "render/d3d9/D3DRenderer.h"
#include "tests/win/SharedHostWindow.h"
#include "tools/host/ErrorBoxWatcher.h"
#include "tools/host/FrameCapture.h"

#include <gtest/gtest.h>

class CLogRecorder : public CLogListener {
public:
    void OnLogLine(const std::string& line) override { lines.push_back(line); }
    // Entries containing text.
    int Count(const std::string& text) const;
    std::vector<std::string> lines;
};

class RenderFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets up a renderer on the window with hooks.
    std::unique_ptr<CD3DRenderer> MakeRenderer(CD3DRenderer::TestHooks hooks = {});
    // Renders one frame and returns what was presented.
    CapturedImage RenderAndCapture(CD3DRenderer& renderer);

    static SharedHostWindow* const hostWindow_;
    void* window_ = nullptr;
    CLogRecorder log_;
    std::unique_ptr<CErrorBoxWatcher> errorBoxes_;
    std::unique_ptr<CFrameCapture> capture_;
};

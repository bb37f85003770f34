// The frame-rate text: "FPS: " and the frames drawn per second, measured
// over periods of at least one second, at the top left while the debug pane
// is shown. Screen-space pass only. User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "editor/EditorListener.h"
#include "render/D3DComponent.h"
#include "render/FrameRateCounter.h"

class CD3DFont;
class CPerformanceTimer;
class CSettings;

class CD3DDrawFPS : public CD3DComponent, public CEditorListener {
public:
    // Shown while the settings' debug-pane flag is set; counts frames by
    // the timer.
    CD3DDrawFPS(const CSettings& settings, CPerformanceTimer& timer);
    ~CD3DDrawFPS() override;

    // False when the font cannot be created (the renderer reports it).
    bool Init(IDirect3DDevice9* device, int32_t width, int32_t height) override;
    void Draw2D(CSpriteBatch* sprite) override;
    void Render3D(IDirect3DDevice9* /*device*/) override {}
    void ReleaseResources() override;
    void SyncFromEditor(const CSynthEditor& editor) override;

private:
    const CSettings& settings_;
    CPerformanceTimer& timer_;
    std::unique_ptr<CD3DFont> font_;
    CFrameRateCounter counter_;
    bool shown_ = false;
};

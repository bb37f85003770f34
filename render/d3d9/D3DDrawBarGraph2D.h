// The 2D bar graph: the spectrum flat on the screen as 255 segments of three
// one-pixel columns coloured from the level palette by height, optional
// peak marks, the backdrop picture "Overlay2DGraph" from the plug-in's Data
// folder over them, and the statistics report as green text at the top
// left. Screen-space pass only. User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "editor/EditorListener.h"
#include "editor/ViewOptions.h"
#include "render/BarGraph2DState.h"
#include "render/BarGraphLayout.h"
#include "render/D3DComponent.h"
#include "render/DisplaySlope.h"
#include "render/d3d9/ComPtr.h"

struct IDirect3DTexture9;
class CD3DDrawImage;
class CD3DReadout;
class CD3DDrawText;
class CSpectrumStore;
class CSettings;

class CD3DDrawBarGraph2D : public CD3DComponent, public CEditorListener {
public:
    // The palette, the backdrop's folder and the statistics come from the
    // settings.
    explicit CD3DDrawBarGraph2D(CSettings& settings);
    ~CD3DDrawBarGraph2D() override;

    // The editor hands over the store after construction, before Init.
    void SetStore(CSpectrumStore* store) { store_ = store; }

    // False when the gradient texture cannot be made; a missing backdrop or
    // font is reported and the graph works without it.
    bool Init(IDirect3DDevice9* device, int32_t width, int32_t height) override;
    void Draw2D(CSpriteBatch* sprite) override;
    void Render3D(IDirect3DDevice9* /*device*/) override {}
    void ReleaseResources() override;
    void SyncFromEditor(const CSynthEditor& editor) override;

    bool BackdropLoaded() const;

private:
    void DrawReadout(CSpriteBatch* sprite, const BandLevels& level, const BandLevels& peak);
    void DrawColumns(CSpriteBatch* sprite, const BandLevels& levels, CBarGraphLayout::Mode mode);
    bool CreateGradient(IDirect3DDevice9* device);
    void LoadBackdrop(IDirect3DDevice9* device);

    CSettings& settings_;
    ComPtr<IDirect3DTexture9> gradient_;
    CSpectrumStore* store_ = nullptr;
    std::unique_ptr<CD3DDrawImage> backdrop_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    CBarGraph2DState state_;
    std::unique_ptr<CD3DDrawText> statisticsText_;
    CBarGraphLayout::Columns columns_{};
    // The values under the mouse, drawn last, over the statistics.
    std::unique_ptr<CD3DReadout> readout_;
    HoverState hover_;
    bool valuesShown_ = false;
    CDisplaySlope slope_;
};

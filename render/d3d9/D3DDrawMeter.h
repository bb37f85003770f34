// The level meter: the last analysis block's sample peak and RMS as two
// vertical bars at the top left of the view, coloured green, yellow and red
// by their level in dB with a black line every third row; with its scale,
// also the short-term loudness. Screen-space pass only. User-interface
// thread only.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "editor/EditorListener.h"
#include "render/D3DComponent.h"
#include "render/ScaledMeter.h"
#include "render/d3d9/ComPtr.h"

struct IDirect3DTexture9;
class CD3DOverlayPainter;
class CLoudnessMeter;
class CPerformanceTimer;
class CSpectrumStore;
class CStatistics;

class CD3DDrawMeter : public CD3DComponent, public CEditorListener {
public:
    // Draws the block peak and RMS of the statistics, and with the scale the
    // figures of loudness; the hold lines of the scaled meter keep time by
    // timer.
    CD3DDrawMeter(CStatistics& statistics, CLoudnessMeter& loudness, CPerformanceTimer& timer);
    ~CD3DDrawMeter() override;

    // Given by the editor like the other components'; the meter reads the
    // statistics, not the store.
    void SetStore(CSpectrumStore* store) { store_ = store; }

    bool Init(IDirect3DDevice9* device, int32_t width, int32_t height) override;
    void Draw2D(CSpriteBatch* sprite) override;
    void Render3D(IDirect3DDevice9* /*device*/) override {}
    void ReleaseResources() override;
    void SyncFromEditor(const CSynthEditor& editor) override;

private:
    bool CreateScaledParts(IDirect3DDevice9* device);
    void DrawScaled(CSpriteBatch* sprite, double blockPeak, double blockRms);
    void DrawScaledBars(CSpriteBatch* sprite);
    template <size_t N>
    void DrawScale(CSpriteBatch* sprite, int tickX, int labelX,
                   const std::array<MeterTick, N>& ticks, int lineHeight);
    void DrawFigures(CSpriteBatch* sprite, int lineHeight, const CScaledMeter::Figures& figures);

    CStatistics& statistics_;
    CLoudnessMeter& loudness_;
    CPerformanceTimer& timer_;
    ComPtr<IDirect3DTexture9> texture_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    bool shown_ = false;
    CSpectrumStore* store_ = nullptr;
    // The meter with scale: opaque bars, hold lines, ticks and figures.
    bool withScale_ = false;
    ComPtr<IDirect3DTexture9> scaledTexture_;
    ComPtr<IDirect3DTexture9> loudnessTexture_;
    std::unique_ptr<CD3DOverlayPainter> painter_;
    CScaledMeter scaled_;
};

// The level meter's texture and bars.
#include "render/d3d9/D3DDrawMeter.h"

#include <d3d9.h>

#include <algorithm>
#include <array>
#include <string>

#include "analysis/LoudnessMeter.h"
#include "analysis/PerformanceTimer.h"
#include "analysis/Statistics.h"
#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "render/MeterBars.h"
#include "render/MeterTexture.h"
#include "render/Vector3.h"
#include "render/d3d9/D3DOverlayPainter.h"
#include "render/d3d9/SpriteBatch.h"
#include "render/d3d9/TexelUpload.h"
#include "render/d3d9/Textures.h"

namespace {

constexpr char kLogSource[] = "D3DDrawMeter";
constexpr uint32_t kUntinted = 0xFFFFFFFFu;
// The scale's backdrop darkens the scene enough for its small text.
constexpr uint32_t kBackdropColour = 0xD0000000u;
constexpr uint32_t kHoldLineColour = 0xFFFFFFFFu;
constexpr uint32_t kTickColour = 0xFFC8C8C8u;
constexpr uint32_t kScaleTextColour = 0xFFE8E8E8u;
constexpr int kBackdropMargin = 3;
constexpr int kFiguresX = 2;
// Small enough for the labels of 0, -3 and -6 dBFS, 13 rows apart.
constexpr int32_t kScaleFontHeight = 11;

bool CreateOpaqueTexture(IDirect3DDevice9* device, const CMeterTexture::Texels& texels,
                         ComPtr<IDirect3DTexture9>& texture) {
    if (CreateTexture(device, CMeterTexture::kWidth, CMeterTexture::kHeight, 0, 0, D3DFMT_A8R8G8B8,
                      D3DPOOL_MANAGED, texture) &&
        UploadTexels(texture.Get(), texels.data(), CMeterTexture::kWidth, CMeterTexture::kHeight))
        return true;
    texture.Reset();
    return false;
}

void DrawBar(CSpriteBatch* sprite, IDirect3DTexture9* texture, const MeterBar& bar) {
    if (bar.heightRows <= 0) return;
    const os::Rect source{0, bar.sourceTop, CMeterTexture::kWidth, CMeterTexture::kHeight};
    const Vector3 position{bar.x, bar.y, 0.0f};
    sprite->Draw(texture, &source, nullptr, &position, kUntinted);
}

}  // namespace

CD3DDrawMeter::CD3DDrawMeter(CStatistics& statistics, CLoudnessMeter& loudness,
                             CPerformanceTimer& timer)
    : statistics_(statistics), loudness_(loudness), timer_(timer) {}

CD3DDrawMeter::~CD3DDrawMeter() = default;

bool CD3DDrawMeter::Init(IDirect3DDevice9* device, int32_t width, int32_t height) {
    width_ = width;
    height_ = height;
    if (!CreateTexture(device, CMeterTexture::kWidth, CMeterTexture::kHeight, 0, 0, D3DFMT_A8R8G8B8,
                       D3DPOOL_MANAGED, texture_)) {
        VS_LOG_ERROR("CD3DDrawMeter: could not create texture");
        return false;
    }
    const CMeterTexture::Texels texels = CMeterTexture::Build();
    if (!UploadTexels(texture_.Get(), texels.data(), CMeterTexture::kWidth,
                      CMeterTexture::kHeight)) {
        VS_LOG_ERROR("Could not lock surface.");
        texture_.Reset();
        return false;
    }
    CreateScaledParts(device);  // without them the meter stays plain
    return true;
}

// Silent on failure: the plain meter is what the view must show.
bool CD3DDrawMeter::CreateScaledParts(IDirect3DDevice9* device) {
    painter_ = std::make_unique<CD3DOverlayPainter>();
    if (CreateOpaqueTexture(device, CScaledMeter::BuildTexture(), scaledTexture_) &&
        CreateOpaqueTexture(device, CScaledMeter::BuildLoudnessTexture(), loudnessTexture_) &&
        painter_->Init(device, kScaleFontHeight, PixelScale()))
        return true;
    painter_.reset();
    loudnessTexture_.Reset();
    scaledTexture_.Reset();
    return false;
}

void CD3DDrawMeter::Draw2D(CSpriteBatch* sprite) {
    if (!shown_ || !texture_ || sprite == nullptr) return;
    // Read under the statistics lock, drawn after it is released.
    const CStatistics::Figures figures = statistics_.Read();
    if (withScale_ && painter_) {
        DrawScaled(sprite, figures.blockPeak, figures.blockRms);
        return;
    }
    const MeterBars bars = MeterBarsOf(figures.blockPeak, figures.blockRms);
    DrawBar(sprite, texture_.Get(), bars.peak);
    DrawBar(sprite, texture_.Get(), bars.rms);
}

// Drawn in runs that share a texture: backdrop, bars, lines and ticks, text.
void CD3DDrawMeter::DrawScaled(CSpriteBatch* sprite, double blockPeak, double blockRms) {
    scaled_.Update(blockPeak, blockRms, loudness_.Read(), timer_.GetMilliseconds());
    const CScaledMeter::Figures figures = scaled_.FigureTexts();
    const int lineHeight = painter_->Measure("0").bottom;
    int right = std::max(CScaledMeter::kWidth,
                         CScaledMeter::kLoudnessLabelX + painter_->Measure("-60").right);
    for (const std::string& figure : figures) {
        right = std::max(right, kFiguresX + painter_->Measure(figure.c_str()).right);
    }
    const int bottom = CScaledMeter::kFiguresY + CScaledMeter::kFigureLines * lineHeight;
    painter_->FillRect(sprite, os::Rect{0, 0, right, bottom + kBackdropMargin}, kBackdropColour);
    DrawScaledBars(sprite);
    DrawScale(sprite, CScaledMeter::kTickX, CScaledMeter::kLabelX, CScaledMeter::Ticks(),
              lineHeight);
    DrawScale(sprite, CScaledMeter::kLoudnessTickX, CScaledMeter::kLoudnessLabelX,
              CScaledMeter::LoudnessTicks(), lineHeight);
    DrawFigures(sprite, lineHeight, figures);
}

void CD3DDrawMeter::DrawScaledBars(CSpriteBatch* sprite) {
    auto drawBar = [sprite](IDirect3DTexture9* texture, const ScaledMeterBar& bar) {
        if (bar.top >= CMeterTexture::kHeight) return;
        const os::Rect source{0, bar.top, CMeterTexture::kWidth, CMeterTexture::kHeight};
        const Vector3 position{static_cast<float>(bar.x), static_cast<float>(bar.top), 0.0f};
        sprite->Draw(texture, &source, nullptr, &position, kUntinted);
    };
    for (const ScaledMeterBar& bar : scaled_.BarsOf()) drawBar(scaledTexture_.Get(), bar);
    drawBar(loudnessTexture_.Get(), scaled_.LoudnessBar());
    for (const ScaledMeterBar& bar : scaled_.BarsOf()) {
        if (bar.holdY < 0) continue;
        painter_->FillRect(sprite,
                           os::Rect{bar.x, bar.holdY, bar.x + CScaledMeter::kBarWidth,
                                    bar.holdY + CScaledMeter::kHoldLineRows},
                           kHoldLineColour);
    }
}

template <size_t N>
void CD3DDrawMeter::DrawScale(CSpriteBatch* sprite, int tickX, int labelX,
                              const std::array<MeterTick, N>& ticks, int lineHeight) {
    for (const MeterTick& tick : ticks) {
        const int y = std::min(tick.y, kMeterScaleRows - 1);
        painter_->FillRect(sprite, os::Rect{tickX, y, tickX + CScaledMeter::kTickLength, y + 1},
                           kTickColour);
    }
    const std::array<int, N> tops = MeterTickLabelTops(ticks, lineHeight);
    for (size_t i = 0; i < N; ++i) {
        painter_->Text(sprite, ticks[i].text.c_str(), labelX, tops[i], kScaleTextColour);
    }
}

void CD3DDrawMeter::DrawFigures(CSpriteBatch* sprite, int lineHeight,
                                const CScaledMeter::Figures& figures) {
    for (size_t i = 0; i < figures.size(); ++i) {
        painter_->Text(sprite, figures[i].c_str(), kFiguresX,
                       CScaledMeter::kFiguresY + static_cast<int>(i) * lineHeight,
                       kScaleTextColour);
    }
}

void CD3DDrawMeter::SyncFromEditor(const CSynthEditor& editor) {
    shown_ = editor.State().Flag(kFlagMeter);
    withScale_ = editor.State().Options().meterWithScale;
}

void CD3DDrawMeter::ReleaseResources() {
    if (painter_) painter_->Release();
    painter_.reset();
    loudnessTexture_.Reset();
    scaledTexture_.Reset();
    texture_.Reset();
    store_ = nullptr;
}

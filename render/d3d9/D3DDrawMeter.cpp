// The level meter's texture and bars.
#include "render/d3d9/D3DDrawMeter.h"

#include <d3d9.h>

#include "analysis/Statistics.h"
#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "render/MeterBars.h"
#include "render/MeterTexture.h"
#include "render/Vector3.h"
#include "render/d3d9/SpriteBatch.h"
#include "render/d3d9/TexelUpload.h"
#include "render/d3d9/Textures.h"

namespace {

constexpr char kLogSource[] = "D3DDrawMeter";
constexpr uint32_t kUntinted = 0xFFFFFFFFu;

void DrawBar(CSpriteBatch* sprite, IDirect3DTexture9* texture, const MeterBar& bar) {
    if (bar.heightRows <= 0) return;
    const os::Rect source{0, bar.sourceTop, CMeterTexture::kWidth, CMeterTexture::kHeight};
    const Vector3 position{bar.x, bar.y, 0.0f};
    sprite->Draw(texture, &source, nullptr, &position, kUntinted);
}

}  // namespace

CD3DDrawMeter::CD3DDrawMeter(CStatistics& statistics) : statistics_(statistics) {}

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
    return true;
}

void CD3DDrawMeter::Draw2D(CSpriteBatch* sprite) {
    if (!shown_ || !texture_ || sprite == nullptr) return;
    // Read under the statistics lock, drawn after it is released.
    const CStatistics::Figures figures = statistics_.Read();
    const MeterBars bars = MeterBarsOf(figures.blockPeak, figures.blockRms);
    DrawBar(sprite, texture_.Get(), bars.peak);
    DrawBar(sprite, texture_.Get(), bars.rms);
}

void CD3DDrawMeter::SyncFromEditor(const CSynthEditor& editor) {
    shown_ = editor.State().Flag(kFlagMeter);
}

void CD3DDrawMeter::ReleaseResources() {
    texture_.Reset();
    store_ = nullptr;
}

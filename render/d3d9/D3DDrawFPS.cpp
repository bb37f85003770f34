// The frame-rate text.
#include "render/d3d9/D3DDrawFPS.h"

#include <windows.h>

#include "analysis/PerformanceTimer.h"
#include "params/Settings.h"
#include "render/GlyphLayout.h"
#include "render/d3d9/D3DFont.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr os::Rect kTextRect{10, 10, 780, 30};

}  // namespace

CD3DDrawFPS::CD3DDrawFPS(const CSettings& settings, CPerformanceTimer& timer)
    : settings_(settings), timer_(timer) {}

CD3DDrawFPS::~CD3DDrawFPS() = default;

bool CD3DDrawFPS::Init(IDirect3DDevice9* device, int32_t /*width*/, int32_t /*height*/) {
    font_ = CD3DFont::Create(device, 20, 0, FW_BOLD, 0, false, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial", PixelScale());
    return font_ != nullptr;
}

void CD3DDrawFPS::Draw2D(CSpriteBatch* sprite) {
    if (!shown_ || font_ == nullptr) return;
    // Frames are counted only where they are drawn.
    counter_.CountFrame(timer_.GetMilliseconds());
    const CFrameRateCounter::Text caption = counter_.Caption();
    os::Rect rect = kTextRect;
    font_->DrawTextA(sprite, caption.CStr(), -1, &rect, 0, kWhite);
}

void CD3DDrawFPS::SyncFromEditor(const CSynthEditor& /*editor*/) {
    shown_ = settings_.showDebugPane;
}

void CD3DDrawFPS::ReleaseResources() {
    font_.reset();
}

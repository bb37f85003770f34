// CD3DOverlayPainter: rectangles and text of the overlays.
#include "render/d3d9/D3DOverlayPainter.h"

#include <windows.h>

#include <d3d9.h>

#include "render/GlyphLayout.h"
#include "render/Matrix4.h"
#include "render/d3d9/D3DFont.h"
#include "render/d3d9/SpriteBatch.h"
#include "render/d3d9/TexelUpload.h"
#include "render/d3d9/Textures.h"

namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
// Wide and tall enough for any overlay's few lines.
constexpr int kMeasureWidth = 400;
constexpr int kMeasureHeight = 200;

}  // namespace

CD3DOverlayPainter::CD3DOverlayPainter() = default;
CD3DOverlayPainter::~CD3DOverlayPainter() = default;

bool CD3DOverlayPainter::Init(IDirect3DDevice9* device, int32_t fontHeight, float pixelScale) {
    if (!CreateTexture(device, 1, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, white_) ||
        !UploadTexels(white_.Get(), &kOpaqueWhite, 1, 1)) {
        white_.Reset();
        return false;
    }
    font_ = CD3DFont::Create(device, fontHeight, 0, FW_BOLD, 0, false, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             "Arial", pixelScale);
    return font_ != nullptr;
}

void CD3DOverlayPainter::Release() {
    font_.reset();
    white_.Reset();
}

void CD3DOverlayPainter::FillRect(CSpriteBatch* sprite, const os::Rect& rect, uint32_t colour) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!white_ || sprite == nullptr || width <= 0 || height <= 0) return;
    const Matrix4 previous = sprite->Transform();
    sprite->SetTransform(
        ScalingMatrix(static_cast<float>(width), static_cast<float>(height), 1.0f) *
        TranslationMatrix(static_cast<float>(rect.left), static_cast<float>(rect.top), 0.0f) *
        previous);
    sprite->Draw(white_.Get(), nullptr, nullptr, nullptr, colour);
    sprite->SetTransform(previous);
}

void CD3DOverlayPainter::Text(CSpriteBatch* sprite, const char* text, int x, int y,
                              uint32_t colour) {
    if (!font_ || sprite == nullptr) return;
    os::Rect rect{x, y, x + kMeasureWidth, y + kMeasureHeight};
    font_->DrawTextA(sprite, text, -1, &rect, kTextNoClip, colour);
}

os::Rect CD3DOverlayPainter::Measure(const char* text) const {
    os::Rect rect{0, 0, kMeasureWidth, kMeasureHeight};
    if (!font_) return os::Rect{0, 0, 0, 0};
    font_->DrawTextA(nullptr, text, -1, &rect, kTextCalcRect, kOpaqueWhite);
    return rect;
}

// CD3DBillboard: labels at 3D points.
#include "render/d3d9/D3DBillboard.h"

#include <windows.h>

#include "diag/Log.h"
#include "render/LabelPlacement.h"
#include "render/d3d9/D3DFont.h"
#include "render/d3d9/SpriteBatch.h"

namespace {
constexpr char kLogSource[] = "D3DBillboard";
constexpr int32_t kFontHeight = 12;
constexpr uint32_t kBold = 700;
constexpr uint32_t kWhite = 0xFFFFFFFF;
// The measuring box: wide and tall enough for any label's single line.
constexpr int kMeasureWidth = 200;
constexpr int kMeasureHeight = 20;
}  // namespace

CD3DBillboard::CD3DBillboard() : viewport_(kLabelViewport) {}

CD3DBillboard::~CD3DBillboard() = default;

// The font renders every glyph once when it is created, so nothing needs
// preloading.
bool CD3DBillboard::Init(IDirect3DDevice9* device, float pixelScale) {
    font_ = CD3DFont::Create(device, kFontHeight, 0, kBold, 0, false, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             "Arial", pixelScale);
    if (!font_) {
        VS_LOG_ERROR("Could not create font");
        return false;
    }
    viewport_ = kLabelViewport;
    return true;
}

void CD3DBillboard::DrawLabel(CSpriteBatch* sprite, const Matrix4& projection, const Matrix4& view,
                              const Vector3& position, const char* text) {
    if (!font_ || sprite == nullptr) return;
    const LabelBox box = Place(projection, view, position, text);
    if (!box.visible) return;
    os::Rect placed{box.left, box.top, box.right, box.bottom};
    const Matrix4 previous = sprite->Transform();
    sprite->SetTransform(LabelSpriteTransform(box.depth) * previous);
    font_->DrawTextA(sprite, text, -1, &placed, kTextNoClip | kTextSingleLine | kTextCenter,
                     kWhite);
    sprite->SetTransform(previous);
}

LabelBox CD3DBillboard::Place(const Matrix4& projection, const Matrix4& view,
                              const Vector3& position, const char* text) const {
    if (!font_) return LabelBox{0, 0, 0, 0, 0.0f, false};
    os::Rect extent{0, 0, kMeasureWidth, kMeasureHeight};
    font_->DrawTextA(nullptr, text, -1, &extent, kTextCalcRect | kTextSingleLine, kWhite);
    return PlaceLabel(position, extent.right - extent.left, extent.bottom - extent.top, projection,
                      view, viewport_);
}

// Positioned text with its own font.
#include "render/d3d9/D3DDrawText.h"

#include <windows.h>

#include "diag/Log.h"
#include "render/GlyphLayout.h"
#include "render/d3d9/D3DFont.h"

namespace {

constexpr char kLogSource[] = "D3DDrawText";

}  // namespace

CD3DDrawText::CD3DDrawText() = default;
CD3DDrawText::~CD3DDrawText() = default;

bool CD3DDrawText::Init(IDirect3DDevice9* device, float pixelScale) {
    x_ = 0;
    y_ = 0;
    font_ = CD3DFont::Create(device, 20, 0, FW_BOLD, 0, false, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial", pixelScale);
    if (font_ == nullptr) {
        VS_LOG_ERROR("Could not create font");
        return false;
    }
    return true;
}

void CD3DDrawText::Draw(CSpriteBatch* sprite) {
    if (font_ == nullptr || text_.Empty()) return;
    os::Rect rect{x_, y_, 0, 0};
    font_->DrawTextA(sprite, text_.CStr(), -1, &rect, kTextCalcRect, colour_);
    rect.left = x_;
    rect.top = y_;
    font_->DrawTextA(sprite, text_.CStr(), -1, &rect, 0, colour_);
}

void CD3DDrawText::ReleaseFont() {
    font_.reset();
}

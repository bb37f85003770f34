// The options caption: amber text on a dark box at the top right.
#include "render/d3d9/D3DDrawOptionsCaption.h"

#include "editor/SynthEditor.h"
#include "editor/ViewOptions.h"
#include "render/d3d9/D3DOverlayPainter.h"

namespace {

constexpr int32_t kFontHeight = 13;
constexpr int kMargin = 4;
constexpr int kPadding = 3;
constexpr uint32_t kBoxColour = 0xC0000000u;
constexpr uint32_t kTextColour = 0xFFFFC040u;

}  // namespace

CD3DDrawOptionsCaption::CD3DDrawOptionsCaption() = default;

CD3DDrawOptionsCaption::~CD3DDrawOptionsCaption() = default;

bool CD3DDrawOptionsCaption::Init(IDirect3DDevice9* device, int32_t width, int32_t /*height*/) {
    width_ = width;
    painter_ = std::make_unique<CD3DOverlayPainter>();
    if (painter_->Init(device, kFontHeight, PixelScale())) return true;
    painter_.reset();
    return false;
}

void CD3DDrawOptionsCaption::Draw2D(CSpriteBatch* sprite) {
    if (caption_.empty() || !painter_ || sprite == nullptr) return;
    const os::Rect size = painter_->Measure(caption_.c_str());
    const int right = width_ - kMargin;
    const int left = right - size.right - 2 * kPadding;
    painter_->FillRect(sprite, os::Rect{left, kMargin, right, kMargin + size.bottom + 2 * kPadding},
                       kBoxColour);
    painter_->Text(sprite, caption_.c_str(), left + kPadding, kMargin + kPadding, kTextColour);
}

void CD3DDrawOptionsCaption::SyncFromEditor(const CSynthEditor& editor) {
    caption_ = ViewOptionsCaption(editor.State().Options());
}

void CD3DDrawOptionsCaption::ReleaseResources() {
    if (painter_) painter_->Release();
    painter_.reset();
}

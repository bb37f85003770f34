// The on-screen log.
#include "render/d3d9/D3DDrawLog.h"

#include <windows.h>

#include "diag/ErrorSystem.h"
#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "render/GlyphLayout.h"
#include "render/d3d9/D3DFont.h"

namespace {

constexpr char kLogSource[] = "D3DDrawLog";
constexpr int32_t kSlotHeight = 16;

}  // namespace

CD3DDrawLog::CD3DDrawLog() {
    if (ErrorSystem* errors = ErrorSystem::Instance()) {
        errors->AddListener(this);
        listening_ = true;
    }
}

CD3DDrawLog::~CD3DDrawLog() {
    StopListening();
}

bool CD3DDrawLog::Init(IDirect3DDevice9* device, int32_t /*width*/, int32_t /*height*/) {
    // A light 14-pixel Arial: many lines fit and they stay behind the graph.
    font_ = CD3DFont::Create(device, 14, 0, FW_LIGHT, 0, false, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial", PixelScale());
    if (font_ == nullptr) {
        VS_LOG_ERROR("Could not create font");
        return false;
    }
    return true;
}

void CD3DDrawLog::Draw2D(CSpriteBatch* sprite) {
    if (!shown_ || font_ == nullptr) return;
    // Copy out first: a thread that logs never waits while text is drawn.
    ring_.CopyOldestFirst(lines_);
    for (int slot = 0; slot < CLogLineRing::kLineCount; ++slot) {
        const CLogLineRing::Line& line = lines_[slot];
        if (line.Empty()) continue;  // an empty slot still takes its place
        const int32_t top = slot * kSlotHeight;
        os::Rect rect{0, top, 0, 0};
        font_->DrawTextA(sprite, line.CStr(), -1, &rect, kTextCalcRect, colour_);
        rect.left = 0;
        rect.top = top;
        font_->DrawTextA(sprite, line.CStr(), -1, &rect, 0, colour_);
    }
}

void CD3DDrawLog::SyncFromEditor(const CSynthEditor& editor) {
    shown_ = editor.State().Flag(kFlagLogShown);
}

void CD3DDrawLog::ReleaseResources() {
    StopListening();
    font_.reset();
}

void CD3DDrawLog::StopListening() {
    if (!listening_) return;
    // Taking the error system's lock here also waits for an entry being
    // delivered on another thread to finish.
    if (ErrorSystem* errors = ErrorSystem::Instance()) errors->RemoveListener(this);
    listening_ = false;
}

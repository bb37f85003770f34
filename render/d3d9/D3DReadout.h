// The values under the mouse as they are drawn: a thin marker over the band
// under the cursor and a small dark box beside the cursor, kept inside the
// view, with the band's frequency, note, level and, where known, the held
// peak and the row's age. One draw call for the marker and the box, one for
// the text. User-interface thread only.
#pragma once

#include <cstdint>

#include "os/Window.h"
#include "render/SpectrumReadout.h"
#include "render/d3d9/D3DOverlayPainter.h"

struct IDirect3DDevice9;
class CSpriteBatch;

class CD3DReadout {
public:
    static constexpr uint32_t kMarkerColour = 0xC0FFFFFFu;
    static constexpr uint32_t kBoxColour = 0xE0181818u;
    static constexpr uint32_t kFrameColour = 0xA0FFFFFFu;
    static constexpr uint32_t kTextColour = 0xFFFFFFFFu;
    // From the cursor to the box: clear of the arrow's tip and tail.
    static constexpr int kGap = 16;
    static constexpr int kPadding = 5;
    static constexpr int32_t kFontHeight = 13;

    // viewWidth, viewHeight: the box is kept inside them. False without
    // the painter's resources; the readout then draws nothing.
    bool Init(IDirect3DDevice9* device, int32_t viewWidth, int32_t viewHeight,
              float pixelScale = 1.0f);
    void Release();

    void Draw(CSpriteBatch* sprite, int cursorX, int cursorY, const os::Rect& marker,
              const ReadoutValues& values);

private:
    CD3DOverlayPainter painter_;
    int32_t viewWidth_ = 0;
    int32_t viewHeight_ = 0;
};

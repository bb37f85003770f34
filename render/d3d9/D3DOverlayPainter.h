// Plain shapes and small text for the overlays drawn over the view (the
// readout under the mouse, the meter's scale): filled rectangles from a
// one-texel white texture stretched by the sprite's transform, and text in
// a small bold Arial. Rectangles drawn one after another share a draw call,
// and so do texts, so an overlay costs one call for its shapes and one for
// its text when it draws them in that order.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "os/Window.h"
#include "render/d3d9/ComPtr.h"

struct IDirect3DDevice9;
struct IDirect3DTexture9;
class CD3DFont;
class CSpriteBatch;

class CD3DOverlayPainter {
public:
    CD3DOverlayPainter();
    ~CD3DOverlayPainter();
    CD3DOverlayPainter(const CD3DOverlayPainter&) = delete;
    CD3DOverlayPainter& operator=(const CD3DOverlayPainter&) = delete;

    // False when the texture or the font cannot be made; the painter then
    // draws nothing. It logs nothing: the overlays are extras and the view
    // works without them.
    // fontHeight in layout units; pixelScale as the owning component has it.
    bool Init(IDirect3DDevice9* device, int32_t fontHeight, float pixelScale = 1.0f);
    void Release();

    // colour is ARGB; an empty rectangle draws nothing.
    void FillRect(CSpriteBatch* sprite, const os::Rect& rect, uint32_t colour);
    // Lines separated by '\n', left-aligned, with the top left at (x, y).
    void Text(CSpriteBatch* sprite, const char* text, int x, int y, uint32_t colour);
    // The size the text takes (0 by 0 without a font).
    os::Rect Measure(const char* text) const;

private:
    ComPtr<IDirect3DTexture9> white_;
    std::unique_ptr<CD3DFont> font_;
};

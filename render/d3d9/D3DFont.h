// Our stand-in for the D3DX font: GDI renders the printable ANSI characters
// (32 to 255) of the requested face, height and weight once into a texture
// atlas, and DrawText places them through the frame's sprite batch, so all
// text of a frame shares the batch of the other screen-space items.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "os/Window.h"
#include "render/GlyphLayout.h"

struct IDirect3DDevice9;
struct IDirect3DTexture9;
class CSpriteBatch;

class CD3DFont {
public:
    // The arguments of the D3DX font creation (the Win32 LOGFONT values);
    // null when the font or its atlas cannot be created. Height is the cell
    // height in pixels (negative: the character height), width 0 lets the
    // face choose, mipLevels is ignored (text is drawn texel for pixel).
    // With a pixel scale (2 for an editor at 200 %) the glyphs are rendered
    // that much larger while rectangles and heights stay in layout units:
    // the frame's screen pass scales layout units to pixels, and the glyphs
    // land texel for pixel on the screen all the same.
    static std::unique_ptr<CD3DFont> Create(IDirect3DDevice9* device, int32_t height,
                                            uint32_t width, uint32_t weight, uint32_t mipLevels,
                                            bool italic, uint32_t charSet, uint32_t outputPrecision,
                                            uint32_t quality, uint32_t pitchAndFamily,
                                            const char* faceName, float pixelScale = 1.0f);
    ~CD3DFont();
    CD3DFont(const CD3DFont&) = delete;
    CD3DFont& operator=(const CD3DFont&) = delete;

    // Named like the D3DX method, which also keeps <windows.h>'s DrawText
    // macro from renaming it. Draws count characters of text (to its end when negative) in rect
    // with the TextFormat flags, colour (ARGB) multiplying the white glyphs,
    // through sprite, which must be begun. With kTextCalcRect it only sets
    // rect's right and bottom to the text's extent (sprite may be null).
    // A null rect places the text at (0, 0) unclipped. Returns the height of
    // the text, 0 when nothing could be drawn.
    int32_t DrawTextA(CSpriteBatch* sprite, const char* text, int32_t count, os::Rect* rect,
                      uint32_t format, uint32_t colour);

    // In pixels of the atlas.
    const GlyphMetricTable& Metrics() const;
    IDirect3DTexture9* Atlas() const;

    // The atlas lives in the managed pool and survives a device reset; the
    // hooks exist so that owners can treat every device object alike.
    void OnDeviceLost() {}
    bool OnDeviceReset() { return true; }

private:
    struct Impl;
    explicit CD3DFont(std::unique_ptr<Impl> impl);
    int32_t DrawScaled(CSpriteBatch* sprite, const char* text, int32_t count, os::Rect& rect,
                       uint32_t format, uint32_t colour);
    void DrawPlaced(CSpriteBatch* sprite, uint32_t colour);

    std::unique_ptr<Impl> impl_;
};

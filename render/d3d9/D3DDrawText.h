// A positioned, coloured text with its own bold 20-pixel Arial font, drawn
// left- and top-aligned through the frame's sprite batch; line breaks start
// new lines. The text is held in a fixed buffer and cut to it.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "render/BoundedText.h"

struct IDirect3DDevice9;
class CD3DFont;
class CSpriteBatch;

class CD3DDrawText {
public:
    using Text = CBoundedText<255>;

    CD3DDrawText();
    ~CD3DDrawText();
    CD3DDrawText(const CD3DDrawText&) = delete;
    CD3DDrawText& operator=(const CD3DDrawText&) = delete;

    // Creates the font and moves the text to (0, 0). False, after reporting
    // it, when the font cannot be created; the text then draws nothing.
    // pixelScale as the owning component has it.
    bool Init(IDirect3DDevice9* device, float pixelScale = 1.0f);
    void Draw(CSpriteBatch* sprite);
    void ReleaseFont();

    void SetText(std::string_view text) { text_.Set(text); }
    void SetPosition(int32_t x, int32_t y) {
        x_ = x;
        y_ = y;
    }
    void SetColour(uint32_t colour) { colour_ = colour; }
    const Text& GetText() const { return text_; }

private:
    std::unique_ptr<CD3DFont> font_;
    Text text_{"NO TEXT SET!"};
    int32_t x_ = 0;
    int32_t y_ = 0;
    uint32_t colour_ = 0xFFFFFFFFu;
};

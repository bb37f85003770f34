// Glyph atlas rendering with GDI and text drawing through the sprite batch.
#include "render/d3d9/D3DFont.h"

#include <d3d9.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "render/Matrix4.h"
#include "render/Vector3.h"
#include "render/d3d9/ComPtr.h"
#include "render/d3d9/SpriteBatch.h"

namespace {

constexpr int kFirstCode = 32;
constexpr int kLastCode = 255;
// Room around each glyph's black box for antialiased edges and overhangs.
constexpr int kInkPadding = 1;
constexpr int kAtlasWidth = 512;

struct AtlasCell {
    int32_t x = 0;
    int32_t y = 0;
};

// Owns a GDI object and deletes it when it goes.
struct GdiObject {
    HGDIOBJ handle;
    ~GdiObject() {
        if (handle != nullptr) DeleteObject(handle);
    }
};

struct MemoryDc {
    HDC handle = CreateCompatibleDC(nullptr);
    ~MemoryDc() {
        if (handle != nullptr) DeleteDC(handle);
    }
};

int NextPowerOfTwo(int value) {
    int power = 1;
    while (power < value) power *= 2;
    return power;
}

// Advance widths as GDI uses them for text extents, ink boxes from the ABC
// widths where the face has them.
void ReadMetrics(HDC dc, GlyphMetricTable& metrics) {
    TEXTMETRICA textMetrics{};
    GetTextMetricsA(dc, &textMetrics);
    metrics.lineHeight = textMetrics.tmHeight;
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        INT advance = 0;
        GetCharWidth32A(dc, code, code, &advance);
        ABC abc{0, static_cast<UINT>(advance), 0};
        if (!GetCharABCWidthsA(dc, code, code, &abc)) abc = ABC{0, static_cast<UINT>(advance), 0};
        GlyphMetric& glyph = metrics.glyphs[code];
        glyph.advance = static_cast<int16_t>(advance);
        glyph.inkOffset = static_cast<int16_t>(abc.abcA - kInkPadding);
        glyph.inkWidth = static_cast<int16_t>(abc.abcB + 2 * kInkPadding);
    }
}

// Cells left to right in rows; returns the atlas height needed.
int32_t PlaceCells(const GlyphMetricTable& metrics, std::array<AtlasCell, 256>& cells) {
    int32_t x = 0;
    int32_t y = 0;
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        const int32_t width = metrics.glyphs[code].inkWidth + 1;
        if (x + width > kAtlasWidth) {
            x = 0;
            y += metrics.lineHeight + 1;
        }
        cells[code] = {x, y};
        x += width;
    }
    return y + metrics.lineHeight;
}

}  // namespace

struct CD3DFont::Impl {
    ComPtr<IDirect3DTexture9> atlas;
    GlyphMetricTable metrics;
    std::array<AtlasCell, 256> cells{};
    std::vector<PlacedGlyph> placed;
    float pixelScale = 1.0f;

    bool Build(IDirect3DDevice9* device, const LOGFONTA& description);
    bool Upload(IDirect3DDevice9* device, const uint32_t* pixels, int32_t height);
};

bool CD3DFont::Impl::Build(IDirect3DDevice9* device, const LOGFONTA& description) {
    MemoryDc dc;
    GdiObject font{CreateFontIndirectA(&description)};
    if (dc.handle == nullptr || font.handle == nullptr) return false;
    const HGDIOBJ previousFont = SelectObject(dc.handle, font.handle);
    ReadMetrics(dc.handle, metrics);
    if (metrics.lineHeight <= 0) return false;
    const int32_t height = NextPowerOfTwo(PlaceCells(metrics, cells));
    if (height > 4096) return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kAtlasWidth;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject bitmap{CreateDIBSection(dc.handle, &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
    if (bitmap.handle == nullptr || bits == nullptr) {
        SelectObject(dc.handle, previousFont);
        return false;
    }
    std::fill_n(static_cast<uint32_t*>(bits), kAtlasWidth * height, 0u);
    const HGDIOBJ previousBitmap = SelectObject(dc.handle, bitmap.handle);
    SetTextColor(dc.handle, RGB(255, 255, 255));
    SetBkMode(dc.handle, TRANSPARENT);
    SetTextAlign(dc.handle, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    for (int code = kFirstCode; code <= kLastCode; ++code) {
        const char character = static_cast<char>(code);
        TextOutA(dc.handle, cells[code].x - metrics.glyphs[code].inkOffset, cells[code].y,
                 &character, 1);
    }
    GdiFlush();
    const bool uploaded = Upload(device, static_cast<const uint32_t*>(bits), height);
    SelectObject(dc.handle, previousBitmap);
    SelectObject(dc.handle, previousFont);
    return uploaded;
}

// White texels whose alpha is the glyph's coverage, so that the drawing
// colour decides the text's colour.
bool CD3DFont::Impl::Upload(IDirect3DDevice9* device, const uint32_t* pixels, int32_t height) {
    if (FAILED(device->CreateTexture(kAtlasWidth, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                     atlas.Receive(), nullptr))) {
        return false;
    }
    D3DLOCKED_RECT locked;
    if (FAILED(atlas->LockRect(0, &locked, nullptr, 0))) return false;
    for (int32_t y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(locked.pBits) +
                                                static_cast<size_t>(y) * locked.Pitch);
        for (int32_t x = 0; x < kAtlasWidth; ++x) {
            const uint32_t pixel = pixels[y * kAtlasWidth + x];
            const uint32_t coverage =
                std::max({pixel & 0xFFu, (pixel >> 8) & 0xFFu, (pixel >> 16) & 0xFFu});
            row[x] = (coverage << 24) | 0x00FFFFFFu;
        }
    }
    atlas->UnlockRect(0);
    return true;
}

std::unique_ptr<CD3DFont> CD3DFont::Create(IDirect3DDevice9* device, int32_t height, uint32_t width,
                                           uint32_t weight, uint32_t /*mipLevels*/, bool italic,
                                           uint32_t charSet, uint32_t outputPrecision,
                                           uint32_t quality, uint32_t pitchAndFamily,
                                           const char* faceName, float pixelScale) {
    if (device == nullptr || !(pixelScale > 0.0f)) return nullptr;
    LOGFONTA description{};
    description.lfHeight = static_cast<LONG>(std::lround(height * pixelScale));
    description.lfWidth = static_cast<LONG>(width);
    description.lfWeight = static_cast<LONG>(weight);
    description.lfItalic = italic ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(charSet);
    description.lfOutPrecision = static_cast<BYTE>(outputPrecision);
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = static_cast<BYTE>(quality);
    description.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName != nullptr) lstrcpynA(description.lfFaceName, faceName, LF_FACESIZE);

    auto impl = std::make_unique<Impl>();
    impl->pixelScale = pixelScale;
    if (!impl->Build(device, description)) return nullptr;
    return std::unique_ptr<CD3DFont>(new CD3DFont(std::move(impl)));
}

CD3DFont::CD3DFont(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

CD3DFont::~CD3DFont() = default;

// Laid out in the atlas's pixels inside the rectangle in pixels, and drawn
// with the layout-to-pixel scale taken back out of the sprite's transform,
// so each glyph lands texel for pixel.
int32_t CD3DFont::DrawScaled(CSpriteBatch* sprite, const char* text, int32_t count, os::Rect& rect,
                             uint32_t format, uint32_t colour) {
    const float scale = impl_->pixelScale;
    auto toPixels = [scale](int32_t v) { return static_cast<int32_t>(std::lround(v * scale)); };
    auto toLayout = [scale](int32_t v) { return static_cast<int32_t>(std::ceil(v / scale)); };
    os::Rect pixels{toPixels(rect.left), toPixels(rect.top), toPixels(rect.right),
                    toPixels(rect.bottom)};
    if ((format & kTextCalcRect) != 0) {
        const int32_t height = LayoutText(impl_->metrics, text, count, pixels, format, nullptr);
        rect.right = rect.left + toLayout(pixels.right - pixels.left);
        rect.bottom = rect.top + toLayout(pixels.bottom - pixels.top);
        return toLayout(height);
    }
    if (sprite == nullptr) return 0;
    const int32_t height = LayoutText(impl_->metrics, text, count, pixels, format, &impl_->placed);
    const Matrix4 previous = sprite->Transform();
    sprite->SetTransform(ScalingMatrix(1.0f / scale, 1.0f / scale, 1.0f) * previous);
    DrawPlaced(sprite, colour);
    sprite->SetTransform(previous);
    return toLayout(height);
}

void CD3DFont::DrawPlaced(CSpriteBatch* sprite, uint32_t colour) {
    for (const PlacedGlyph& glyph : impl_->placed) {
        const AtlasCell& cell = impl_->cells[glyph.code];
        const os::Rect source{cell.x + glyph.sourceX, cell.y + glyph.sourceY,
                              cell.x + glyph.sourceX + glyph.width,
                              cell.y + glyph.sourceY + glyph.height};
        const Vector3 position{static_cast<float>(glyph.x), static_cast<float>(glyph.y), 0.0f};
        sprite->Draw(impl_->atlas.Get(), &source, nullptr, &position, colour);
    }
}

const GlyphMetricTable& CD3DFont::Metrics() const {
    return impl_->metrics;
}

IDirect3DTexture9* CD3DFont::Atlas() const {
    return impl_->atlas.Get();
}

int32_t CD3DFont::DrawTextA(CSpriteBatch* sprite, const char* text, int32_t count, os::Rect* rect,
                            uint32_t format, uint32_t colour) {
    os::Rect origin{};
    if (rect == nullptr) {
        rect = &origin;
        format |= kTextNoClip;
    }
    if (impl_->pixelScale != 1.0f) return DrawScaled(sprite, text, count, *rect, format, colour);
    if ((format & kTextCalcRect) != 0) {
        return LayoutText(impl_->metrics, text, count, *rect, format, nullptr);
    }
    if (sprite == nullptr) return 0;
    const int32_t height = LayoutText(impl_->metrics, text, count, *rect, format, &impl_->placed);
    DrawPlaced(sprite, colour);
    return height;
}

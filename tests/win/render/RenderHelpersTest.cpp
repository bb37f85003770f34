// The font's measuring against GDI's and the texture helpers, on a real
// device under Wine.
#include <d3d9.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "render/d3d9/D3DFont.h"
#include "render/d3d9/Textures.h"
#include "tests/win/render/RenderFixture.h"
#include "tools/host/WindowCapture.h"

namespace {

class RenderHelpersTest : public RenderFixture {
protected:
    void SetUp() override {
        RenderFixture::SetUp();
        renderer_ = MakeRenderer();
        ASSERT_NE(renderer_->Device(), nullptr);
    }
    IDirect3DDevice9* Device() { return renderer_->Device(); }

    std::string TempPath(const char* name) {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        return std::string(folder) + name;
    }

    std::unique_ptr<CD3DRenderer> renderer_;
};

struct FontCase {
    int height;
    int weight;
    const char* face;
};

SIZE GdiExtent(const FontCase& font, const std::string& text, TEXTMETRICA& metrics) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT handle = CreateFontA(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.face);
    HGDIOBJ previous = SelectObject(dc, handle);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    DeleteObject(handle);
    DeleteDC(dc);
    return size;
}

TEST_F(RenderHelpersTest, MeasuredWidthsAgreeWithGdi) {
    // The faces and sizes the view uses, the misspelt one included.
    const FontCase fonts[] = {{12, 700, "Arial"}, {20, 700, "Arial"}, {14, 300, "Arail"}};
    const std::string texts[] = {"FPS: 59.9", "-120", "20 Hz 1.5 kHz 20480",
                                 "Peak: -3.2 dB  RMS: -12.7 dB", "WWWiii..., \xE9\xE8\xFC"};
    for (const FontCase& font : fonts) {
        auto d3dFont = CD3DFont::Create(Device(), font.height, 0, font.weight, 0, false,
                                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_DONTCARE, font.face);
        ASSERT_NE(d3dFont, nullptr) << font.face << " " << font.height;
        for (const std::string& text : texts) {
            TEXTMETRICA metrics{};
            const SIZE gdi = GdiExtent(font, text, metrics);
            os::Rect rect{5, 7, 0, 0};
            const int32_t height = d3dFont->DrawTextA(nullptr, text.c_str(), -1, &rect,
                                                      kTextCalcRect | kTextSingleLine, 0);
            EXPECT_EQ(rect.right - rect.left, gdi.cx)
                << font.face << " " << font.height << " " << text;
            EXPECT_EQ(height, metrics.tmHeight) << text;
            EXPECT_EQ(rect.bottom - rect.top, metrics.tmHeight);
        }
    }
}

TEST_F(RenderHelpersTest, TextureWithAFullMipChainIsBoxFiltered) {
    ComPtr<IDirect3DTexture9> texture;
    ASSERT_TRUE(CreateTexture(Device(), 256, 32, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, texture));
    EXPECT_EQ(texture->GetLevelCount(), 9u);
    D3DLOCKED_RECT locked;
    ASSERT_TRUE(SUCCEEDED(texture->LockRect(0, &locked, nullptr, 0)));
    // Alternate columns of white and black average to grey.
    for (int y = 0; y < 32; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(locked.pBits) +
                                                y * static_cast<size_t>(locked.Pitch));
        for (int x = 0; x < 256; ++x) row[x] = x % 2 == 0 ? 0xFFFFFFFFu : 0xFF000000u;
    }
    texture->UnlockRect(0);
    ASSERT_TRUE(FillMipChain(texture.Get()));
    ASSERT_TRUE(SUCCEEDED(texture->LockRect(8, &locked, nullptr, D3DLOCK_READONLY)));
    EXPECT_EQ(*static_cast<uint32_t*>(locked.pBits), 0xFF808080u);
    texture->UnlockRect(8);

    ComPtr<IDirect3DTexture9> alphaOnly;
    ASSERT_TRUE(CreateTexture(Device(), 16, 16, 0, 0, D3DFMT_A8, D3DPOOL_MANAGED, alphaOnly));
    EXPECT_FALSE(FillMipChain(alphaOnly.Get())) << "only 32-bit formats";
}

TEST_F(RenderHelpersTest, LoadsAPictureByContentWhateverItsName) {
    CapturedImage picture;
    picture.width = 900;
    picture.height = 400;
    picture.pixels.assign(900 * 400, 0xFF204060u);
    picture.pixels[0] = 0xFFFF0000u;
    picture.pixels[899 + 399 * 900] = 0xFF00FF00u;
    const std::string path = TempPath("Overlay2DGraph");
    ASSERT_TRUE(SavePng(picture, path));

    ComPtr<IDirect3DTexture9> texture;
    TextureInfo info;
    ASSERT_TRUE(LoadTextureFromFile(Device(), path, texture, &info));
    EXPECT_EQ(info.imageWidth, 900u);
    EXPECT_EQ(info.imageHeight, 400u);
    EXPECT_GE(info.width, 900u);
    EXPECT_GE(info.height, 400u);
    EXPECT_EQ(texture->GetLevelCount(), info.levels);
    D3DLOCKED_RECT locked;
    ASSERT_TRUE(SUCCEEDED(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY)));
    const auto* rows = static_cast<const uint8_t*>(locked.pBits);
    EXPECT_EQ(reinterpret_cast<const uint32_t*>(rows)[0], 0xFFFF0000u);
    EXPECT_EQ(reinterpret_cast<const uint32_t*>(rows)[1], 0xFF204060u);
    EXPECT_EQ(
        reinterpret_cast<const uint32_t*>(rows + 399 * static_cast<size_t>(locked.Pitch))[899],
        0xFF00FF00u);
    texture->UnlockRect(0);
    DeleteFileA(path.c_str());
}

// A 24-bit bitmap file of 3 by 2 pixels, rows bottom-up and padded to 4 bytes.
std::string BitmapFileBytes(const uint32_t (&pixels)[2][3]) {
    const int rowBytes = 12;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + 2 * rowBytes;
    info.biSize = sizeof info;
    info.biWidth = 3;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < 3; ++x) {
            row[x * 3 + 0] = static_cast<char>(BlueOf(pixels[y][x]));
            row[x * 3 + 1] = static_cast<char>(GreenOf(pixels[y][x]));
            row[x * 3 + 2] = static_cast<char>(RedOf(pixels[y][x]));
        }
        bytes += row;
    }
    return bytes;
}

TEST_F(RenderHelpersTest, LoadsABitmapFileToo) {
    const uint32_t pixels[2][3] = {{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu},
                                   {0xFF102030u, 0xFFFFFFFFu, 0xFF000000u}};
    const std::string path = TempPath("bitmap picture");
    const std::string bytes = BitmapFileBytes(pixels);
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ComPtr<IDirect3DTexture9> texture;
    TextureInfo info;
    ASSERT_TRUE(LoadTextureFromFile(Device(), path, texture, &info));
    EXPECT_EQ(info.imageWidth, 3u);
    EXPECT_EQ(info.imageHeight, 2u);
    D3DLOCKED_RECT locked;
    ASSERT_TRUE(SUCCEEDED(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY)));
    for (int y = 0; y < 2; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(locked.pBits) + y * static_cast<size_t>(locked.Pitch));
        for (int x = 0; x < 3; ++x) EXPECT_EQ(row[x], pixels[y][x]) << x << "," << y;
    }
    texture->UnlockRect(0);
    DeleteFileA(path.c_str());
}

TEST_F(RenderHelpersTest, MissingEmptyOrTruncatedPicturesFailCleanly) {
    ComPtr<IDirect3DTexture9> texture;
    EXPECT_FALSE(LoadTextureFromFile(Device(), TempPath("no such picture"), texture));
    EXPECT_FALSE(texture);

    const std::string empty = TempPath("empty picture");
    { std::ofstream file(empty, std::ios::binary); }
    EXPECT_FALSE(LoadTextureFromFile(Device(), empty, texture));

    CapturedImage picture;
    picture.width = 64;
    picture.height = 64;
    for (int i = 0; i < 64 * 64; ++i) picture.pixels.push_back(0xFF000000u | (i * 2654435761u));
    const std::string whole = TempPath("whole picture");
    ASSERT_TRUE(SavePng(picture, whole));
    std::ifstream in(whole, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::string cut = TempPath("truncated picture");
    for (size_t keep : {size_t{8}, size_t{40}, bytes.size() / 2}) {
        std::ofstream(cut, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(keep));
        EXPECT_FALSE(LoadTextureFromFile(Device(), cut, texture)) << keep << " bytes";
        EXPECT_FALSE(texture);
    }
    for (const std::string& path : {empty, whole, cut}) DeleteFileA(path.c_str());
}

}  // namespace

namespace {

TEST(WindowCapture, CapturesAWindowAndTakesAPastedFrame) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_WHITERECT, 40, 50,
                                  200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    CapturedImage image = CaptureWindow(window);
    DestroyWindow(window);
    ASSERT_EQ(image.width, 200);
    ASSERT_EQ(image.height, 100);
    EXPECT_EQ(image.At(100, 50), 0xFFFFFFFFu);

    CapturedImage frame;
    frame.width = 30;
    frame.height = 20;
    frame.pixels.assign(30 * 20, 0xFFFF0000u);
    PasteImage(image, frame, 180, -5);  // hangs over the right and top edges
    EXPECT_EQ(image.At(180, 0), 0xFFFF0000u);
    EXPECT_EQ(image.At(199, 14), 0xFFFF0000u);
    EXPECT_EQ(image.At(199, 15), 0xFFFFFFFFu);
    EXPECT_EQ(image.At(179, 0), 0xFFFFFFFFu);
}

}  // namespace

// Texture creation, mip chains and picture loading through WIC.
#include "render/d3d9/Textures.h"

#include <d3d9.h>
#include <wincodec.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "os/win32/ComScope.h"
#include "render/MipChain.h"

namespace {

struct Picture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, rows top to bottom
};

bool DecodePicture(const std::string& path, uint32_t maxSize, Picture& picture) {
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.Receive())))) {
        return false;
    }
    const std::wstring widePath = WidePath(path);
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    if (widePath.empty() ||
        FAILED(factory->CreateDecoderFromFilename(widePath.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand,
                                                  decoder.Receive())) ||
        FAILED(decoder->GetFrame(0, frame.Receive())) ||
        FAILED(factory->CreateFormatConverter(converter.Receive())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom))) {
        return false;
    }
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > maxSize || height > maxSize) {
        return false;
    }
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(static_cast<size_t>(width) * height, 0u);
    return SUCCEEDED(converter->CopyPixels(nullptr, width * 4,
                                           static_cast<UINT>(picture.pixels.size() * 4),
                                           reinterpret_cast<BYTE*>(picture.pixels.data())));
}

uint32_t PowerOfTwoAtLeast(uint32_t value) {
    uint32_t power = 1;
    while (power < value) power *= 2;
    return power;
}

// Texture size and levels for a picture, by what the device can sample.
void ChooseLayout(const D3DCAPS9& caps, TextureInfo& info) {
    const bool powerOfTwo = (caps.TextureCaps & D3DPTEXTURECAPS_POW2) != 0;
    const bool conditional = (caps.TextureCaps & D3DPTEXTURECAPS_NONPOW2CONDITIONAL) != 0;
    info.width = info.imageWidth;
    info.height = info.imageHeight;
    info.levels = 0;
    if (powerOfTwo && !conditional) {
        info.width = PowerOfTwoAtLeast(info.imageWidth);
        info.height = PowerOfTwoAtLeast(info.imageHeight);
    } else if (powerOfTwo && (PowerOfTwoAtLeast(info.imageWidth) != info.imageWidth ||
                              PowerOfTwoAtLeast(info.imageHeight) != info.imageHeight)) {
        info.levels = 1;  // such textures may have no mips
    }
}

bool CopyPicture(IDirect3DTexture9* texture, const Picture& picture) {
    D3DSURFACE_DESC description;
    D3DLOCKED_RECT locked;
    if (FAILED(texture->GetLevelDesc(0, &description)) ||
        FAILED(texture->LockRect(0, &locked, nullptr, 0))) {
        return false;
    }
    for (uint32_t y = 0; y < description.Height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(locked.pBits) +
                                                static_cast<size_t>(y) * locked.Pitch);
        std::fill_n(row, description.Width, 0u);
        if (y < picture.height) {
            std::memcpy(row, &picture.pixels[static_cast<size_t>(y) * picture.width],
                        picture.width * sizeof(uint32_t));
        }
    }
    texture->UnlockRect(0);
    return true;
}

}  // namespace

bool CreateTexture(IDirect3DDevice9* device, uint32_t width, uint32_t height, uint32_t mipLevels,
                   uint32_t usage, uint32_t format, uint32_t pool,
                   ComPtr<IDirect3DTexture9>& texture) {
    texture.Reset();
    if (device == nullptr || width == 0 || height == 0) return false;
    return SUCCEEDED(device->CreateTexture(width, height, mipLevels, usage,
                                           static_cast<D3DFORMAT>(format),
                                           static_cast<D3DPOOL>(pool), texture.Receive(), nullptr));
}

bool FillMipChain(IDirect3DTexture9* texture) {
    D3DSURFACE_DESC description;
    if (texture == nullptr || FAILED(texture->GetLevelDesc(0, &description)) ||
        (description.Format != D3DFMT_A8R8G8B8 && description.Format != D3DFMT_X8R8G8B8)) {
        return false;
    }
    const DWORD levels = texture->GetLevelCount();
    for (DWORD level = 1; level < levels; ++level) {
        D3DSURFACE_DESC above;
        D3DLOCKED_RECT source;
        D3DLOCKED_RECT target;
        if (FAILED(texture->GetLevelDesc(level - 1, &above)) ||
            FAILED(texture->LockRect(level - 1, &source, nullptr, D3DLOCK_READONLY))) {
            return false;
        }
        if (FAILED(texture->LockRect(level, &target, nullptr, 0))) {
            texture->UnlockRect(level - 1);
            return false;
        }
        DownsampleMip(static_cast<const uint32_t*>(source.pBits), above.Width, above.Height,
                      static_cast<uint32_t>(source.Pitch) / 4, static_cast<uint32_t*>(target.pBits),
                      static_cast<uint32_t>(target.Pitch) / 4);
        texture->UnlockRect(level);
        texture->UnlockRect(level - 1);
    }
    return true;
}

bool LoadTextureFromFile(IDirect3DDevice9* device, const std::string& path,
                         ComPtr<IDirect3DTexture9>& texture, TextureInfo* info) {
    texture.Reset();
    D3DCAPS9 caps;
    if (device == nullptr || FAILED(device->GetDeviceCaps(&caps))) return false;
    Picture picture;
    const uint32_t maxSize = std::min(caps.MaxTextureWidth, caps.MaxTextureHeight);
    if (!DecodePicture(path, maxSize, picture)) return false;

    TextureInfo layout;
    layout.imageWidth = picture.width;
    layout.imageHeight = picture.height;
    ChooseLayout(caps, layout);
    ComPtr<IDirect3DTexture9> created;
    if (!CreateTexture(device, layout.width, layout.height, layout.levels, 0, D3DFMT_A8R8G8B8,
                       D3DPOOL_MANAGED, created) ||
        !CopyPicture(created.Get(), picture) || !FillMipChain(created.Get())) {
        return false;
    }
    layout.levels = created->GetLevelCount();
    if (info != nullptr) *info = layout;
    texture = std::move(created);
    return true;
}

// Texture helpers standing in for the D3DX ones: creation with a full mip
// chain, filling the chain from the top level, and loading a picture file
// (PNG, BMP, JPEG and what else Windows' imaging component reads, told apart
// by content, so the file name needs no extension). User-interface thread.
#pragma once

#include <cstdint>
#include <string>

#include "render/d3d9/ComPtr.h"

struct IDirect3DDevice9;
struct IDirect3DTexture9;

struct TextureInfo {
    uint32_t imageWidth = 0;  // the picture's size
    uint32_t imageHeight = 0;
    uint32_t width = 0;  // the texture's size, larger where the device needs powers of two
    uint32_t height = 0;
    uint32_t levels = 0;
};

// mipLevels 0 makes the full chain down to 1 by 1; format and pool are
// D3DFORMAT and D3DPOOL values (D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, ...).
bool CreateTexture(IDirect3DDevice9* device, uint32_t width, uint32_t height, uint32_t mipLevels,
                   uint32_t usage, uint32_t format, uint32_t pool,
                   ComPtr<IDirect3DTexture9>& texture);

// Fills levels 1 and below of a 32-bit texture (A8R8G8B8, X8R8G8B8) by box
// filtering level 0. False when a level cannot be locked or the format is
// not 32-bit.
bool FillMipChain(IDirect3DTexture9* texture);

// Loads the picture at path into a managed A8R8G8B8 texture with a full mip
// chain (one level where the device allows non-power-of-two sizes only
// without mips). The picture is placed texel for texel at the top left;
// where the device needs power-of-two sizes the rest is transparent. False,
// with texture empty, for a missing, empty, truncated or unreadable file.
bool LoadTextureFromFile(IDirect3DDevice9* device, const std::string& path,
                         ComPtr<IDirect3DTexture9>& texture, TextureInfo* info = nullptr);

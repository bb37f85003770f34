// Texel arrays into locked textures.
#include "render/d3d9/TexelUpload.h"

#include <d3d9.h>

#include <cstring>

#include "render/d3d9/Textures.h"

bool UploadTexels(IDirect3DTexture9* texture, const uint32_t* texels, int width, int height) {
    D3DLOCKED_RECT locked;
    if (texture == nullptr || FAILED(texture->LockRect(0, &locked, nullptr, 0))) return false;
    for (int row = 0; row < height; ++row) {
        // The pitch may be wider than the row.
        std::memcpy(static_cast<uint8_t*>(locked.pBits) + static_cast<size_t>(row) * locked.Pitch,
                    texels + static_cast<size_t>(row) * width, width * sizeof(uint32_t));
    }
    texture->UnlockRect(0);
    // Only level 0 is sampled when drawn texel for pixel; the smaller levels
    // just need defined contents.
    FillMipChain(texture);
    return true;
}

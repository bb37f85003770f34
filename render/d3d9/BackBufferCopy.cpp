// Back buffer to memory: the render target's contents go through a
// system-memory surface of the same size and format, the only pool that a
// render target can be read back into.
#include "render/d3d9/BackBufferCopy.h"

#include <d3d9.h>

#include <cstddef>
#include <cstring>

#include "editor/ViewPicture.h"
#include "render/d3d9/ComPtr.h"

namespace {

// The fourth byte of the desktop's 32-bit formats is unused; an exported
// picture is opaque.
constexpr uint32_t kOpaque = 0xFF000000u;

bool IsThirtyTwoBit(D3DFORMAT format) {
    return format == D3DFMT_X8R8G8B8 || format == D3DFMT_A8R8G8B8;
}

}  // namespace

bool CopyBackBuffer(IDirect3DDevice9* device, ViewPicture& picture) {
    ComPtr<IDirect3DSurface9> backBuffer;
    if (FAILED(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, backBuffer.Receive())))
        return false;
    D3DSURFACE_DESC description;
    if (FAILED(backBuffer->GetDesc(&description)) || !IsThirtyTwoBit(description.Format))
        return false;
    ComPtr<IDirect3DSurface9> copy;
    if (FAILED(device->CreateOffscreenPlainSurface(description.Width, description.Height,
                                                   description.Format, D3DPOOL_SYSTEMMEM,
                                                   copy.Receive(), nullptr)) ||
        FAILED(device->GetRenderTargetData(backBuffer.Get(), copy.Get()))) {
        return false;
    }
    D3DLOCKED_RECT locked;
    if (FAILED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) return false;
    picture.width = static_cast<int32_t>(description.Width);
    picture.height = static_cast<int32_t>(description.Height);
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    for (int32_t y = 0; y < picture.height; ++y) {
        const auto* row = static_cast<const uint8_t*>(locked.pBits) +
                          static_cast<size_t>(y) * static_cast<size_t>(locked.Pitch);
        uint32_t* target = picture.pixels.data() + static_cast<size_t>(y) * picture.width;
        std::memcpy(target, row, static_cast<size_t>(picture.width) * sizeof(uint32_t));
        for (int32_t x = 0; x < picture.width; ++x) target[x] |= kOpaque;
    }
    copy->UnlockRect();
    return true;
}

// Fills a 32-bit texture's top level from a row-major texel array and builds
// its mip chain from it: the overlays' gradient and meter textures.
// User-interface thread.
#pragma once

#include <cstdint>

struct IDirect3DTexture9;

// False when level 0 cannot be locked; the texture is then left as it was.
bool UploadTexels(IDirect3DTexture9* texture, const uint32_t* texels, int width, int height);

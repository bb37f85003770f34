// PNG output through Debian's stb_image_write.
#include "tools/backdrop/PngWriter.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_FILENAMES_UTF8
#include <stb/stb_image_write.h>

bool WritePng(const char* path, const CPixelCanvas& canvas) {
    constexpr int kChannels = 4;
    return stbi_write_png(path, canvas.Width(), canvas.Height(), kChannels, canvas.Bytes(),
                          canvas.Width() * kChannels) != 0;
}

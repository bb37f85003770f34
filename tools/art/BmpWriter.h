// Writes a 24-bit Windows bitmap file (file header and BITMAPINFOHEADER,
// uncompressed, bottom-up rows padded to four bytes), as the resource
// compiler expects a bitmap resource.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// bgr: width × height blue, green, red triples, top row first.
// Returns false when the file cannot be written.
bool WriteBmp24(const std::string& path, int width, int height, const std::vector<uint8_t>& bgr);

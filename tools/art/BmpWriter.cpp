// WriteBmp24: the little-endian headers and the padded rows.
#include "tools/art/BmpWriter.h"

#include <cstddef>
#include <fstream>

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

}  // namespace

bool WriteBmp24(const std::string& path, int width, int height, const std::vector<uint8_t>& bgr) {
    if (width <= 0 || height <= 0 || bgr.size() != static_cast<size_t>(width) * height * 3) {
        return false;
    }
    const uint32_t rowBytes = static_cast<uint32_t>(width) * 3;
    const uint32_t paddedRowBytes = (rowBytes + 3) & ~3u;
    const uint32_t imageBytes = paddedRowBytes * static_cast<uint32_t>(height);

    std::vector<uint8_t> file;
    file.reserve(kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
    file.push_back('B');
    file.push_back('M');
    Put32(file, kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
    Put32(file, 0);  // two reserved words
    Put32(file, kFileHeaderBytes + kInfoHeaderBytes);

    Put32(file, kInfoHeaderBytes);
    Put32(file, static_cast<uint32_t>(width));
    Put32(file, static_cast<uint32_t>(height));  // positive: bottom-up rows
    Put16(file, 1);                              // planes
    Put16(file, 24);                             // bits per pixel
    Put32(file, 0);                              // BI_RGB, uncompressed
    Put32(file, imageBytes);
    Put32(file, kPixelsPerMetre);
    Put32(file, kPixelsPerMetre);
    Put32(file, 0);  // colours used
    Put32(file, 0);  // important colours

    for (int y = height - 1; y >= 0; --y) {
        const auto row = bgr.begin() + static_cast<ptrdiff_t>(y) * rowBytes;
        file.insert(file.end(), row, row + rowBytes);
        file.insert(file.end(), paddedRowBytes - rowBytes, 0);
    }

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

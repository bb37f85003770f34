// The level meter's texture contents.
#include "render/MeterTexture.h"

#include <cmath>

namespace {

constexpr double kDbPerNeper = 8.685889638065037;  // 20 / ln 10
constexpr double kYellowFromDb = -4.0;
constexpr double kRedFromDb = -1.0;

}  // namespace

double CMeterTexture::RowLevelDb(int row) {
    return std::log((kHeight - row) * (1.0 / kHeight)) * kDbPerNeper;
}

uint32_t CMeterTexture::ZoneColour(double levelDb) {
    if (levelDb < kYellowFromDb) return kGreen;
    if (levelDb < kRedFromDb) return kYellow;
    return kRed;
}

uint32_t CMeterTexture::RowTexel(int row) {
    // Rows lose opacity towards silence; the top row's 256 wraps to 0, which
    // only hides a black separator row.
    const uint32_t alpha = static_cast<uint32_t>(kHeight - row) % 256u;
    const uint32_t colour = row % 3 == 0 ? kBlack : ZoneColour(RowLevelDb(row));
    return alpha << 24 | colour;
}

CMeterTexture::Texels CMeterTexture::Build() {
    Texels texels{};
    for (int row = 0; row < kHeight; ++row) {
        const uint32_t texel = RowTexel(row);
        for (int column = 0; column < kWidth; ++column) texels[row * kWidth + column] = texel;
    }
    return texels;
}

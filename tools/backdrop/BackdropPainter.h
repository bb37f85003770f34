// Paints the 2D bar graph's backdrop: the frequency and level grid with
// their labels, placed by the bar graph's own layout and band table so each
// line falls where the bars of that frequency or level stand. Everything
// else stays transparent so the bars show through.
#pragma once

#include "params/Settings.h"
#include "tools/backdrop/PixelCanvas.h"

namespace backdrop {

constexpr int kWidth = 900;
constexpr int kHeight = 400;

// At percent of the 100 % picture's size, for the larger editor sizes: the
// same grid at the same places, its lines and letters larger in whole
// pixels, so that nothing is stretched.
CPixelCanvas Paint(const BandTable& bands, int percent = 100);

}  // namespace backdrop

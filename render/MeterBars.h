// Where the level meter's two bars go: the last block's sample peak at the
// left, its RMS 18 pixels to the right, each standing on y = 256 and as tall
// as its linear level times 256 rows of the meter texture.
#pragma once

struct MeterBar {
    int heightRows;  // 0..256
    // The texture's rows sourceTop..255 are drawn with their top left at
    // (x, y) on the screen.
    int sourceTop;
    float x;
    float y;
};

struct MeterBars {
    MeterBar peak;
    MeterBar rms;
};

// User-interface thread, from the block figures read under the statistics
// lock. Levels above full scale fill the texture and no more; silence,
// negative or undefined levels give an empty bar.
MeterBars MeterBarsOf(double blockPeak, double blockRms);

// Draws the 2D bar graph's backdrop picture and writes it as PNG to the path
// given: `backdrop <output file> [percent]`, 100 % unless told. The band table comes from a
// spectrum store set up as the plug-in sets it up, so the picture follows the bars.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "analysis/PerformanceTimer.h"
#include "analysis/SpectrumStore.h"
#include "params/LogarithmicScales.h"
#include "params/Settings.h"
#include "tools/backdrop/BackdropPainter.h"
#include "tools/backdrop/PngWriter.h"

int main(int argc, char** argv) {
    const int percent = argc == 3 ? std::atoi(argv[2]) : 100;
    if (argc < 2 || argc > 3 || percent < 100 || percent > 400) {
        std::fprintf(stderr, "usage: backdrop <output file> [percent]\n");
        return 2;
    }
    CSettings settings;
    CPerformanceTimer timer;
    CSpectrumStore store(settings, timer, CreateBandScale);
    if (!store.Initialise() || !settings.bandTable) {
        std::fprintf(stderr, "backdrop: no band table\n");
        return 1;
    }
    const CPixelCanvas canvas = backdrop::Paint(*settings.bandTable, percent);
    if (!WritePng(argv[1], canvas)) {
        std::fprintf(stderr, "backdrop: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

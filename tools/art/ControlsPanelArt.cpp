// Draws the controls panel's background bitmap and writes it as a 24-bit
// BMP: controls_panel_art <output.bmp> [percent], 100 % (900 x 200) unless
// told, 125, 150 or 200 % for the larger editor sizes. The same program
// always writes the same bytes, so the bitmaps in the repository can be
// checked against it.
#include <cstdio>
#include <cstdlib>

#include "tools/art/BmpWriter.h"
#include "tools/art/Canvas.h"
#include "tools/art/PanelPainter.h"
#include "tools/art/Random.h"

int main(int argc, char** argv) {
    const int percent = argc == 3 ? std::atoi(argv[2]) : 100;
    if (argc < 2 || argc > 3 || percent < 100 || percent > 400) {
        std::fprintf(stderr, "usage: %s <output.bmp> [percent]\n", argv[0]);
        return 2;
    }
    constexpr uint64_t kSeed = 0x56414E544Fu;
    CRandom random(kSeed);
    CCanvas canvas(CPanelPainter::kWidth * percent / 100, CPanelPainter::kHeight * percent / 100,
                   Rgb{0, 0, 0});
    CPanelPainter(canvas, static_cast<float>(percent) / 100.0f).PaintAll(random);
    if (!WriteBmp24(argv[1], canvas.Width(), canvas.Height(), canvas.ToBgr())) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

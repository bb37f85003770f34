// Draws the controls panel's background bitmap and writes it as a 24-bit
// BMP: controls_panel_art <output.bmp>. The same program always writes the
// same bytes, so the bitmap in the repository can be checked against it.
#include <cstdio>

#include "tools/art/BmpWriter.h"
#include "tools/art/Canvas.h"
#include "tools/art/PanelPainter.h"
#include "tools/art/Random.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.bmp>\n", argv[0]);
        return 2;
    }
    constexpr uint64_t kSeed = 0x56414E544Fu;
    CRandom random(kSeed);
    CCanvas canvas(CPanelPainter::kWidth, CPanelPainter::kHeight, Rgb{0, 0, 0});
    CPanelPainter(canvas).PaintAll(random);
    if (!WriteBmp24(argv[1], canvas.Width(), canvas.Height(), canvas.ToBgr())) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

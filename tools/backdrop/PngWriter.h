// Writes a canvas as an RGBA PNG file.
#pragma once

#include "tools/backdrop/PixelCanvas.h"

bool WritePng(const char* path, const CPixelCanvas& canvas);

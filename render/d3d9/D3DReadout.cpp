// CD3DReadout: marker, box and text of the values under the mouse.
#include "render/d3d9/D3DReadout.h"

#include <string>

#include "render/ReadoutBox.h"

bool CD3DReadout::Init(IDirect3DDevice9* device, int32_t viewWidth, int32_t viewHeight,
                       float pixelScale) {
    viewWidth_ = viewWidth;
    viewHeight_ = viewHeight;
    return painter_.Init(device, kFontHeight, pixelScale);
}

void CD3DReadout::Release() {
    painter_.Release();
}

void CD3DReadout::Draw(CSpriteBatch* sprite, int cursorX, int cursorY, const os::Rect& marker,
                       const ReadoutValues& values) {
    const std::string text = ReadoutText(values);
    const os::Rect extent = painter_.Measure(text.c_str());
    const int width = extent.right - extent.left + 2 * kPadding;
    const int height = extent.bottom - extent.top + 2 * kPadding;
    const ReadoutBoxPlace place =
        PlaceReadoutBox(cursorX, cursorY, width, height, viewWidth_, viewHeight_, kGap);
    const os::Rect box{place.left, place.top, place.left + width, place.top + height};
    painter_.FillRect(sprite, marker, kMarkerColour);
    painter_.FillRect(sprite, box, kFrameColour);
    painter_.FillRect(sprite, os::Rect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1},
                      kBoxColour);
    painter_.Text(sprite, text.c_str(), box.left + kPadding, box.top + kPadding, kTextColour);
}

// Captures what the Direct3D 9 devices of this process present, for pixel
// tests and the demo. All devices of d3d9.dll share one table of methods;
// while a capture object lives, its Present slot reads the back buffer into
// system memory (GetRenderTargetData) just before the frame is presented,
// and its draw slots count the draw calls of each frame. This is reliable
// under Wine, where a grab of the screen may miss what Direct3D drew.
// One capture object at a time; frames may be presented on any thread.
#pragma once

#include <cstdint>

#include "tools/host/CapturedImage.h"

class CFrameCapture {
public:
    CFrameCapture();
    // Puts the original methods back.
    ~CFrameCapture();
    CFrameCapture(const CFrameCapture&) = delete;
    CFrameCapture& operator=(const CFrameCapture&) = delete;

    // False when no device could be created to find the method table.
    bool Installed() const;
    // Frames presented since construction.
    uint32_t FramesPresented() const;
    // The back buffer of the last presented frame (empty before the first).
    CapturedImage LastFrame() const;
    // DrawPrimitive, DrawIndexedPrimitive and their UP forms issued between
    // the last two presents.
    uint32_t DrawCallsOfLastFrame() const;
    // Copying the back buffer costs a software rasteriser some time; tests
    // that only count frames can switch it off.
    void SetCapturing(bool capturing);
};

// Reads the device's back buffer into memory (GetRenderTargetData into a
// system-memory surface), for an export of the frame about to be presented.
#pragma once

struct IDirect3DDevice9;
struct ViewPicture;

// False when any step fails; picture is then left as it was.
bool CopyBackBuffer(IDirect3DDevice9* device, ViewPicture& picture);

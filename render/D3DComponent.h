// The interface of everything the renderer draws. The renderer initialises a
// component once, calls it twice per frame (3D pass, then the screen-space
// pass through the shared sprite batch) and releases and deletes it at the end.
// Every operation runs on the user-interface thread.
#pragma once

#include <cstdint>

struct IDirect3DDevice9;
class CSpriteBatch;

class CD3DComponent {
public:
    // Pixels per layout unit (2 for an editor at 200 %), set before Init.
    // Init and every drawing call work in layout units, the pixels of the
    // editor at 100 %: the renderer scales the screen-space pass, and fonts
    // render their glyphs at this scale, so text stays sharp.
    void SetPixelScale(float scale) { pixelScale_ = scale; }
    float PixelScale() const { return pixelScale_; }

    // Creates the component's device resources; false when one could not be
    // created (the component stays in the renderer's list and keeps being
    // called, so it must skip whatever it lacks).
    virtual bool Init(IDirect3DDevice9* device, int32_t width, int32_t height) = 0;
    // Screen-space drawing; the batch is already begun for this frame.
    virtual void Draw2D(CSpriteBatch* sprite) = 0;
    virtual void Render3D(IDirect3DDevice9* device) = 0;
    // Frees everything Init created; called once, right before deletion.
    virtual void ReleaseResources() = 0;
    // The settings dialog's Apply has copied new settings.
    virtual void OnSettingsApplied(IDirect3DDevice9* /*device*/) {}
    virtual ~CD3DComponent() = default;

    // The device was lost: release every resource of the default pool
    // (D3DPOOL_DEFAULT), or the device cannot be reset. Managed resources
    // survive and need nothing.
    virtual void OnDeviceLost() {}
    // The device was reset: recreate what OnDeviceLost released, and set
    // again any device state set only once (transforms such as the
    // projection, lights, materials), because a reset returns every device
    // state to its default. False when a resource could not be recreated.
    virtual bool OnDeviceReset(IDirect3DDevice9* /*device*/) { return true; }

private:
    float pixelScale_ = 1.0f;
};

// Our stand-in for the D3DX sprite: a batch of screen-space textured
// rectangles drawn with alpha blending, in the order they were submitted,
// with one draw call per run of items that share a texture. Items are kept
// until End, which writes their vertices into one dynamic vertex buffer.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "os/Window.h"

struct IDirect3DDevice9;
struct IDirect3DTexture9;
struct Matrix4;
struct Vector3;

// Begin flags, with the values of their D3DX counterparts.
enum SpriteFlags : uint32_t {
    kSpriteAlphaBlend = 0x10,
    // Without it the batch holds a reference on each texture until End.
    kSpriteDoNotAddRefTexture = 0x100,
};

class CSpriteBatch {
public:
    // Null when the batch's device resources cannot be created.
    static std::unique_ptr<CSpriteBatch> Create(IDirect3DDevice9* device);
    ~CSpriteBatch();
    CSpriteBatch(const CSpriteBatch&) = delete;
    CSpriteBatch& operator=(const CSpriteBatch&) = delete;

    // Starts a batch and resets the transform to the base transform. False
    // when a batch is already begun or the device is lost.
    bool Begin(uint32_t flags);
    // What every batch starts from: identity, or the scale from layout
    // units to pixels of an editor larger than 100 %.
    void SetBaseTransform(const Matrix4& transform);
    // The transform applied to every item drawn after it, in screen pixels
    // (row vectors, as Direct3D multiplies: the item's corner times the
    // matrix). Its z translation is the item's depth (0 nearest, 1 farthest),
    // tested against the 3D pass's depth buffer but never written.
    void SetTransform(const Matrix4& transform);
    const Matrix4& Transform() const;
    // Queues the source rectangle of texture (whole texture when null) with
    // its corner at position minus centre (both (0,0,0) when null), colour
    // (ARGB) multiplying the texels. False outside Begin/End or without a
    // texture.
    bool Draw(IDirect3DTexture9* texture, const os::Rect* source, const Vector3* centre,
              const Vector3* position, uint32_t colour);
    // Draws every queued item and ends the batch.
    bool End();

    // Release and recreate the dynamic vertex buffer around a device reset.
    void OnDeviceLost();
    bool OnDeviceReset();

    IDirect3DDevice9* Device() const;
    // Draw calls issued by the last End.
    uint32_t DrawCallsOfLastBatch() const;
    // Items queued since Begin.
    uint32_t QueuedItems() const;

private:
    struct Impl;
    explicit CSpriteBatch(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> impl_;
};

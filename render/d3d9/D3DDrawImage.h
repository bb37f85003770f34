// A picture loaded from a file (any format Windows' imaging component reads,
// told apart by content) and drawn through the sprite batch, whole or a
// source rectangle of it. Not in the renderer's list: its owner calls it.
// User-interface thread only.
#pragma once

#include <cstdint>
#include <string>

#include "os/Window.h"
#include "render/D3DComponent.h"
#include "render/Vector3.h"
#include "render/d3d9/ComPtr.h"

struct IDirect3DTexture9;

class CD3DDrawImage : public CD3DComponent {
public:
    explicit CD3DDrawImage(std::string path);
    ~CD3DDrawImage() override;

    // Loads the file; false, after reporting it, when it is missing, empty,
    // truncated or unreadable. The image then draws nothing.
    bool Init(IDirect3DDevice9* device, int32_t width, int32_t height) override;
    void Draw2D(CSpriteBatch* sprite) override;
    void Render3D(IDirect3DDevice9* /*device*/) override {}
    void ReleaseResources() override;

    // The part of the picture drawn, in the picture's pixels; held to the
    // picture when drawn.
    void SetSourceRect(const os::Rect& source);
    // Picture pixels per layout unit: 2 for a picture drawn for an editor
    // at 200 %, which then lands pixel for pixel.
    void SetPictureScale(float scale) { pictureScale_ = scale; }
    void SetPosition(const Vector3& position) { position_ = position; }
    bool Loaded() const { return static_cast<bool>(texture_); }

private:
    void DrawPicture(CSpriteBatch* sprite, const Vector3& position);

    ComPtr<IDirect3DTexture9> texture_;
    std::string path_;
    Vector3 position_;
    os::Rect source_;
    bool useSource_ = false;
    float pictureScale_ = 1.0f;
    int32_t imageWidth_ = 0;
    int32_t imageHeight_ = 0;
};

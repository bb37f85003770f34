// A known scene for the renderer tests: a near and a far lit box (the far
// one inside the fog), a turned one between them, a line of text and two overlapping sprites, the
// second half transparent. It counts the calls it receives.
#pragma once

#include <memory>

#include "render/D3DComponent.h"
#include "render/Matrix4.h"
#include "render/d3d9/ComPtr.h"
#include "render/d3d9/D3DFont.h"

struct IDirect3DVertexBuffer9;
struct IDirect3DIndexBuffer9;

struct SceneCalls {
    int init = 0;
    int render3D = 0;
    int draw2D = 0;
    int release = 0;
    int destroyed = 0;
    int lost = 0;
    int reset = 0;
};

class CTestScene : public CD3DComponent {
public:
    struct Options {
        bool failInit = false;
        int extraTextLines = 0;  // lines of 80 characters in a small font
    };

    // Screen places of the scene's parts, in pixels of the 900 by 400 view.
    static constexpr int kNearBoxX = 201, kNearBoxY = 200;
    static constexpr int kFarBoxX = 638, kFarBoxY = 200;
    static constexpr int kTurnedBoxLeft = 380, kTurnedBoxRight = 520;
    static constexpr int kWhiteSpriteX = 700, kRedSpriteX = 732, kSpriteY = 300, kSpriteSize = 64;
    static constexpr int kTextLeft = 20, kTextTop = 320;
    static constexpr const char* kText = "Vantoscope 42 Hz";

    CTestScene(SceneCalls* calls, Options options);
    ~CTestScene() override;

    bool Init(IDirect3DDevice9* device, int32_t width, int32_t height) override;
    void Draw2D(CSpriteBatch* sprite) override;
    void Render3D(IDirect3DDevice9* device) override;
    void ReleaseResources() override;
    void OnDeviceLost() override;
    bool OnDeviceReset(IDirect3DDevice9* device) override;

    // Where the text's measuring put it.
    os::Rect TextRect() const { return textRect_; }
    CD3DFont* Font() const { return font_.get(); }

private:
    bool CreateBoxVertices(IDirect3DDevice9* device);
    void SetFixedState(IDirect3DDevice9* device);
    void DrawBox(IDirect3DDevice9* device, const Matrix4& world);

    SceneCalls* calls_;
    Options options_;
    // The box's vertices live in the default pool so that a reset fails
    // unless they were released.
    ComPtr<IDirect3DVertexBuffer9> boxVertices_;
    ComPtr<IDirect3DIndexBuffer9> boxIndices_;
    ComPtr<IDirect3DTexture9> white_;
    ComPtr<IDirect3DTexture9> red_;
    std::unique_ptr<CD3DFont> font_;
    std::unique_ptr<CD3DFont> smallFont_;
    uint32_t boxVertexCount_ = 0;
    uint32_t boxTriangleCount_ = 0;
    os::Rect textRect_{};
};

// The known scene of the renderer tests.
#include "tests/win/render/TestScene.h"

#include <d3d9.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "render/BoxMesh.h"
#include "render/d3d9/SpriteBatch.h"
#include "render/d3d9/Textures.h"

namespace {

constexpr DWORD kMeshFvf = D3DFVF_XYZ | D3DFVF_NORMAL;

bool FillTexture(IDirect3DTexture9* texture, uint32_t texel) {
    D3DLOCKED_RECT locked;
    D3DSURFACE_DESC description;
    if (FAILED(texture->GetLevelDesc(0, &description)) ||
        FAILED(texture->LockRect(0, &locked, nullptr, 0))) {
        return false;
    }
    for (UINT y = 0; y < description.Height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(locked.pBits) +
                                                y * static_cast<size_t>(locked.Pitch));
        for (UINT x = 0; x < description.Width; ++x) row[x] = texel;
    }
    texture->UnlockRect(0);
    return FillMipChain(texture);
}

}  // namespace

CTestScene::CTestScene(SceneCalls* calls, Options options) : calls_(calls), options_(options) {}

CTestScene::~CTestScene() {
    ++calls_->destroyed;
}

bool CTestScene::Init(IDirect3DDevice9* device, int32_t /*width*/, int32_t /*height*/) {
    ++calls_->init;
    if (options_.failInit) return false;
    const MeshData box = BuildBoxMesh(100.0f, 100.0f, 100.0f);
    boxVertexCount_ = static_cast<uint32_t>(box.vertices.size());
    boxTriangleCount_ = static_cast<uint32_t>(box.indices.size() / 3);
    void* data = nullptr;
    const UINT indexBytes = static_cast<UINT>(box.indices.size() * sizeof(uint16_t));
    if (!CreateBoxVertices(device) ||
        FAILED(device->CreateIndexBuffer(indexBytes, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                         D3DPOOL_MANAGED, boxIndices_.Receive(), nullptr)) ||
        FAILED(boxIndices_->Lock(0, 0, &data, 0))) {
        return false;
    }
    std::memcpy(data, box.indices.data(), indexBytes);
    boxIndices_->Unlock();

    if (!CreateTexture(device, kSpriteSize, kSpriteSize, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                       white_) ||
        !FillTexture(white_.Get(), 0xFFFFFFFFu) ||
        !CreateTexture(device, kSpriteSize, kSpriteSize, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                       red_) ||
        !FillTexture(red_.Get(), 0x80FF0000u)) {
        return false;
    }
    font_ = CD3DFont::Create(device, 20, 0, FW_BOLD, 0, false, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
    smallFont_ = CD3DFont::Create(device, 14, 0, 300, 0, false, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
    if (font_ == nullptr || smallFont_ == nullptr) return false;
    SetFixedState(device);
    return true;
}

bool CTestScene::CreateBoxVertices(IDirect3DDevice9* device) {
    const MeshData box = BuildBoxMesh(100.0f, 100.0f, 100.0f);
    const UINT bytes = static_cast<UINT>(box.vertices.size() * sizeof(MeshVertex));
    void* data = nullptr;
    if (FAILED(device->CreateVertexBuffer(bytes, D3DUSAGE_WRITEONLY, kMeshFvf, D3DPOOL_DEFAULT,
                                          boxVertices_.Receive(), nullptr)) ||
        FAILED(boxVertices_->Lock(0, 0, &data, 0))) {
        return false;
    }
    std::memcpy(data, box.vertices.data(), bytes);
    boxVertices_->Unlock();
    return true;
}

// Camera at the origin looking along +z, one white directional light from
// behind the camera and a little above.
void CTestScene::SetFixedState(IDirect3DDevice9* device) {
    const Matrix4 projection = PerspectiveFovLHMatrix(0.5235988f, 900.0f / 400.0f, 1.0f, 1500.0f);
    const Matrix4 view = IdentityMatrix();
    device->SetTransform(D3DTS_PROJECTION, reinterpret_cast<const D3DMATRIX*>(&projection));
    device->SetTransform(D3DTS_VIEW, reinterpret_cast<const D3DMATRIX*>(&view));
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    const Vector3 direction = Normalize(Vector3{0.0f, -0.3f, 1.0f});
    light.Direction = {direction.x, direction.y, direction.z};
    device->SetLight(0, &light);
    device->LightEnable(0, TRUE);
    D3DMATERIAL9 material{};
    material.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    device->SetMaterial(&material);
    device->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE);
}

void CTestScene::DrawBox(IDirect3DDevice9* device, const Matrix4& world) {
    device->SetTransform(D3DTS_WORLD, reinterpret_cast<const D3DMATRIX*>(&world));
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, boxVertexCount_, 0, boxTriangleCount_);
}

void CTestScene::Render3D(IDirect3DDevice9* device) {
    ++calls_->render3D;
    if (!boxVertices_ || !boxIndices_) return;
    device->SetTexture(0, nullptr);
    device->SetFVF(kMeshFvf);
    device->SetStreamSource(0, boxVertices_.Get(), 0, sizeof(MeshVertex));
    device->SetIndices(boxIndices_.Get());
    DrawBox(device, TranslationMatrix(-150.0f, 0.0f, 500.0f));
    // Turned to show three faces, each lit differently.
    DrawBox(device,
            RotationYawPitchRollMatrix(0.6f, 0.5f, 0.0f) * TranslationMatrix(0.0f, 0.0f, 700.0f));
    // Twice the size and twice as far: as large on screen, but in the fog.
    DrawBox(device, ScalingMatrix(2.2f, 2.2f, 2.2f) * TranslationMatrix(250.0f, 0.0f, 1100.0f));
}

void CTestScene::Draw2D(CSpriteBatch* sprite) {
    ++calls_->draw2D;
    if (font_ == nullptr || !white_ || !red_) return;
    for (int line = 0; line < options_.extraTextLines; ++line) {
        const std::string text(80, static_cast<char>('a' + line % 26));
        os::Rect rect{0, line * 16, 0, 0};
        smallFont_->DrawTextA(sprite, text.c_str(), -1, &rect, kTextCalcRect, 0xFFFFFFFFu);
        smallFont_->DrawTextA(sprite, text.c_str(), -1, &rect, 0, 0xFFFFFFFFu);
    }
    textRect_ = {kTextLeft, kTextTop, 0, 0};
    font_->DrawTextA(sprite, kText, -1, &textRect_, kTextCalcRect, 0xFFFFFFFFu);
    font_->DrawTextA(sprite, kText, -1, &textRect_, 0, 0xFFFFFFFFu);
    const Vector3 whiteAt{static_cast<float>(kWhiteSpriteX), static_cast<float>(kSpriteY), 0.0f};
    const Vector3 redAt{static_cast<float>(kRedSpriteX), static_cast<float>(kSpriteY), 0.0f};
    sprite->Draw(white_.Get(), nullptr, nullptr, &whiteAt, 0xFFFFFFFFu);
    sprite->Draw(red_.Get(), nullptr, nullptr, &redAt, 0xFFFFFFFFu);
}

void CTestScene::ReleaseResources() {
    ++calls_->release;
    smallFont_.reset();
    font_.reset();
    red_.Reset();
    white_.Reset();
    boxIndices_.Reset();
    boxVertices_.Reset();
}

void CTestScene::OnDeviceLost() {
    ++calls_->lost;
    boxVertices_.Reset();
}

bool CTestScene::OnDeviceReset(IDirect3DDevice9* device) {
    ++calls_->reset;
    SetFixedState(device);
    return CreateBoxVertices(device);
}

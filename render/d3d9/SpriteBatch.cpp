// The sprite batch on the device: a managed index buffer of quads, a dynamic
// vertex buffer of the default pool (released around a device reset) and the
// render states of screen-space drawing.
#include "render/d3d9/SpriteBatch.h"

#include <d3d9.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "render/Matrix4.h"
#include "render/SpriteQueue.h"
#include "render/Vector3.h"
#include "render/d3d9/ComPtr.h"

namespace {

constexpr DWORD kSpriteFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;
// 16-bit indices reach 65536 vertices; bigger batches go in several fills.
constexpr uint32_t kQuadsPerFill = 4096;
constexpr UINT kVertexBufferBytes =
    kQuadsPerFill * CSpriteQueue::kVerticesPerItem * sizeof(SpriteVertex);

struct TextureSize {
    const IDirect3DTexture9* texture = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

}  // namespace

struct CSpriteBatch::Impl {
    ComPtr<IDirect3DDevice9> device;
    ComPtr<IDirect3DIndexBuffer9> indices;
    ComPtr<IDirect3DVertexBuffer9> vertices;
    CSpriteQueue queue;
    Matrix4 transform = IdentityMatrix();
    Matrix4 baseTransform = IdentityMatrix();
    std::vector<IDirect3DTexture9*> heldTextures;
    TextureSize lastSize;
    uint32_t flags = 0;
    uint32_t drawCalls = 0;
    bool begun = false;

    bool CreateIndices();
    bool CreateVertices();
    bool SizeOf(IDirect3DTexture9* texture, int32_t& width, int32_t& height);
    void SetDrawingState();
    void RestoreState();
    void DrawFill(uint32_t firstItem, uint32_t itemCount);
    void ReleaseHeldTextures();
};

bool CSpriteBatch::Impl::CreateIndices() {
    const UINT bytes = kQuadsPerFill * CSpriteQueue::kIndicesPerItem * sizeof(uint16_t);
    if (FAILED(device->CreateIndexBuffer(bytes, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16, D3DPOOL_MANAGED,
                                         indices.Receive(), nullptr))) {
        return false;
    }
    void* data = nullptr;
    if (FAILED(indices->Lock(0, 0, &data, 0))) return false;
    BuildQuadIndices(static_cast<uint16_t*>(data), kQuadsPerFill);
    indices->Unlock();
    return true;
}

bool CSpriteBatch::Impl::CreateVertices() {
    return SUCCEEDED(device->CreateVertexBuffer(kVertexBufferBytes,
                                                D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY, kSpriteFvf,
                                                D3DPOOL_DEFAULT, vertices.Receive(), nullptr));
}

bool CSpriteBatch::Impl::SizeOf(IDirect3DTexture9* texture, int32_t& width, int32_t& height) {
    if (lastSize.texture != texture) {
        D3DSURFACE_DESC description;
        if (FAILED(texture->GetLevelDesc(0, &description))) return false;
        lastSize = {texture, static_cast<int32_t>(description.Width),
                    static_cast<int32_t>(description.Height)};
    }
    width = lastSize.width;
    height = lastSize.height;
    return true;
}

// Items are already in screen pixels and lit by their colour; they are
// tested against the 3D pass's depth but never hide one another, so their
// order alone decides what is on top.
void CSpriteBatch::Impl::SetDrawingState() {
    const bool blend = (flags & kSpriteAlphaBlend) != 0;
    device->SetVertexShader(nullptr);
    device->SetPixelShader(nullptr);
    device->SetFVF(kSpriteFvf);
    device->SetStreamSource(0, vertices.Get(), 0, sizeof(SpriteVertex));
    device->SetIndices(indices.Get());
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, blend ? TRUE : FALSE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_ADD);
    // Fully transparent texels need not be drawn at all.
    device->SetRenderState(D3DRS_ALPHATESTENABLE, blend ? TRUE : FALSE);
    device->SetRenderState(D3DRS_ALPHAREF, 0);
    device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATER);
    device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_FOGENABLE, FALSE);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
    device->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
}

// Back to the device defaults for what the 3D pass does not set itself;
// lighting, fog and fill mode are set by the renderer at each frame's start.
void CSpriteBatch::Impl::RestoreState() {
    device->SetTexture(0, nullptr);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ZERO);
    device->SetRenderState(D3DRS_ALPHATESTENABLE, FALSE);
    device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_ALWAYS);
    device->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_CURRENT);
    device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_WRAP);
    device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_WRAP);
}

// Writes the items [firstItem, firstItem + itemCount) into the vertex buffer
// and draws each texture run among them with one call.
void CSpriteBatch::Impl::DrawFill(uint32_t firstItem, uint32_t itemCount) {
    void* data = nullptr;
    const UINT bytes = itemCount * CSpriteQueue::kVerticesPerItem * sizeof(SpriteVertex);
    if (FAILED(vertices->Lock(0, bytes, &data, D3DLOCK_DISCARD))) return;
    std::memcpy(data, &queue.Vertices()[firstItem * CSpriteQueue::kVerticesPerItem], bytes);
    vertices->Unlock();

    const uint32_t endItem = firstItem + itemCount;
    for (const SpriteRun& run : queue.Runs()) {
        const uint32_t begin = std::max(run.firstItem, firstItem);
        const uint32_t end = std::min(run.firstItem + run.itemCount, endItem);
        if (begin >= end) continue;
        device->SetTexture(0, static_cast<IDirect3DBaseTexture9*>(const_cast<void*>(run.texture)));
        device->DrawIndexedPrimitive(
            D3DPT_TRIANGLELIST, 0, 0, itemCount * CSpriteQueue::kVerticesPerItem,
            (begin - firstItem) * CSpriteQueue::kIndicesPerItem, (end - begin) * 2);
        ++drawCalls;
    }
}

void CSpriteBatch::Impl::ReleaseHeldTextures() {
    for (IDirect3DTexture9* texture : heldTextures) texture->Release();
    heldTextures.clear();
}

std::unique_ptr<CSpriteBatch> CSpriteBatch::Create(IDirect3DDevice9* device) {
    if (device == nullptr) return nullptr;
    auto impl = std::make_unique<Impl>();
    device->AddRef();
    impl->device = ComPtr<IDirect3DDevice9>(device);
    if (!impl->CreateIndices() || !impl->CreateVertices()) return nullptr;
    return std::unique_ptr<CSpriteBatch>(new CSpriteBatch(std::move(impl)));
}

CSpriteBatch::CSpriteBatch(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

CSpriteBatch::~CSpriteBatch() {
    impl_->ReleaseHeldTextures();
}

bool CSpriteBatch::Begin(uint32_t flags) {
    if (impl_->begun || !impl_->vertices) return false;
    impl_->begun = true;
    impl_->flags = flags;
    impl_->queue.Clear();
    SetTransform(impl_->baseTransform);
    return true;
}

void CSpriteBatch::SetBaseTransform(const Matrix4& transform) {
    impl_->baseTransform = transform;
}

void CSpriteBatch::SetTransform(const Matrix4& transform) {
    impl_->transform = transform;
    impl_->queue.SetTransform(transform.m);
}

const Matrix4& CSpriteBatch::Transform() const {
    return impl_->transform;
}

bool CSpriteBatch::Draw(IDirect3DTexture9* texture, const os::Rect* source, const Vector3* centre,
                        const Vector3* position, uint32_t colour) {
    if (!impl_->begun || texture == nullptr) return false;
    int32_t width = 0;
    int32_t height = 0;
    if (!impl_->SizeOf(texture, width, height)) return false;
    const float centreXyz[3] = {centre ? centre->x : 0.0f, centre ? centre->y : 0.0f,
                                centre ? centre->z : 0.0f};
    const float positionXyz[3] = {position ? position->x : 0.0f, position ? position->y : 0.0f,
                                  position ? position->z : 0.0f};
    if (!impl_->queue.Add(texture, width, height, source, centreXyz, positionXyz, colour)) {
        return false;
    }
    if ((impl_->flags & kSpriteDoNotAddRefTexture) == 0) {
        texture->AddRef();
        impl_->heldTextures.push_back(texture);
    }
    return true;
}

bool CSpriteBatch::End() {
    if (!impl_->begun) return false;
    impl_->begun = false;
    impl_->drawCalls = 0;
    const uint32_t items = impl_->queue.ItemCount();
    if (items > 0 && impl_->vertices) {
        impl_->SetDrawingState();
        for (uint32_t first = 0; first < items; first += kQuadsPerFill) {
            impl_->DrawFill(first, std::min(kQuadsPerFill, items - first));
        }
        impl_->RestoreState();
    }
    impl_->queue.Clear();
    impl_->ReleaseHeldTextures();
    // A texture may be freed after End and its address reused by another.
    impl_->lastSize = TextureSize{};
    return true;
}

void CSpriteBatch::OnDeviceLost() {
    impl_->begun = false;
    impl_->queue.Clear();
    impl_->ReleaseHeldTextures();
    impl_->vertices.Reset();
}

bool CSpriteBatch::OnDeviceReset() {
    return impl_->vertices || impl_->CreateVertices();
}

IDirect3DDevice9* CSpriteBatch::Device() const {
    return impl_->device.Get();
}

uint32_t CSpriteBatch::DrawCallsOfLastBatch() const {
    return impl_->drawCalls;
}

uint32_t CSpriteBatch::QueuedItems() const {
    return impl_->queue.ItemCount();
}

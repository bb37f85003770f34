// Device creation with four fallbacks, the fixed device state, the frame
// (clear, 3D pass, one screen-space batch, present) and recovery from a lost
// device.
#include "render/d3d9/D3DRenderer.h"

#include <d3d9.h>

#include <cstring>
#include <utility>

#include "diag/Log.h"
#include "editor/EditorLayout.h"
#include "editor/SynthEditor.h"
#include "render/Matrix4.h"
#include "render/d3d9/BackBufferCopy.h"
#include "render/d3d9/ComPtr.h"
#include "render/d3d9/SpriteBatch.h"

namespace {

constexpr char kLogSource[] = "D3DRenderer";

constexpr D3DCOLOR kOpaqueBlack = 0xFF000000;

struct DeviceTry {
    DWORD behaviourFlags;
    const char* failureLine;
};

// From the fastest device to the most widely available one.
constexpr DeviceTry kDeviceTries[] = {
    {D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_PUREDEVICE | D3DCREATE_MULTITHREADED,
     "Could not create a PURE Direct3D device."},
    {D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_MULTITHREADED,
     "Could not create a HARDWARE Direct3D device."},
    {D3DCREATE_MIXED_VERTEXPROCESSING | D3DCREATE_MULTITHREADED,
     "Could not create a MIXED Direct3D device."},
    {D3DCREATE_SOFTWARE_VERTEXPROCESSING | D3DCREATE_MULTITHREADED,
     "Could not create a SOFTWARE Direct3D device."},
};
static_assert(sizeof(kDeviceTries) / sizeof(kDeviceTries[0]) == 4);

DWORD FloatBits(float value) {
    DWORD bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

D3DFILLMODE FillModeFor(int32_t fillMode) {
    if (fillMode == 0) return D3DFILL_SOLID;
    if (fillMode == 1) return D3DFILL_WIREFRAME;
    return D3DFILL_POINT;
}

}  // namespace

struct CD3DRenderer::Devices {
    ComPtr<IDirect3D9> direct3D;
    ComPtr<IDirect3DDevice9> device;
    // As given to CreateDevice, with a back buffer of the window's size, so
    // that a reset also follows the window.
    D3DPRESENT_PARAMETERS presentParameters{};
    DWORD behaviourFlags = 0;
};

CD3DRenderer::CD3DRenderer() = default;

CD3DRenderer::~CD3DRenderer() {
    VS_LOG("CD3DRenderer: Destroying");
    for (auto& component : components_) {
        component->ReleaseResources();
        component.reset();
    }
    sprite_.reset();
    if (devices_ != nullptr) {
        devices_->device.Reset();
        devices_->direct3D.Reset();
    }
    VS_LOG("CD3DRenderer: Destroyed");
    components_.clear();
    components_.shrink_to_fit();
}

IDirect3DDevice9* CD3DRenderer::Device() const {
    return devices_ != nullptr ? devices_->device.Get() : nullptr;
}

uint32_t CD3DRenderer::BehaviourFlags() const {
    return devices_ != nullptr && devices_->device ? devices_->behaviourFlags : 0;
}

void CD3DRenderer::SetTestHooks(TestHooks hooks) {
    hooks_ = std::move(hooks);
}

bool CD3DRenderer::Setup(os::WindowHandle window, int width, int height) {
    width_ = width;
    height_ = height;
    pixelScale_ = static_cast<float>(width) / kEditorLayout.viewWidth;
    devices_ = std::make_unique<Devices>();
    if (!hooks_.failDirect3DObject) devices_->direct3D = ComPtr<IDirect3D9>(Direct3DCreate9(32));
    if (!devices_->direct3D) {
        VS_LOG_ERROR("Could not create the Direct3D object.");
        return false;
    }
    if (!CreateDevice(window)) return false;
    ApplyDeviceState();
    sprite_ = CSpriteBatch::Create(devices_->device.Get());
    if (sprite_ == nullptr) {
        VS_LOG_ERROR("Could not create sprite.");
        return false;
    }
    if (pixelScale_ != 1.0f)
        sprite_->SetBaseTransform(ScalingMatrix(pixelScale_, pixelScale_, 1.0f));
    return true;
}

bool CD3DRenderer::CreateDevice(os::WindowHandle window) {
    D3DPRESENT_PARAMETERS& parameters = devices_->presentParameters;
    std::memset(&parameters, 0, sizeof parameters);
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.Windowed = TRUE;
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat = D3DFMT_D16;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_ONE;

    for (const DeviceTry& attempt : kDeviceTries) {
        const bool refused =
            hooks_.refuseDeviceTry && hooks_.refuseDeviceTry(attempt.behaviourFlags);
        // CreateDevice writes the sizes it chose into the record it is given.
        D3DPRESENT_PARAMETERS tried = parameters;
        if (!refused && SUCCEEDED(devices_->direct3D->CreateDevice(
                            D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, static_cast<HWND>(window),
                            attempt.behaviourFlags, &tried, devices_->device.Receive()))) {
            devices_->behaviourFlags = attempt.behaviourFlags;
            return true;
        }
        devices_->device.Reset();
        VS_LOG(attempt.failureLine);
    }
    VS_LOG_ERROR("Could not create the Direct3D device.");
    return false;
}

// Set after creation and after every reset, which returns all state to the
// defaults. The linear table fog fades the far part of the scene into the
// black background.
void CD3DRenderer::ApplyDeviceState() {
    IDirect3DDevice9* device = devices_->device.Get();
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetRenderState(D3DRS_SPECULARENABLE, FALSE);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    device->SetRenderState(D3DRS_FOGENABLE, TRUE);
    device->SetRenderState(D3DRS_FOGCOLOR, kOpaqueBlack);
    device->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
    device->SetRenderState(D3DRS_FOGSTART, FloatBits(900.1f));
    device->SetRenderState(D3DRS_FOGEND, FloatBits(1200.0f));
    device->SetRenderState(D3DRS_FOGDENSITY, FloatBits(0.3f));
    device->SetRenderState(D3DRS_FOGVERTEXMODE, D3DFOG_NONE);
}

void CD3DRenderer::AddComponent(CD3DComponent* component) {
    components_.emplace_back(component);
    // Without a device there is nothing a component could create.
    IDirect3DDevice9* device = Device();
    component->SetPixelScale(pixelScale_);
    if (device == nullptr ||
        !component->Init(device, kEditorLayout.viewWidth, kEditorLayout.viewHeight)) {
        VS_LOG_ERROR("CD3DRenderer: could not initialise component");
    }
}

void CD3DRenderer::SyncFromEditor(const CSynthEditor& editor) {
    fillMode_ = editor.State().Fill();
}

bool CD3DRenderer::RenderFrame() {
    IDirect3DDevice9* device = Device();
    if (device == nullptr || sprite_ == nullptr) return true;
    if (!CheckCooperativeLevel()) return true;

    if (FAILED(
            device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kOpaqueBlack, 1.0f, 0))) {
        VS_LOG_ERROR("CD3DRenderer: Clear failed");
        return false;
    }
    device->BeginScene();
    // The screen-space batch changes some of the fixed state; setting it
    // again costs a dozen calls per frame.
    ApplyDeviceState();
    device->SetRenderState(D3DRS_AMBIENT, kOpaqueBlack);
    device->SetRenderState(D3DRS_FILLMODE, FillModeFor(fillMode_));
    for (auto& component : components_) component->Render3D(device);

    sprite_->Begin(kSpriteAlphaBlend | kSpriteDoNotAddRefTexture);
    for (auto& component : components_) component->Draw2D(sprite_.get());
    sprite_->End();
    device->EndScene();
    if (captureRequested_) {
        captureRequested_ = false;
        captured_ = CopyBackBuffer(device, capture_);
    }
    if (PresentFrame() == D3DERR_DEVICELOST) EnterLostState();
    return true;
}

bool CD3DRenderer::TakeCapture(ViewPicture& picture) {
    // A request that met no frame (the device was lost) ends here too, so
    // no later frame copies for nothing.
    captureRequested_ = false;
    if (!captured_) return false;
    captured_ = false;
    picture = std::move(capture_);
    capture_ = ViewPicture{};
    return true;
}

long CD3DRenderer::PresentFrame() {
    long result = Device()->Present(nullptr, nullptr, nullptr, nullptr);
    if (hooks_.presentResult) result = hooks_.presentResult(result);
    return result;
}

// True when the frame can be drawn. A lost device is reset as soon as it
// says it can be; until then frames draw nothing.
bool CD3DRenderer::CheckCooperativeLevel() {
    long level = Device()->TestCooperativeLevel();
    if (hooks_.cooperativeLevel) level = hooks_.cooperativeLevel(level);
    if (!deviceLost_) {
        if (SUCCEEDED(level)) return true;
        EnterLostState();
    }
    if (level == D3DERR_DEVICELOST) return false;
    return TryReset();
}

void CD3DRenderer::EnterLostState() {
    if (deviceLost_) return;
    deviceLost_ = true;
    resetFailureReported_ = false;
    VS_LOG("CD3DRenderer: device lost");
    // A device cannot be reset while anything of the default pool exists.
    sprite_->OnDeviceLost();
    for (auto& component : components_) component->OnDeviceLost();
}

bool CD3DRenderer::TryReset() {
    D3DPRESENT_PARAMETERS parameters = devices_->presentParameters;
    if (FAILED(Device()->Reset(&parameters))) {
        if (!resetFailureReported_) VS_LOG("CD3DRenderer: could not reset the device");
        resetFailureReported_ = true;
        return false;
    }
    ApplyDeviceState();
    if (!sprite_->OnDeviceReset()) VS_LOG("CD3DRenderer: could not restore the sprite batch");
    for (auto& component : components_) {
        if (!component->OnDeviceReset(Device())) {
            VS_LOG("CD3DRenderer: could not restore component");
        }
    }
    deviceLost_ = false;
    VS_LOG("CD3DRenderer: device reset");
    return true;
}

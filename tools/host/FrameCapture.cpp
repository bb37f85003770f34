// The patched method table: a throwaway device shows where the table of
// d3d9.dll's devices is; its Present and draw slots are replaced while a
// capture object lives. The C form of the interfaces gives the slots by name.
#define CINTERFACE
#define COBJMACROS
#include "tools/host/FrameCapture.h"

#include <d3d9.h>
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <mutex>

namespace {

using PresentMethod = HRESULT(STDMETHODCALLTYPE*)(IDirect3DDevice9*, const RECT*, const RECT*, HWND,
                                                  const RGNDATA*);
using DrawPrimitiveMethod = HRESULT(STDMETHODCALLTYPE*)(IDirect3DDevice9*, D3DPRIMITIVETYPE, UINT,
                                                        UINT);
using DrawIndexedMethod = HRESULT(STDMETHODCALLTYPE*)(IDirect3DDevice9*, D3DPRIMITIVETYPE, INT,
                                                      UINT, UINT, UINT, UINT);
using DrawUpMethod = HRESULT(STDMETHODCALLTYPE*)(IDirect3DDevice9*, D3DPRIMITIVETYPE, UINT,
                                                 const void*, UINT);
using DrawIndexedUpMethod = HRESULT(STDMETHODCALLTYPE*)(IDirect3DDevice9*, D3DPRIMITIVETYPE, UINT,
                                                        UINT, UINT, const void*, D3DFORMAT,
                                                        const void*, UINT);

struct CaptureState {
    IDirect3DDevice9Vtbl* table = nullptr;
    IDirect3DDevice9Vtbl original{};
    std::atomic<bool> capturing{true};
    std::atomic<uint32_t> frames{0};
    std::atomic<uint32_t> drawCalls{0};
    std::atomic<uint32_t> drawCallsOfLastFrame{0};
    std::mutex mutex;
    CapturedImage lastFrame;
};

CaptureState& State() {
    static CaptureState state;
    return state;
}

void CopyBackBuffer(IDirect3DDevice9* device) {
    IDirect3DSurface9* backBuffer = nullptr;
    if (FAILED(
            IDirect3DDevice9_GetBackBuffer(device, 0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer))) {
        return;
    }
    D3DSURFACE_DESC description;
    IDirect3DSurface9* copy = nullptr;
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(IDirect3DSurface9_GetDesc(backBuffer, &description)) &&
        SUCCEEDED(IDirect3DDevice9_CreateOffscreenPlainSurface(
            device, description.Width, description.Height, description.Format, D3DPOOL_SYSTEMMEM,
            &copy, nullptr)) &&
        SUCCEEDED(IDirect3DDevice9_GetRenderTargetData(device, backBuffer, copy)) &&
        SUCCEEDED(IDirect3DSurface9_LockRect(copy, &locked, nullptr, D3DLOCK_READONLY))) {
        CapturedImage image;
        image.width = static_cast<int32_t>(description.Width);
        image.height = static_cast<int32_t>(description.Height);
        image.pixels.resize(static_cast<size_t>(image.width) * image.height);
        for (int32_t y = 0; y < image.height; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(
                static_cast<const uint8_t*>(locked.pBits) + static_cast<size_t>(y) * locked.Pitch);
            for (int32_t x = 0; x < image.width; ++x) {
                // The back buffer has the desktop's format, whose fourth byte is unused.
                image.pixels[static_cast<size_t>(y) * image.width + x] = row[x] | 0xFF000000u;
            }
        }
        IDirect3DSurface9_UnlockRect(copy);
        std::lock_guard<std::mutex> hold(State().mutex);
        State().lastFrame = std::move(image);
    }
    if (copy != nullptr) IDirect3DSurface9_Release(copy);
    IDirect3DSurface9_Release(backBuffer);
}

HRESULT STDMETHODCALLTYPE CapturingPresent(IDirect3DDevice9* device, const RECT* source,
                                           const RECT* target, HWND window, const RGNDATA* dirty) {
    CaptureState& state = State();
    if (state.capturing) CopyBackBuffer(device);
    state.drawCallsOfLastFrame = state.drawCalls.exchange(0);
    ++state.frames;
    return state.original.Present(device, source, target, window, dirty);
}

HRESULT STDMETHODCALLTYPE CountingDrawPrimitive(IDirect3DDevice9* device, D3DPRIMITIVETYPE type,
                                                UINT start, UINT count) {
    ++State().drawCalls;
    return State().original.DrawPrimitive(device, type, start, count);
}

HRESULT STDMETHODCALLTYPE CountingDrawIndexed(IDirect3DDevice9* device, D3DPRIMITIVETYPE type,
                                              INT base, UINT minimum, UINT vertices, UINT start,
                                              UINT count) {
    ++State().drawCalls;
    return State().original.DrawIndexedPrimitive(device, type, base, minimum, vertices, start,
                                                 count);
}

HRESULT STDMETHODCALLTYPE CountingDrawUp(IDirect3DDevice9* device, D3DPRIMITIVETYPE type,
                                         UINT count, const void* data, UINT stride) {
    ++State().drawCalls;
    return State().original.DrawPrimitiveUP(device, type, count, data, stride);
}

HRESULT STDMETHODCALLTYPE CountingDrawIndexedUp(IDirect3DDevice9* device, D3DPRIMITIVETYPE type,
                                                UINT minimum, UINT vertices, UINT count,
                                                const void* indices, D3DFORMAT format,
                                                const void* data, UINT stride) {
    ++State().drawCalls;
    return State().original.DrawIndexedPrimitiveUP(device, type, minimum, vertices, count, indices,
                                                   format, data, stride);
}

// The table every device of d3d9.dll points to, found through a device on
// a hidden window.
IDirect3DDevice9Vtbl* FindDeviceTable() {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 16, 16, nullptr, nullptr,
                                  nullptr, nullptr);
    IDirect3D9* direct3D = Direct3DCreate9(D3D_SDK_VERSION);
    IDirect3DDevice9Vtbl* table = nullptr;
    if (window != nullptr && direct3D != nullptr) {
        D3DPRESENT_PARAMETERS parameters{};
        parameters.Windowed = TRUE;
        parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
        IDirect3DDevice9* device = nullptr;
        if (SUCCEEDED(IDirect3D9_CreateDevice(direct3D, D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                              D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters,
                                              &device))) {
            table = device->lpVtbl;
            IDirect3DDevice9_Release(device);
        }
    }
    if (direct3D != nullptr) IDirect3D9_Release(direct3D);
    if (window != nullptr) DestroyWindow(window);
    return table;
}

template <typename Method>
void Patch(Method& slot, Method replacement) {
    DWORD protection = 0;
    if (VirtualProtect(&slot, sizeof slot, PAGE_EXECUTE_READWRITE, &protection)) {
        slot = replacement;
        VirtualProtect(&slot, sizeof slot, protection, &protection);
        FlushInstructionCache(GetCurrentProcess(), &slot, sizeof slot);
    }
}

void PatchTable(IDirect3DDevice9Vtbl* table, const IDirect3DDevice9Vtbl& methods) {
    Patch(table->Present, methods.Present);
    Patch(table->DrawPrimitive, methods.DrawPrimitive);
    Patch(table->DrawIndexedPrimitive, methods.DrawIndexedPrimitive);
    Patch(table->DrawPrimitiveUP, methods.DrawPrimitiveUP);
    Patch(table->DrawIndexedPrimitiveUP, methods.DrawIndexedPrimitiveUP);
}

}  // namespace

CFrameCapture::CFrameCapture() {
    CaptureState& state = State();
    state.table = FindDeviceTable();
    if (state.table == nullptr) return;
    state.original = *state.table;
    state.frames = 0;
    state.drawCalls = 0;
    state.drawCallsOfLastFrame = 0;
    state.capturing = true;
    {
        std::lock_guard<std::mutex> hold(state.mutex);
        state.lastFrame = CapturedImage{};
    }
    IDirect3DDevice9Vtbl replacement = state.original;
    replacement.Present = CapturingPresent;
    replacement.DrawPrimitive = CountingDrawPrimitive;
    replacement.DrawIndexedPrimitive = CountingDrawIndexed;
    replacement.DrawPrimitiveUP = CountingDrawUp;
    replacement.DrawIndexedPrimitiveUP = CountingDrawIndexedUp;
    PatchTable(state.table, replacement);
}

CFrameCapture::~CFrameCapture() {
    CaptureState& state = State();
    if (state.table != nullptr) PatchTable(state.table, state.original);
    state.table = nullptr;
}

bool CFrameCapture::Installed() const {
    return State().table != nullptr;
}

uint32_t CFrameCapture::FramesPresented() const {
    return State().frames;
}

CapturedImage CFrameCapture::LastFrame() const {
    std::lock_guard<std::mutex> hold(State().mutex);
    return State().lastFrame;
}

uint32_t CFrameCapture::DrawCallsOfLastFrame() const {
    return State().drawCallsOfLastFrame;
}

void CFrameCapture::SetCapturing(bool capturing) {
    State().capturing = capturing;
}

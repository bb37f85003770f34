// The Direct3D 9 renderer of the main view: it owns the Direct3D object, the
// device on the view window, the sprite batch shared by all screen-space
// drawing and the ordered list of drawable components, and draws one frame
// per call. Everything here runs on the user-interface thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "editor/EditorLayout.h"
#include "editor/EditorListener.h"
#include "editor/ViewPicture.h"
#include "os/Window.h"
#include "render/D3DComponent.h"

struct IDirect3DDevice9;
class CSpriteBatch;

class CD3DRenderer : public CEditorListener {
public:
    using ComponentList = std::vector<std::unique_ptr<CD3DComponent>>;

    // Seams through which tests make the platform fail in ways a test machine
    // cannot be made to fail. Unset members leave the platform's answers alone.
    struct TestHooks {
        // Treat the creation of the Direct3D object as failed.
        bool failDirect3DObject = false;
        // Asked before each device try with its behaviour flags; true makes
        // the try fail as if the device could not be created.
        std::function<bool(uint32_t behaviourFlags)> refuseDeviceTry;
        // Replace the results (HRESULTs) of TestCooperativeLevel and Present.
        std::function<long(long result)> cooperativeLevel;
        std::function<long(long result)> presentResult;
    };

    CD3DRenderer();
    ~CD3DRenderer() override;
    CD3DRenderer(const CD3DRenderer&) = delete;
    CD3DRenderer& operator=(const CD3DRenderer&) = delete;

    // Creates the Direct3D object, the device on window (its back buffer the
    // window's size, width by height) and the sprite batch. False (after
    // reporting the error) when any of them cannot be created.
    bool Setup(os::WindowHandle window, int width = kEditorLayout.viewWidth,
               int height = kEditorLayout.viewHeight);
    // Takes ownership of component and initialises it with the device.
    void AddComponent(CD3DComponent* component);
    // Draws one frame. False only when clearing the target failed. Without a
    // device, or while the device is lost and cannot be reset yet, it returns
    // true at once without drawing.
    bool RenderFrame();
    // The next frame drawn keeps a copy of its back buffer as presented;
    // frames without a request copy nothing.
    void RequestCapture() { captureRequested_ = true; }
    // Hands over the copy; false when no frame was copied since the request.
    bool TakeCapture(ViewPicture& picture);
    // Takes the fill mode chosen on the controls dialog.
    void SyncFromEditor(const CSynthEditor& editor) override;

    // For the settings dialog's Apply, which calls OnSettingsApplied on each.
    const ComponentList& Components() const { return components_; }
    // Null until Setup succeeded.
    IDirect3DDevice9* Device() const;
    CSpriteBatch* Sprite() const { return sprite_.get(); }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t FillMode() const { return fillMode_; }
    void SetFillMode(int32_t fillMode) { fillMode_ = fillMode; }
    // The behaviour flags of the device try that succeeded; 0 without device.
    uint32_t BehaviourFlags() const;
    // True from the frame that found the device lost until it was reset.
    bool DeviceLost() const { return deviceLost_; }

    // Must be called before Setup.
    void SetTestHooks(TestHooks hooks);

private:
    struct Devices;

    bool CreateDevice(os::WindowHandle window);
    void ApplyDeviceState();
    bool CheckCooperativeLevel();
    void EnterLostState();
    bool TryReset();
    long PresentFrame();

    std::unique_ptr<Devices> devices_;  // the Direct3D object, then the device
    ComponentList components_;
    std::unique_ptr<CSpriteBatch> sprite_;
    int32_t width_ = 0;  // of the back buffer, in pixels
    int32_t height_ = 0;
    float pixelScale_ = 1.0f;
    int32_t fillMode_ = 0;
    bool deviceLost_ = false;
    bool captureRequested_ = false;
    bool captured_ = false;
    ViewPicture capture_;
    bool resetFailureReported_ = false;
    TestHooks hooks_;
};

// The 3D view's main component: the waterfall of the last 32 spectra with its
// curtain, the peak and reference spheres, the grid and the labels. The
// per-frame work is CWaterfallModel's; this class owns the device objects,
// copies the model's results into them and issues the draw calls.
//
// Thread: user-interface thread only (the store is read under its lock).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "editor/EditorListener.h"
#include "editor/ViewOptions.h"
#include "render/D3DCamera.h"
#include "render/D3DComponent.h"
#include "render/HeightFieldRay.h"
#include "render/Matrix4.h"
#include "render/RowAges.h"
#include "render/TidyLabels.h"
#include "render/WaterfallLabels.h"
#include "render/WaterfallModel.h"
#include "render/d3d9/ComPtr.h"

struct IDirect3DVertexBuffer9;
struct IDirect3DIndexBuffer9;
struct IDirect3DTexture9;
class CD3DBillboard;
class CD3DLines3D;
class CD3DReadout;
class CD3DSphereRows;
class CPerformanceTimer;
class CSettings;
class CSpectrumStore;
class CWaterfallAxes;

// What the editor's display flags and the "Axis" parameter say this frame.
struct WaterfallDisplayState {
    bool labelsShown = false;
    bool frozen = false;
    bool peaksShown = false;
    bool hidden = false;  // the 2D view is on
    bool axisShown = true;
    bool frequencyLabelsShown = true;
    std::array<bool, CSpectrumStore::kReferenceCount> referencesShown{};
    int axisDepthPercent = 50;
};

class CD3DDrawWaterGraph : public CD3DComponent, public CEditorListener {
public:
    // camera: the scene camera, which outlives the component; Init puts it
    // at the Reset preset and each frame builds its view.
    CD3DDrawWaterGraph(CSettings& settings, CPerformanceTimer& timer, CD3DCamera& camera);
    ~CD3DDrawWaterGraph() override;

    // The store the editor created; set before Init, which initialises it.
    void SetStore(CSpectrumStore* store) { store_ = store; }

    bool Init(IDirect3DDevice9* device, int32_t width, int32_t height) override;
    void Draw2D(CSpriteBatch* sprite) override;
    void Render3D(IDirect3DDevice9* device) override;
    void ReleaseResources() override;
    void OnSettingsApplied(IDirect3DDevice9* device) override;
    void OnDeviceLost() override;
    bool OnDeviceReset(IDirect3DDevice9* device) override;

    // Copies the display flags and the "Axis" parameter.
    void SyncFromEditor(const CSynthEditor& editor) override;

    void SetDisplayState(const WaterfallDisplayState& state) { display_ = state; }
    const WaterfallDisplayState& DisplayState() const { return display_; }
    CD3DCamera& Camera() { return camera_; }
    // Null before Init and after ReleaseResources.
    const CWaterfallModel* Model() const { return model_.get(); }
    const Matrix4& View() const { return view_; }
    const Matrix4& Projection() const { return projection_; }

private:
    bool CreateDynamicBuffers(IDirect3DDevice9* device);
    void CreateIndexBuffers(IDirect3DDevice9* device);
    bool CreateTextures(IDirect3DDevice9* device);
    void SetLightAndMaterials(IDirect3DDevice9* device);
    void BuildAxes(IDirect3DDevice9* device);
    void UploadFrame();
    void UpdateLevelTexture();
    void DrawSurface(IDirect3DDevice9* device);
    void DrawSpheres(IDirect3DDevice9* device);
    void DrawReadout(CSpriteBatch* sprite);
    void ChooseTidyPeakLabels();

    CSettings& settings_;
    CPerformanceTimer& timer_;
    CSpectrumStore* store_ = nullptr;
    WaterfallDisplayState display_;
    // The slope the model tilts by; it outlives the model.
    CDisplaySlope slope_;
    std::unique_ptr<CWaterfallModel> model_;
    std::vector<WaterfallLabel> labels_;
    // Tidy peak labels: the peak labels' boxes, which of labels_ each is,
    // and which labels_ are drawn.
    std::vector<LabelCandidate> peakBoxes_;
    std::vector<size_t> peakLabelIndex_;
    std::vector<bool> peakKept_;
    std::vector<bool> labelDrawn_;
    ComPtr<IDirect3DVertexBuffer9> surfaceVertices_;
    ComPtr<IDirect3DIndexBuffer9> surfaceIndices_;
    ComPtr<IDirect3DVertexBuffer9> frontVertices_;
    ComPtr<IDirect3DIndexBuffer9> frontIndices_;
    ComPtr<IDirect3DTexture9> gradientTexture_;
    ComPtr<IDirect3DTexture9> levelTexture_;
    std::unique_ptr<CD3DSphereRows> spheres_;
    Matrix4 view_ = IdentityMatrix();
    Matrix4 projection_ = IdentityMatrix();
    CD3DCamera& camera_;
    std::unique_ptr<CD3DBillboard> billboard_;
    std::unique_ptr<CWaterfallAxes> axes_;
    std::unique_ptr<CD3DLines3D> lines_;
    // The values under the mouse: the surface's heights searched along the
    // ray under the cursor, and when each row entered the front.
    std::unique_ptr<CD3DReadout> readout_;
    std::unique_ptr<SurfaceHeights> readoutHeights_;
    CRowAges rowAges_;
    HoverState hover_;
    ViewOptions options_;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

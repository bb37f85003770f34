// CD3DDrawWaterGraph: device objects and draw calls of the waterfall.
#include "render/d3d9/D3DDrawWaterGraph.h"

#include <d3d9.h>

#include <algorithm>
#include <cstring>

#include "analysis/PerformanceTimer.h"
#include "analysis/SpectrumStore.h"
#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "params/ParamControl.h"
#include "params/ParameterTable.h"
#include "params/Settings.h"
#include "render/LevelTexture.h"
#include "render/SpectrumReadout.h"
#include "render/SphereMesh.h"
#include "render/Unproject.h"
#include "render/WaterGeometry.h"
#include "render/WaterfallAxes.h"
#include "render/d3d9/D3DBillboard.h"
#include "render/d3d9/D3DLines3D.h"
#include "render/d3d9/D3DReadout.h"
#include "render/d3d9/D3DSphereRows.h"
#include "render/d3d9/Textures.h"

using namespace WaterGeometry;

namespace {

constexpr char kLogSource[] = "D3DDrawWaterGraph";
constexpr float kFieldOfView = 0.5235988f;
constexpr float kNearPlane = 1.0f;
constexpr float kFarPlane = 1500.0f;
constexpr float kSphereRadius = 1.2f;
constexpr uint32_t kSphereSlices = 16;
constexpr uint32_t kSphereStacks = 16;
constexpr DWORD kDynamicUsage = D3DUSAGE_DYNAMIC | D3DUSAGE_WRITEONLY;

// Surface and curtain, peaks, then references A to D.
const D3DCOLORVALUE kMaterialColours[] = {
    {1.0f, 1.0f, 1.0f, 1.0f}, {1.0f, 0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 1.0f, 1.0f},
    {1.0f, 1.0f, 0.0f, 1.0f}, {0.7f, 0.3f, 0.7f, 1.0f}, {0.5f, 0.5f, 0.5f, 1.0f},
};
constexpr int kSurfaceMaterial = 0;
constexpr int kPeakMaterial = 1;
constexpr int kFirstReferenceMaterial = 2;

D3DMATERIAL9 Material(int index) {
    D3DMATERIAL9 material{};
    material.Diffuse = kMaterialColours[index];
    material.Ambient = kMaterialColours[index];
    return material;
}

const D3DMATRIX* AsD3D(const Matrix4& matrix) {
    return reinterpret_cast<const D3DMATRIX*>(&matrix);
}

template <typename Buffer>
bool Fill(Buffer* buffer, const void* data, size_t bytes) {
    void* bits = nullptr;
    if (FAILED(buffer->Lock(0, 0, &bits, 0))) return false;
    std::memcpy(bits, data, bytes);
    buffer->Unlock();
    return true;
}

// One pixel wide, from the floor below a point of the surface up to it.
os::Rect SurfaceMarker(const Vector3& point, const Viewport& viewport, const Matrix4& projection,
                       const Matrix4& view) {
    const Matrix4 world = IdentityMatrix();
    const Vector3 top = ProjectToScreen(point, viewport, projection, view, world);
    Vector3 floor = ProjectToScreen({point.x, 0.0f, point.z}, viewport, projection, view, world);
    // A floor behind the camera or beyond the far plane would land anywhere.
    if (!(floor.z >= 0.0f && floor.z <= 1.0f)) floor = top;
    const int x = static_cast<int>(top.x);
    return os::Rect{x, static_cast<int>(std::min(top.y, floor.y)), x + 1,
                    static_cast<int>(std::max(top.y, floor.y)) + 1};
}

}  // namespace

CD3DDrawWaterGraph::CD3DDrawWaterGraph(CSettings& settings, CPerformanceTimer& timer,
                                       CD3DCamera& camera)
    : settings_(settings), timer_(timer), camera_(camera) {}

CD3DDrawWaterGraph::~CD3DDrawWaterGraph() = default;

bool CD3DDrawWaterGraph::Init(IDirect3DDevice9* device, int32_t width, int32_t height) {
    const float range3dDb = static_cast<float>(settings_.range3dDb);
    width_ = width;
    height_ = height;
    model_ = std::make_unique<CWaterfallModel>(settings_.Palette(), range3dDb);
    readoutHeights_ = std::make_unique<SurfaceHeights>();
    readout_ = std::make_unique<CD3DReadout>();
    readout_->Init(device, width, height, PixelScale());  // without it the view shows no readout
    CreateIndexBuffers(device);
    if (!CreateDynamicBuffers(device)) return false;
    if (!CreateTextures(device)) return false;
    spheres_ = std::make_unique<CD3DSphereRows>(
        BuildSphereMesh(kSphereRadius, kSphereSlices, kSphereStacks));
    spheres_->Create(device);
    // The engine initialises the store when it creates it, before the editor
    // opens; this sets up a store handed over uninitialised, as when the
    // waterfall is driven without the engine.
    if (store_ != nullptr && !store_->IsInitialised()) store_->Initialise();
    SetLightAndMaterials(device);
    camera_ = CD3DCamera(settings_.CameraPresets()[CSettings::kReset]);
    billboard_ = std::make_unique<CD3DBillboard>();
    billboard_->Init(device, PixelScale());
    BuildAxes(device);
    projection_ =
        PerspectiveFovLHMatrix(kFieldOfView, static_cast<float>(width) / static_cast<float>(height),
                               kNearPlane, kFarPlane);
    device->SetTransform(D3DTS_PROJECTION, AsD3D(projection_));
    return true;
}

// Managed buffers that never change; a failure leaves the surface undrawn.
void CD3DDrawWaterGraph::CreateIndexBuffers(IDirect3DDevice9* device) {
    const std::vector<uint16_t> indices = BuildSurfaceIndices();
    if (SUCCEEDED(device->CreateIndexBuffer(kSurfaceIndexCount * 2, D3DUSAGE_WRITEONLY,
                                            D3DFMT_INDEX16, D3DPOOL_MANAGED,
                                            surfaceIndices_.Receive(), nullptr))) {
        Fill(surfaceIndices_.Get(), indices.data(), kSurfaceIndexCount * 2);
    }
    if (SUCCEEDED(device->CreateIndexBuffer(kCurtainIndexCount * 2, D3DUSAGE_WRITEONLY,
                                            D3DFMT_INDEX16, D3DPOOL_MANAGED,
                                            frontIndices_.Receive(), nullptr))) {
        Fill(frontIndices_.Get(), indices.data(), kCurtainIndexCount * 2);
    }
}

// Default-pool buffers: made at Init and again after a device reset, filled
// with the current contents.
bool CD3DDrawWaterGraph::CreateDynamicBuffers(IDirect3DDevice9* device) {
    if (FAILED(device->CreateVertexBuffer(kSurfaceVertexCount * sizeof(WaterVertex), kDynamicUsage,
                                          kWaterVertexFvf, D3DPOOL_DEFAULT,
                                          surfaceVertices_.Receive(), nullptr))) {
        surfaceVertices_.Reset();
        VS_LOG_ERROR("Could not create VB");
        return false;
    }
    if (FAILED(device->CreateVertexBuffer(kCurtainVertexCount * sizeof(WaterVertex), kDynamicUsage,
                                          kWaterVertexFvf, D3DPOOL_DEFAULT,
                                          frontVertices_.Receive(), nullptr))) {
        frontVertices_.Reset();
        VS_LOG_ERROR("Could not create front VB");
        return false;
    }
    UploadFrame();
    return true;
}

// One level each: the level texture changes every frame and the view
// samples level 0 only, so smaller levels would only go stale.
bool CD3DDrawWaterGraph::CreateTextures(IDirect3DDevice9* device) {
    D3DLOCKED_RECT locked;
    if (!CreateTexture(device, LevelTexture::kWidth, LevelTexture::kHeight, 1, 0, D3DFMT_A8R8G8B8,
                       D3DPOOL_MANAGED, levelTexture_)) {
        VS_LOG_ERROR("Could not create texture");
        return false;
    }
    if (FAILED(levelTexture_->LockRect(0, &locked, nullptr, 0))) {
        VS_LOG_ERROR("Could not lock surface.");
        return false;
    }
    LevelTexture::Fill(locked.pBits, locked.Pitch, LevelTexture::kWidth, LevelTexture::kHeight,
                       LevelTexture::kInitialTexel);
    levelTexture_->UnlockRect(0);
    if (!CreateTexture(device, LevelTexture::kGradientSize, LevelTexture::kGradientSize, 1, 0,
                       D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, gradientTexture_)) {
        VS_LOG_ERROR("Could not create second texture");
        return false;
    }
    if (FAILED(gradientTexture_->LockRect(0, &locked, nullptr, 0))) {
        VS_LOG_ERROR("Could not lock second surface.");
        return false;
    }
    LevelTexture::FillGradient(locked.pBits, locked.Pitch, settings_.Palette());
    gradientTexture_->UnlockRect(0);
    return true;
}

void CD3DDrawWaterGraph::SetLightAndMaterials(IDirect3DDevice9* device) {
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    const Vector3 direction = Normalize({0.0f, -0.5f, 0.2f});
    light.Direction = {direction.x, direction.y, direction.z};
    light.Range = 1000.0f;
    device->SetLight(0, &light);
    device->LightEnable(0, TRUE);
    const D3DMATERIAL9 surface = Material(kSurfaceMaterial);
    device->SetMaterial(&surface);
}

void CD3DDrawWaterGraph::BuildAxes(IDirect3DDevice9* device) {
    if (store_ == nullptr || store_->Scale() == nullptr) return;
    if (!axes_) {
        axes_ = std::make_unique<CWaterfallAxes>(*store_->Scale(),
                                                 store_->BandCount() - store_->FirstBand());
    }
    axes_->ApplyRange(model_->Range3dDb());
    lines_ = std::make_unique<CD3DLines3D>(device);
    for (const AxisLine& line : axes_->Lines()) lines_->AddLine(line.from, line.to, line.thickness);
}

void CD3DDrawWaterGraph::OnSettingsApplied(IDirect3DDevice9* device) {
    const float range3dDb = static_cast<float>(settings_.range3dDb);
    if (!model_ || range3dDb == model_->Range3dDb()) return;
    model_->SetRange(range3dDb);
    BuildAxes(device);
}

void CD3DDrawWaterGraph::Render3D(IDirect3DDevice9* device) {
    if (display_.hidden || !model_ || store_ == nullptr) return;
    WaterfallFlags flags;
    flags.frozen = display_.frozen;
    flags.peaksShown = display_.peaksShown;
    flags.labelsShown = display_.labelsShown;
    flags.referencesShown = display_.referencesShown;
    const uint32_t nowMs = timer_.GetMilliseconds();
    model_->Advance(*store_, nowMs, settings_.sampleRate.load(), flags);
    for (int row = 0; row < model_->NewRows(); ++row) rowAges_.PushFront(nowMs);
    UploadFrame();
    UpdateLevelTexture();
    camera_.BuildView(view_);
    device->SetTransform(D3DTS_VIEW, AsD3D(view_));
    const Matrix4 identity = IdentityMatrix();
    device->SetTransform(D3DTS_WORLD, AsD3D(identity));
    DrawSurface(device);
    DrawSpheres(device);
    if (display_.axisShown && lines_) {
        const Matrix4 parent =
            TranslationMatrix(0.0f, 0.0f, CWaterfallAxes::DepthZ(display_.axisDepthPercent));
        lines_->Draw(device, &parent);
    }
}

// The texture's rows follow the surface's: one scroll per new row, the
// closed row's colours first when the rows go by time.
void CD3DDrawWaterGraph::UpdateLevelTexture() {
    D3DLOCKED_RECT locked;
    if (!levelTexture_ || FAILED(levelTexture_->LockRect(0, &locked, nullptr, 0))) return;
    const int newRows = model_->NewRows();
    if (model_->RowsByTime()) {
        LevelTexture::ReplaceNewest(locked.pBits, locked.Pitch,
                                    newRows > 0 ? model_->ClosedTexels() : model_->NewestTexels());
    }
    for (int row = 0; row < newRows; ++row)
        LevelTexture::Scroll(locked.pBits, locked.Pitch, model_->NewestTexels());
    levelTexture_->UnlockRect(0);
}

// The whole surface goes into the discarded buffer every frame.
void CD3DDrawWaterGraph::UploadFrame() {
    void* bits = nullptr;
    if (surfaceVertices_ && SUCCEEDED(surfaceVertices_->Lock(0, 0, &bits, D3DLOCK_DISCARD))) {
        model_->Surface().WriteVertices(static_cast<WaterVertex*>(bits));
        surfaceVertices_->Unlock();
    }
    if (frontVertices_ && SUCCEEDED(frontVertices_->Lock(0, 0, &bits, D3DLOCK_DISCARD))) {
        std::memcpy(bits, model_->Curtain().data(), kCurtainVertexCount * sizeof(WaterVertex));
        frontVertices_->Unlock();
    }
}

void CD3DDrawWaterGraph::DrawSurface(IDirect3DDevice9* device) {
    if (!surfaceVertices_ || !frontVertices_ || !surfaceIndices_ || !frontIndices_) return;
    const D3DMATERIAL9 surface = Material(kSurfaceMaterial);
    device->SetMaterial(&surface);
    device->SetFVF(kWaterVertexFvf);
    device->SetTexture(0, gradientTexture_.Get());
    device->SetIndices(frontIndices_.Get());
    device->SetStreamSource(0, frontVertices_.Get(), 0, sizeof(WaterVertex));
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, kCurtainVertexCount, 0,
                                 kCurtainTriangleCount);
    device->SetTexture(0, levelTexture_.Get());
    device->SetStreamSource(0, surfaceVertices_.Get(), 0, sizeof(WaterVertex));
    device->SetIndices(surfaceIndices_.Get());
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, kSurfaceVertexCount, 0,
                                 kSurfaceTriangleCount);
}

// One call per row of spheres, drawn in scene coordinates (world identity).
void CD3DDrawWaterGraph::DrawSpheres(IDirect3DDevice9* device) {
    device->SetTexture(0, nullptr);
    if (!spheres_) return;
    if (display_.peaksShown) {
        const D3DMATERIAL9 peak = Material(kPeakMaterial);
        device->SetMaterial(&peak);
        spheres_->Draw(device, 0, model_->PeakHeights());
    }
    for (int trace = 0; trace < CSpectrumStore::kReferenceCount; ++trace) {
        if (!display_.referencesShown[trace]) continue;
        const D3DMATERIAL9 reference = Material(kFirstReferenceMaterial + trace);
        device->SetMaterial(&reference);
        spheres_->Draw(device, 1 + trace, model_->ReferenceHeights(trace));
    }
}

void CD3DDrawWaterGraph::Draw2D(CSpriteBatch* sprite) {
    if (display_.hidden || !axes_ || !billboard_) return;
    LabelInputs inputs;
    inputs.labelsShown = display_.labelsShown;
    inputs.axisShown = display_.axisShown;
    inputs.frequencyLabelsShown = display_.frequencyLabelsShown;
    inputs.axisDepthPercent = display_.axisDepthPercent;
    inputs.range3dDb = model_->Range3dDb();
    inputs.labelHeights = &model_->LabelHeights();
    inputs.bandTable = settings_.bandTable.get();
    CWaterfallLabels::Build(inputs, *axes_, labels_);
    labelDrawn_.assign(labels_.size(), true);
    if (options_.tidyPeakLabels) ChooseTidyPeakLabels();
    for (size_t i = 0; i < labels_.size(); ++i) {
        if (!labelDrawn_[i]) continue;
        billboard_->DrawLabel(sprite, projection_, view_, labels_[i].position,
                              labels_[i].text.c_str());
    }
    if (options_.showValuesUnderMouse && hover_.inside) DrawReadout(sprite);
}

// Peak labels compete for room on the screen, the loudest first; the grid's
// and the edge's labels are always drawn.
void CD3DDrawWaterGraph::ChooseTidyPeakLabels() {
    constexpr int kLabelMargin = 2;
    peakBoxes_.clear();
    peakLabelIndex_.clear();
    for (size_t i = 0; i < labels_.size(); ++i) {
        const WaterfallLabel& label = labels_[i];
        if (label.peakBand < 0) continue;
        const LabelBox box =
            billboard_->Place(projection_, view_, label.position, label.text.c_str());
        if (!box.visible) continue;
        peakBoxes_.push_back(
            {box.left, box.top, box.right, box.bottom, label.position.y, label.peakBand});
        peakLabelIndex_.push_back(i);
    }
    ChooseTidyLabels(peakBoxes_, kLabelMargin, peakKept_);
    for (size_t k = 0; k < peakLabelIndex_.size(); ++k) {
        labelDrawn_[peakLabelIndex_[k]] = peakKept_[k];
    }
}

// The band and row where the ray under the cursor first meets the surface as
// it was drawn this frame; nothing where it meets none.
void CD3DDrawWaterGraph::DrawReadout(CSpriteBatch* sprite) {
    if (!readout_ || !readoutHeights_ || settings_.bandTable == nullptr) return;
    const Viewport viewport{0.0f, 0.0f, static_cast<float>(width_), static_cast<float>(height_),
                            0.0f, 1.0f};
    const std::optional<Ray> ray = CursorRay(
        static_cast<float>(hover_.x), static_cast<float>(hover_.y), viewport, projection_, view_);
    if (!ray) return;
    CopySurfaceHeights(model_->Surface(), *readoutHeights_);
    const std::optional<HeightFieldHit> hit =
        FirstHit(*ray, WaterfallHeightField(*readoutHeights_));
    if (!hit) return;
    const int band = hit->column;
    const float height = (*readoutHeights_)[static_cast<size_t>(hit->row * kColumns + band)];
    ReadoutValues values;
    values.frequencyHz = BandCentreHz(*settings_.bandTable, band);
    values.levelDb = DbOfHeight(height, model_->Range3dDb());
    // The held peak belongs to the newest spectrum: beside an older row it
    // could read below that row's own level.
    if (display_.peaksShown && hit->row == 0)
        values.peakDb = DbOfHeight(model_->PeakHeights()[band], model_->Range3dDb());
    values.ageSeconds = rowAges_.AgeSeconds(hit->row, timer_.GetMilliseconds());
    const os::Rect marker =
        SurfaceMarker({ColumnX(band), height, RowZ(hit->row)}, viewport, projection_, view_);
    readout_->Draw(sprite, hover_.x, hover_.y, marker, values);
}

void CD3DDrawWaterGraph::OnDeviceLost() {
    surfaceVertices_.Reset();
    frontVertices_.Reset();
    if (spheres_) spheres_->ReleaseVertexBuffers();
}

bool CD3DDrawWaterGraph::OnDeviceReset(IDirect3DDevice9* device) {
    if (!model_) return true;
    const bool buffers = CreateDynamicBuffers(device);
    if (spheres_) spheres_->Create(device);
    SetLightAndMaterials(device);
    device->SetTransform(D3DTS_PROJECTION, AsD3D(projection_));
    return buffers;
}

void CD3DDrawWaterGraph::ReleaseResources() {
    if (readout_) readout_->Release();
    readout_.reset();
    readoutHeights_.reset();
    model_.reset();
    labels_.clear();
    billboard_.reset();
    lines_.reset();
    axes_.reset();
    spheres_.reset();
    surfaceVertices_.Reset();
    surfaceIndices_.Reset();
    frontVertices_.Reset();
    frontIndices_.Reset();
    gradientTexture_.Reset();
    levelTexture_.Reset();
}

void CD3DDrawWaterGraph::SyncFromEditor(const CSynthEditor& editor) {
    const CEditorState& state = editor.State();
    const CParamControl* axis = editor.ControlsParameter(kParamAxis);
    display_.labelsShown = state.Flag(kFlagLabels);
    display_.frozen = state.Flag(kFlagFreeze);
    display_.peaksShown = state.Flag(kFlagPeakHold);
    display_.hidden = state.Flag(kFlag2dView);
    display_.frequencyLabelsShown = state.Flag(kFlagFrequenciesInHertz);
    hover_ = state.Hover();
    options_ = state.Options();
    slope_.Set(SlopeDbPerOctave(options_.slope), settings_.bandTable.get());
    if (model_) model_->SetDisplay(slope_, HistorySeconds(options_.history));
    for (int trace = 0; trace < CSpectrumStore::kReferenceCount; ++trace) {
        display_.referencesShown[trace] =
            state.Flag(static_cast<DisplayFlag>(kFlagReferenceA + trace));
    }
    if (axis != nullptr) {
        display_.axisDepthPercent = static_cast<int>(axis->Value());
        display_.axisShown = axis->IsEnabled();
    }
}

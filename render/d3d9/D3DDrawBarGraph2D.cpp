// The 2D bar graph, its gradient, backdrop and statistics text.
#include "render/d3d9/D3DDrawBarGraph2D.h"

#include <d3d9.h>

#include <cmath>
#include <string>

#include "analysis/LoudnessMeter.h"
#include "analysis/SpectrumStore.h"
#include "diag/Log.h"
#include "editor/SynthEditor.h"
#include "os/Files.h"
#include "params/Settings.h"
#include "render/BarGradient.h"
#include "render/SpectrumReadout.h"
#include "render/d3d9/D3DDrawImage.h"
#include "render/d3d9/D3DDrawText.h"
#include "render/d3d9/D3DReadout.h"
#include "render/d3d9/SpriteBatch.h"
#include "render/d3d9/TexelUpload.h"
#include "render/d3d9/Textures.h"

namespace {

constexpr char kLogSource[] = "D3DDrawBarGraph2D";
constexpr uint32_t kUntinted = 0xFFFFFFFFu;

}  // namespace

CD3DDrawBarGraph2D::CD3DDrawBarGraph2D(CSettings& settings) : settings_(settings) {}

CD3DDrawBarGraph2D::~CD3DDrawBarGraph2D() = default;

bool CD3DDrawBarGraph2D::Init(IDirect3DDevice9* device, int32_t width, int32_t height) {
    width_ = width;
    height_ = height;
    statisticsText_ = std::make_unique<CD3DDrawText>();
    statisticsText_->Init(device, PixelScale());  // without a font the text draws nothing
    statisticsText_->SetColour(CBarGraph2DState::kTextColour);
    if (store_ != nullptr && !store_->IsInitialised()) store_->Initialise();
    readout_ = std::make_unique<CD3DReadout>();
    readout_->Init(device, width, height, PixelScale());  // without it the graph shows no readout
    if (!CreateGradient(device)) return false;
    LoadBackdrop(device);
    return true;
}

bool CD3DDrawBarGraph2D::CreateGradient(IDirect3DDevice9* device) {
    if (!CreateTexture(device, CBarGradient::kWidth, CBarGradient::kHeight, 0, 0, D3DFMT_A8R8G8B8,
                       D3DPOOL_MANAGED, gradient_)) {
        VS_LOG_ERROR("Could not create texture");
        return false;
    }
    const CBarGradient::Texels texels = CBarGradient::Build(settings_.Palette());
    if (!UploadTexels(gradient_.Get(), texels.data(), CBarGradient::kWidth,
                      CBarGradient::kHeight)) {
        VS_LOG_ERROR("Could not lock texture");
        gradient_.Reset();
        return false;
    }
    return true;
}

// A larger editor takes the picture drawn for its size ("Overlay2DGraph200"
// at 200 %) when the Data folder has one, else the 100 % one, stretched.
void CD3DDrawBarGraph2D::LoadBackdrop(IDirect3DDevice9* device) {
    std::string path = settings_.DataPath(CBarGraph2DState::kBackdropName);
    int pictureScalePercent = 100;
    const int percent = static_cast<int>(std::lround(PixelScale() * 100.0f));
    if (percent != 100 && os::PathExists(path + std::to_string(percent))) {
        path += std::to_string(percent);
        pictureScalePercent = percent;
    }
    backdrop_ = std::make_unique<CD3DDrawImage>(path);
    backdrop_->SetPictureScale(pictureScalePercent / 100.0f);
    if (!backdrop_->Init(device, width_, height_)) VS_LOG_ERROR("Could not load backdrop");
    backdrop_->SetSourceRect(
        os::Rect{0, 0, CBarGraph2DState::kBackdropWidth * pictureScalePercent / 100,
                 CBarGraph2DState::kBackdropHeight * pictureScalePercent / 100});
    backdrop_->SetPosition(Vector3{0.0f, 0.0f, 0.0f});
}

void CD3DDrawBarGraph2D::Draw2D(CSpriteBatch* sprite) {
    if (!state_.Shown() || sprite == nullptr) return;
    // Copied under the store lock, drawn after it is released.
    BandLevels level{};
    BandLevels peak{};
    const bool traces = store_ != nullptr && gradient_;
    if (traces) {
        state_.ReadTraces(*store_, level, peak);
        slope_.Apply(level);
        slope_.Apply(peak);
        if (state_.PeaksShown()) DrawColumns(sprite, peak, CBarGraphLayout::Mode::kPeakMarks);
        DrawColumns(sprite, level, CBarGraphLayout::Mode::kBars);
    }
    if (backdrop_ != nullptr) backdrop_->Draw2D(sprite);
    if (statisticsText_ != nullptr) statisticsText_->Draw(sprite);
    if (traces && valuesShown_ && hover_.inside) DrawReadout(sprite, level, peak);
}

// The band whose column is under the cursor, marked over the graph's full
// height at that band's own column.
void CD3DDrawBarGraph2D::DrawReadout(CSpriteBatch* sprite, const BandLevels& level,
                                     const BandLevels& peak) {
    const std::optional<int> band = BandUnderCursor2D(static_cast<float>(hover_.x), 1.0f);
    if (!band || readout_ == nullptr || settings_.bandTable == nullptr) return;
    const CBarGraphLayout layout(height_);
    ReadoutValues values;
    values.frequencyHz = BandCentreHz(*settings_.bandTable, *band);
    values.levelDb = DbOfStoreLevel(level[*band]);
    if (state_.PeaksShown()) values.peakDb = DbOfStoreLevel(peak[*band]);
    const int x = static_cast<int>(CBarGraphLayout::BandX(*band));
    const os::Rect marker{x, static_cast<int>(layout.LevelY(1.0f)), x + 1,
                          static_cast<int>(layout.BaseY())};
    readout_->Draw(sprite, hover_.x, hover_.y, marker, values);
}

void CD3DDrawBarGraph2D::DrawColumns(CSpriteBatch* sprite, const BandLevels& levels,
                                     CBarGraphLayout::Mode mode) {
    CBarGraphLayout(height_).Layout(levels, mode, columns_);
    for (const CBarGraphLayout::Column& column : columns_) {
        if (column.sourceTop >= column.sourceBottom) continue;
        const os::Rect source{0, column.sourceTop, 1, column.sourceBottom};
        const Vector3 position{column.x, column.y, 0.0f};
        sprite->Draw(gradient_.Get(), &source, nullptr, &position, kUntinted);
    }
}

void CD3DDrawBarGraph2D::SyncFromEditor(const CSynthEditor& editor) {
    const CEditorState& state = editor.State();
    state_.Sync(state.Flag(kFlag2dView), state.Flag(kFlagFreeze), state.Flag(kFlagPeakHold),
                settings_.Statistics(), settings_.Loudness().Read());
    hover_ = state.Hover();
    valuesShown_ = state.Options().showValuesUnderMouse;
    slope_.Set(SlopeDbPerOctave(state.Options().slope), settings_.bandTable.get());
    if (!state_.Shown() || statisticsText_ == nullptr) return;
    const bool besideScaledMeter = state.Flag(kFlagMeter) && state.Options().meterWithScale;
    statisticsText_->SetPosition(
        besideScaledMeter ? CBarGraph2DState::kTextXBesideScaledMeter : CBarGraph2DState::kTextX,
        CBarGraph2DState::kTextY);
    statisticsText_->SetText(state_.Text().View());
}

void CD3DDrawBarGraph2D::ReleaseResources() {
    if (backdrop_ != nullptr) backdrop_->ReleaseResources();
    backdrop_.reset();
    if (statisticsText_ != nullptr) statisticsText_->ReleaseFont();
    statisticsText_.reset();
    if (readout_ != nullptr) readout_->Release();
    readout_.reset();
    gradient_.Reset();
    store_ = nullptr;
}

bool CD3DDrawBarGraph2D::BackdropLoaded() const {
    return backdrop_ != nullptr && backdrop_->Loaded();
}

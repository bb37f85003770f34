// CWaterfallModel: the waterfall's per-frame work.
#include "render/WaterfallModel.h"

#include "render/LevelHeight.h"

using namespace WaterGeometry;

namespace {
constexpr int kCurtainTopRow = kColumns;
}

CWaterfallModel::CWaterfallModel(const LevelPalette& palette, float range3dDb)
    : palette_(palette),
      range3dDb_(range3dDb),
      displayed_(&interpolator_.Displayed()),
      curtain_(BuildCurtainVertices()) {
    newestTexels_.fill(LevelTexture::kInitialTexel);
}

void CWaterfallModel::SetDisplay(const CDisplaySlope& slope, double historySeconds) {
    slope_ = &slope;
    history_.SetSpanSeconds(historySeconds);
}

void CWaterfallModel::Advance(CSpectrumStore& store, uint32_t nowMs, double sampleRateHz,
                              const WaterfallFlags& flags) {
    ChooseDisplayed(store, nowMs, sampleRateHz, flags.frozen);
    BuildFrontRow(nowMs);
    if (flags.labelsShown) {
        for (int band = 0; band < kColumns; ++band)
            labelHeights_[band] = surface_.HeightAt(1, band);
    }
    if (flags.peaksShown) {
        TraceHeights(peakLevels_, peakHeights_);
        if (flags.labelsShown) labelHeights_ = peakHeights_;
    }
    BandLevels reference;
    for (int trace = 0; trace < CSpectrumStore::kReferenceCount; ++trace) {
        if (!flags.referencesShown[trace]) continue;
        store.ReadReference(trace, reference);
        TraceHeights(reference, referenceHeights_[trace]);
    }
}

// Frozen: the frozen capture every frame. Otherwise a new block moves the
// blend on, and the blend follows the time since the store's last update.
// An update that lands after nowMs was read makes the elapsed time wrap to
// a huge value, which simply shows the target.
void CWaterfallModel::ChooseDisplayed(CSpectrumStore& store, uint32_t nowMs, double sampleRateHz,
                                      bool frozen) {
    if (frozen) {
        store.ReadFrozen(frozenLevel_, peakLevels_);
        displayed_ = &frozenLevel_;
        return;
    }
    const bool newBlock = store.TakeNewFrame();
    store.ReadSnapshot(snapshotLevel_, peakLevels_);
    if (newBlock) interpolator_.TakeTarget(snapshotLevel_);
    interpolator_.Interpolate(nowMs - store.LastUpdateMs(), sampleRateHz);
    displayed_ = &interpolator_.Displayed();
}

// The front row takes the displayed spectrum, tilted when a slope is set.
// By time, it replaces the front row until the clock closes the row, which
// then moves back holding its maxima.
void CWaterfallModel::BuildFrontRow(uint32_t nowMs) {
    const BandLevels* levels = displayed_;
    if (slope_ != nullptr && !slope_->IsFlat()) {
        tilted_ = *displayed_;
        slope_->Apply(tilted_);
        levels = &tilted_;
    }
    const BandLevels& displayed = *levels;
    for (int band = 0; band < kColumns; ++band) {
        const float normalised = LevelHeight::NormalisedHeight(displayed[band], range3dDb_);
        const float height = normalised * kTopHeight;
        frontHeights_[band] = height;
        WaterVertex& curtainTop = curtain_[kCurtainTopRow + band];
        curtainTop.y = height;
        curtainTop.v = height / kTopHeight;
        newestTexels_[band] = palette_[LevelHeight::PaletteIndexOfHeight(normalised)];
    }
    if (!history_.ByTime()) {
        newRows_ = 1;
        surface_.PushFront(frontHeights_.data());
        return;
    }
    newRows_ = history_.Advance(nowMs, frontHeights_);
    if (newRows_ == 0) {
        surface_.ReplaceFront(frontHeights_.data());
        return;
    }
    surface_.ReplaceFront(history_.ClosedRow().data());
    TexelsOf(history_.ClosedRow(), closedTexels_);
    for (int row = 0; row < newRows_; ++row) surface_.PushFront(frontHeights_.data());
}

void CWaterfallModel::TexelsOf(const BandLevels& heights, LevelTexture::TexelRow& texels) const {
    for (int band = 0; band < kColumns; ++band) {
        texels[band] = palette_[LevelHeight::PaletteIndexOfHeight(heights[band] / kTopHeight)];
    }
}

// Tilted like the front row, so that spheres sit on the surface they mark.
void CWaterfallModel::TraceHeights(BandLevels levels, BandLevels& heights) const {
    if (slope_ != nullptr) slope_->Apply(levels);
    for (int band = 0; band < kColumns; ++band) {
        heights[band] = LevelHeight::HeightOfLevel(levels[band], range3dDb_);
    }
}

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

void CWaterfallModel::Advance(CSpectrumStore& store, uint32_t nowMs, double sampleRateHz,
                              const WaterfallFlags& flags) {
    ChooseDisplayed(store, nowMs, sampleRateHz, flags.frozen);
    BuildFrontRow();
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

void CWaterfallModel::BuildFrontRow() {
    const BandLevels& displayed = *displayed_;
    for (int band = 0; band < kColumns; ++band) {
        const float normalised = LevelHeight::NormalisedHeight(displayed[band], range3dDb_);
        const float height = normalised * kTopHeight;
        frontHeights_[band] = height;
        WaterVertex& curtainTop = curtain_[kCurtainTopRow + band];
        curtainTop.y = height;
        curtainTop.v = height / kTopHeight;
        newestTexels_[band] = palette_[LevelHeight::PaletteIndexOfHeight(normalised)];
    }
    surface_.PushFront(frontHeights_.data());
}

void CWaterfallModel::TraceHeights(const BandLevels& levels, BandLevels& heights) const {
    for (int band = 0; band < kColumns; ++band) {
        heights[band] = LevelHeight::HeightOfLevel(levels[band], range3dDb_);
    }
}

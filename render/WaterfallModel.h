// Everything the waterfall computes per frame, without a device: which
// spectrum enters the front row (frozen, or the newest blocks blended in
// time), the surface's heights and normals, the curtain's profile, the level
// texture's new row, the heights of the peak and reference spheres and the
// heights the peak labels stand on. The Direct3D component drives it once
// per frame and copies its results into buffers and textures.
//
// Thread: user-interface thread only; the store is read under its lock.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analysis/SpectrumStore.h"
#include "render/DisplaySlope.h"
#include "render/LevelTexture.h"
#include "render/RowHistory.h"
#include "render/SpectrumInterpolator.h"
#include "render/WaterSurface.h"

struct WaterfallFlags {
    bool frozen = false;
    bool peaksShown = false;
    bool labelsShown = false;
    std::array<bool, CSpectrumStore::kReferenceCount> referencesShown{};
};

class CWaterfallModel {
public:
    CWaterfallModel(const LevelPalette& palette, float range3dDb);

    // Rows already on the surface keep their heights; new rows use the range.
    void SetRange(float range3dDb) { range3dDb_ = range3dDb; }
    // What is drawn is tilted by the slope (flat draws the levels as they
    // are); the rows hold a span of time, or one frame each at 0.
    void SetDisplay(const CDisplaySlope& slope, double historySeconds);
    float Range3dDb() const { return range3dDb_; }

    // One frame of the shown 3D view (a hidden view does not advance, so it
    // resumes where it stopped). nowMs is the shared timer's time.
    void Advance(CSpectrumStore& store, uint32_t nowMs, double sampleRateHz,
                 const WaterfallFlags& flags);

    const CWaterSurface& Surface() const { return surface_; }
    const std::vector<WaterVertex>& Curtain() const { return curtain_; }
    const LevelTexture::TexelRow& NewestTexels() const { return newestTexels_; }
    // Rows that entered behind the front this frame: 1 at one row per frame;
    // by time 0 (the front row only changed) or more, the first of them
    // closed with ClosedTexels().
    int NewRows() const { return newRows_; }
    bool RowsByTime() const { return history_.ByTime(); }
    const LevelTexture::TexelRow& ClosedTexels() const { return closedTexels_; }
    // The spectrum that entered the front row this frame.
    const BandLevels& Displayed() const { return *displayed_; }
    // Sphere heights of the last frame that showed them.
    const BandLevels& PeakHeights() const { return peakHeights_; }
    const BandLevels& ReferenceHeights(int trace) const { return referenceHeights_[trace]; }
    // What the peak labels stand on: the peak heights when peaks are shown,
    // else the front row of the frame before.
    const BandLevels& LabelHeights() const { return labelHeights_; }

private:
    void ChooseDisplayed(CSpectrumStore& store, uint32_t nowMs, double sampleRateHz, bool frozen);
    void BuildFrontRow(uint32_t nowMs);
    void TexelsOf(const BandLevels& heights, LevelTexture::TexelRow& texels) const;
    void TraceHeights(BandLevels levels, BandLevels& heights) const;

    const LevelPalette& palette_;
    float range3dDb_;
    const CDisplaySlope* slope_ = nullptr;
    CRowHistory history_;
    int newRows_ = 0;
    BandLevels tilted_{};
    LevelTexture::TexelRow closedTexels_{};
    CSpectrumInterpolator interpolator_;
    BandLevels frozenLevel_{};
    BandLevels peakLevels_{};
    BandLevels snapshotLevel_{};
    const BandLevels* displayed_;
    BandLevels frontHeights_{};
    CWaterSurface surface_;
    std::vector<WaterVertex> curtain_;
    LevelTexture::TexelRow newestTexels_{};
    BandLevels peakHeights_{};
    std::array<BandLevels, CSpectrumStore::kReferenceCount> referenceHeights_{};
    BandLevels labelHeights_{};
};

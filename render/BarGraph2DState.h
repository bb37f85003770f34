// What the 2D bar graph keeps between frames apart from its textures: the
// display flags taken from the editor each frame, the statistics text and
// where it stands, and which traces it draws (the live snapshots, or the
// copies captured when the display was frozen).
//
// Threads: user-interface thread only. The store and the statistics are
// read under their own locks, which are released before anything is drawn.
#pragma once

#include <cstdint>

#include "analysis/SpectrumStore.h"
#include "editor/EditorLayout.h"
#include "render/BoundedText.h"
#include "render/ScaledMeter.h"

class CStatistics;
struct CLoudnessSnapshot;

class CBarGraph2DState {
public:
    // The statistics report is three short lines and the loudness line;
    // anything longer is cut.
    using StatisticsText = CBoundedText<255>;
    static constexpr int kTextX = 65;
    static constexpr int kTextY = 20;
    // Beside the meter with scale, which is wider than the plain meter.
    static constexpr int kTextXBesideScaledMeter = CScaledMeter::kWidth + 8;
    static constexpr uint32_t kTextColour = 0xFF00FF00u;  // opaque green
    // The backdrop picture in the plug-in's Data folder and the part of it
    // drawn over the view.
    static constexpr char kBackdropName[] = "Overlay2DGraph";
    static constexpr int kBackdropWidth = kEditorLayout.viewWidth;
    static constexpr int kBackdropHeight = kEditorLayout.viewHeight;

    // Once per display frame. While the 2D view is off nothing else changes
    // and the report is not rebuilt.
    void Sync(bool twoDViewShown, bool frozen, bool peakHoldShown, CStatistics& statistics,
              const CLoudnessSnapshot& loudness);

    bool Shown() const { return shown_; }
    bool PeaksShown() const { return peaksShown_; }
    const StatisticsText& Text() const { return text_; }

    // The levels and peaks to draw, copied under the store lock.
    void ReadTraces(CSpectrumStore& store, BandLevels& level, BandLevels& peak) const;

private:
    bool shown_ = false;
    bool frozen_ = false;
    bool peaksShown_ = false;
    StatisticsText text_;
};

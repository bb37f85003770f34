// The view's own options, chosen from its popup menu and beyond what the
// panel offers. They belong to the plug-in instance: they live in the
// editor state, so they survive closing and reopening the editor, and every
// new instance starts from these defaults, which draw the plain view.
#pragma once

#include <cstdint>
#include <string>

#include "analysis/AnalysisChannels.h"
#include "editor/EditorSize.h"

// A tilt of the displayed levels about 1 kHz, so that music, which falls
// towards the highs, shows its highs.
enum class SpectralSlope : int32_t { kFlat, k3DbPerOctave, k4_5DbPerOctave, k6DbPerOctave };

// How much time the waterfall's rows hold: one row per frame, or a span
// shared out evenly among the rows by the clock.
enum class HistorySpan : int32_t { kOneRowPerFrame, k2Seconds, k5Seconds, k10Seconds, k30Seconds };

struct ViewOptions {
    // The frequency, note and level under the mouse, with a marker.
    bool showValuesUnderMouse = true;
    // Peak labels placed loudest first, skipping any that would overlap.
    bool tidyPeakLabels = false;
    // Opaque meter bars on a dBFS scale with ticks, hold lines and figures.
    bool meterWithScale = false;
    SpectralSlope slope = SpectralSlope::kFlat;
    HistorySpan history = HistorySpan::kOneRowPerFrame;
    AnalysisChannels channels = AnalysisChannels::kLeftPlusRight;
    EditorSize editorSize = EditorSize::k100;
};

double SlopeDbPerOctave(SpectralSlope slope);
// 0 for one row per frame.
double HistorySeconds(HistorySpan history);

// The menu's names: "4.5 dB/oct", "10 s", "Side".
const char* SlopeName(SpectralSlope slope);
const char* HistoryName(HistorySpan history);
const char* ChannelsName(AnalysisChannels channels);

// What differs from the plain spectrum, for a corner of the view: "4.5
// dB/oct · 10 s · Side" (the dot as the view's font writes it, byte 0xB7);
// empty while every one of those options is at its default.
std::string ViewOptionsCaption(const ViewOptions& options);

// Where the mouse rests over the view, in its client pixels; inside is false
// once it has left the view or while a button is held.
struct HoverState {
    bool inside = false;
    int32_t x = 0;
    int32_t y = 0;
};

// Per-instance values that are not host parameters: what the host announced
// (sample rate, largest block), the display settings that the settings
// dialog applies, the camera presets, the level palette, the statistics and
// the two folders the plug-in knows. Nothing of it is stored between runs.
//
// Threads: the user-interface thread writes the dialog-facing fields; the
// fields the audio thread reads (sample rate, fall rates, band table) come
// from AnalysisSettings, which says how they are shared.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "analysis/AnalysisSettings.h"

class CLoudnessMeter;
class CStatistics;

struct CameraPreset {
    float x;
    float y;
    float z;
    float yawDeg;
    float pitchDeg;
};

class CSettings : public AnalysisSettings {
public:
    static constexpr int kPresetCount = 6;
    static constexpr int kPaletteSize = 120;
    enum Preset { kReset, kBack, kRight, kLows, kHighs, kAbove };

    CSettings();
    ~CSettings();

    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    // The plug-in folder, "Data" and name.
    std::string DataPath(const std::string& name) const;
    // Palette entry 0 is the loudest level (red), 119 the quietest (green).
    void BuildPalette();

    CStatistics& Statistics() { return *statistics_; }
    // Loudness of the stereo input, measured whether or not the editor is open.
    CLoudnessMeter& Loudness() { return *loudness_; }
    const std::array<CameraPreset, kPresetCount>& CameraPresets() const { return cameraPresets_; }
    const std::array<uint32_t, kPaletteSize>& Palette() const { return palette_; }
    const std::string& PluginFolder() const { return pluginFolder_; }
    // Empty when the system cannot name the common documents folder.
    const std::string& DocumentsFolder() const { return documentsFolder_; }

    // Fields read and written directly by the plug-in, the dialogs and the
    // renderers.
    int32_t maxBlockSize = 0;
    int32_t range3dDb = -60;
    float controlSensitivity = 0.5f;
    bool showDebugPane = false;
    int32_t maxFrameRate = 60;

private:
    void ResolvePluginFolder();
    void ResolveDocumentsFolder();

    std::unique_ptr<CStatistics> statistics_;
    std::unique_ptr<CLoudnessMeter> loudness_;
    std::array<CameraPreset, kPresetCount> cameraPresets_{};
    std::array<uint32_t, kPaletteSize> palette_{};
    std::string pluginFolder_;
    std::string documentsFolder_;
};

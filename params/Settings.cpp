// CSettings: folders, camera presets and the level palette.
#include "params/Settings.h"

#include "analysis/LoudnessMeter.h"
#include "analysis/Statistics.h"
#include "diag/Log.h"
#include "os/Folders.h"

namespace {

constexpr char kLogSource[] = "Settings";

constexpr std::array<CameraPreset, CSettings::kPresetCount> kCameraPresets = {{
    {5.0f, 285.0f, -750.0f, 0.0f, 17.8304462f},              // Reset
    {-100.0f, 273.0f, 673.0f, 180.0f, 20.0f},                // Back
    {892.0f, 441.0f, 98.0f, 270.0f, 22.0015793f},            // Right
    {-103.0f, 126.0f, -628.0f, 0.0f, 6.52025938f},           // Lows
    {113.265999f, 97.7787018f, -613.0f, 0.0f, 2.86478901f},  // Highs
    {0.0f, 1160.0f, 117.5f, 270.0f, 90.0f},                  // Above
}};

// The folder part of a module path; "." when the path names no folder.
std::string FolderOf(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return ".";
    return path.substr(0, separator);
}

uint32_t Argb(uint32_t red, uint32_t green) {
    return 0xFF000000u | (red << 16) | (green << 8);
}

}  // namespace

CSettings::CSettings() {
    ResolvePluginFolder();
    ResolveDocumentsFolder();
    statistics_ = std::make_unique<CStatistics>();
    loudness_ = std::make_unique<CLoudnessMeter>(sampleRate.load());
    cameraPresets_ = kCameraPresets;
    BuildPalette();
}

// The module's own folder, without a trailing separator: the bar graph's
// backdrop picture lives in its "Data" subfolder (see DataPath). The path is
// a full one, so the folder is all before its last separator.
void CSettings::ResolvePluginFolder() {
    pluginFolder_ = FolderOf(os::ModulePath());
    VS_LOG("Plugin directory is: " << pluginFolder_);
}

CSettings::~CSettings() = default;

std::string CSettings::DataPath(const std::string& name) const {
    return os::JoinPath(os::JoinPath(pluginFolder_, "Data"), name);
}

void CSettings::ResolveDocumentsFolder() {
    documentsFolder_ = os::CommonDocumentsFolder().value_or(std::string());
    VS_LOG("Documents directory is: " << documentsFolder_);
}

// Red, then red to yellow, yellow, then yellow to green, in float32 steps.
void CSettings::BuildPalette() {
    constexpr float kGreenRise = 7.96875f;
    constexpr float kRedFall = 3.642857f;
    for (int entry = 0; entry <= 5; ++entry) palette_[entry] = Argb(255, 0);
    float green = 0.0f;
    for (int entry = 6; entry <= 37; ++entry) {
        palette_[entry] = Argb(255, static_cast<uint32_t>(green));
        green += kGreenRise;
    }
    for (int entry = 38; entry <= 49; ++entry) palette_[entry] = Argb(255, 255);
    float red = 255.0f;
    green = 255.0f;
    for (int entry = 50; entry < kPaletteSize; ++entry) {
        palette_[entry] = Argb(static_cast<uint32_t>(red), static_cast<uint32_t>(green));
        red = red >= kRedFall ? red - kRedFall : 0.0f;
        if (entry > 70) green -= 3.0f;
    }
}

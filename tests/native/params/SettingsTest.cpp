// Per-instance settings: defaults, the level palette and the folders.
#include "params/Settings.h"

#include <gtest/gtest.h>

#include <optional>

#include "analysis/Statistics.h"
#include "diag/ErrorSystem.h"
#include "os/Folders.h"
#include "tests/native/support/DiagnosticsCapture.h"
#include "tests/native/support/LogCapture.h"

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ErrorSystem::Acquire();
        log_.emplace();
        settings_ = std::make_unique<CSettings>();
    }
    void TearDown() override {
        settings_.reset();
        log_.reset();
        ErrorSystem::Release();
    }

    uint32_t Red(int entry) const { return (settings_->Palette()[entry] >> 16) & 0xFF; }
    uint32_t Green(int entry) const { return (settings_->Palette()[entry] >> 8) & 0xFF; }

    DiagnosticsCapture capture_;
    std::optional<LogCapture> log_;
    std::unique_ptr<CSettings> settings_;
};

TEST_F(SettingsTest, StartsFromTheDefaults) {
    EXPECT_EQ(settings_->maxBlockSize, 0);
    EXPECT_EQ(settings_->range3dDb, -60);
    EXPECT_EQ(settings_->controlSensitivity, 0.5f);
    EXPECT_FALSE(settings_->showDebugPane);
    EXPECT_EQ(settings_->maxFrameRate, 60);
    EXPECT_EQ(settings_->peakFallPerSecond.load(), 0.1f);
    EXPECT_EQ(settings_->levelFallPerBlock.load(), 0.11f);
    const CStatistics::Figures figures = settings_->Statistics().Read();
    EXPECT_EQ(figures.overallMaxDb, -120.0);
}

TEST_F(SettingsTest, LogsBothFolders) {
    const std::vector<std::string> expected = {
        "Settings(49) : Plugin directory is: " + settings_->PluginFolder() + "\n",
        "Settings(60) : Documents directory is: " + capture_.Folder().string() + "\n",
    };
    EXPECT_EQ(log_->Lines(), expected);
    EXPECT_EQ(settings_->DocumentsFolder(), capture_.Folder().string());
}

TEST_F(SettingsTest, PluginFolderHasNoTrailingSeparatorAndDataPathBuildsOnIt) {
    const std::string folder = settings_->PluginFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_NE(folder.back(), '\\');
    EXPECT_EQ(os::ModulePath().rfind(folder + "/", 0), 0u) << "the module lies in that folder";
    EXPECT_EQ(settings_->DataPath("Overlay2DGraph"), folder + "/Data/Overlay2DGraph");
}

TEST_F(SettingsTest, PaletteRunsFromRedThroughYellowToGreen) {
    for (int entry = 0; entry < CSettings::kPaletteSize; ++entry) {
        EXPECT_EQ(settings_->Palette()[entry] >> 24, 0xFFu) << entry;
        EXPECT_EQ(settings_->Palette()[entry] & 0xFF, 0u) << entry;
    }
    const struct {
        int entry;
        uint32_t red;
        uint32_t green;
    } expected[] = {{0, 255, 0},    {5, 255, 0},    {6, 255, 0},    {7, 255, 7},    {8, 255, 15},
                    {37, 255, 247}, {38, 255, 255}, {49, 255, 255}, {50, 255, 255}, {51, 251, 255},
                    {60, 218, 255}, {71, 178, 255}, {72, 174, 252}, {100, 72, 168}, {119, 3, 111}};
    for (const auto& e : expected) {
        EXPECT_EQ(Red(e.entry), e.red) << "entry " << e.entry;
        EXPECT_EQ(Green(e.entry), e.green) << "entry " << e.entry;
    }
}

}  // namespace

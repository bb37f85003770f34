// The export's files from a store snapshot: names, the table against the
// store, the columns the view shows, numbering, and failures that log one
// error and leave nothing behind.
#include "editor/ViewExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "analysis/FFT.h"
#include "analysis/LoudnessMeter.h"
#include "analysis/PerformanceTimer.h"
#include "analysis/SpectrumStore.h"
#include "editor/EditorSession.h"
#include "editor/EditorState.h"
#include "os/Files.h"
#include "params/LogarithmicScales.h"
#include "render/DecimalText.h"
#include "render/SpectrumReadout.h"
#include "tests/native/support/LogCapture.h"
#include "tests/native/support/SettingsFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr CalendarTime kTime{2026, 12, 5, 10, 53, 17};
const std::string kStem = "Vantoscope 2026-12-05 10-53-17";

class ViewExportTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        BuildControlsParameters(nullptr, parameters_);
        state_ = std::make_unique<CEditorState>(parameters_[kParamFrequency]->LiveValue());
        store_ = std::make_unique<CSpectrumStore>(*settings_, timer_, CreateBandScale);
        ASSERT_TRUE(store_->Initialise());
        session_.store = store_.get();
        export_ = std::make_unique<CViewExport>(*state_, parameters_, *settings_, session_);
        log_.emplace();
    }
    void TearDown() override {
        log_.reset();
        store_.reset();
        SettingsFixture::TearDown();
    }

    // A ramp over the bins with one band loud, so that rows differ.
    void Feed(int loudBand, double loudDb) {
        std::vector<double> spectrum(CFFT::kSize, CFFT::kFloorDb);
        for (int bin = 1; bin < CFFT::kLevelBins; ++bin) spectrum[bin] = -90.0 + bin * 0.02;
        const BandRange& range = (*settings_->bandTable)[loudBand];
        for (int bin = range.firstBin; bin <= range.lastBin + 1; ++bin) spectrum[bin] = loudDb;
        store_->Update(spectrum.data());
    }
    // The encoder writes part of its file, then succeeds or fails.
    bool Write(bool pictureWritten = true) {
        return export_->Write(
            ViewPicture{3, 2, std::vector<uint32_t>(6, 0xFF102030u)},
            [&](const std::string& path, const ViewPicture& picture) {
                picturePaths_.push_back(path);
                std::ofstream(path) << picture.width * picture.height;
                return pictureWritten;
            },
            kTime);
    }
    fs::path Folder() const { return capture_.Folder() / "Vantoscope"; }
    std::vector<std::string> FilesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Text(const std::string& name) const { return ReadFileBytes(Folder() / name); }
    // The band rows split into fields, empty ones kept.
    std::vector<std::vector<std::string>> Rows(const std::string& name) const {
        std::vector<std::vector<std::string>> rows;
        std::istringstream table(Text(name));
        for (std::string line; std::getline(table, line);) {
            if (line[0] == '#' || line[0] == 'b') continue;
            std::istringstream fields(line.substr(0, line.size() - 1) + ",");
            rows.emplace_back();
            for (std::string field; std::getline(fields, field, ',');) rows.back().push_back(field);
        }
        return rows;
    }
    void ExpectLevels(const std::string& name, const BandLevels& levels, int column) const {
        const auto rows = Rows(name);
        ASSERT_EQ(rows.size(), 256u);
        for (int band = 0; band < kBandCount; ++band)
            EXPECT_EQ(rows[band][column], FixedText(DbOfStoreLevel(levels[band]), 2)) << band;
    }

    CPerformanceTimer timer_;
    ParamList parameters_;
    std::unique_ptr<CEditorState> state_;
    std::unique_ptr<CSpectrumStore> store_;
    EditorSession session_;
    std::unique_ptr<CViewExport> export_;
    std::optional<LogCapture> log_;
    std::vector<std::string> picturePaths_;
};

TEST_F(ViewExportTest, WritesBothFilesUnderTheTimeStampedNameAndLogsThem) {
    Feed(120, -6.0);
    parameters_[kParamAverage]->SetValue(5);
    ASSERT_TRUE(Write());
    EXPECT_EQ(FilesInFolder(), (std::vector<std::string>{kStem + ".csv", kStem + ".png"}))
        << "no temporary file is left";
    EXPECT_EQ(ReadFileBytes(Folder() / (kStem + ".png")), "6");
    EXPECT_EQ(picturePaths_, std::vector<std::string>{(Folder() / (kStem + ".png.tmp")).string()});
    EXPECT_TRUE(log_->Contains("Exported " + (Folder() / (kStem + ".png")).string()));
    EXPECT_TRUE(log_->Contains("Exported " + (Folder() / (kStem + ".csv")).string()));
    EXPECT_TRUE(capture_.ErrorBoxes().empty());
    EXPECT_EQ(Text(kStem + ".csv")
                  .rfind("# product,Vantoscope\r\n# version,0.81\r\n# date_time,"
                         "2026-12-05 10:53:17\r\n# sample_rate_hz,44100\r\n# Ave,5\r\n",
                         0),
              0u);
}

TEST_F(ViewExportTest, LoudnessFactsAreEmptyUntilMeasuredThenInLufs) {
    Feed(120, -6.0);
    ASSERT_TRUE(Write());
    const std::string before = Text(kStem + ".csv");
    for (const char* key : {"loudness_momentary_lufs", "loudness_integrated_lufs",
                            "loudness_range_lu", "true_peak_dbtp", "max_short_term_lufs"})
        EXPECT_NE(before.find(std::string("# ") + key + ",\r\n"), std::string::npos) << key;

    // Four seconds of digital silence: measured, but nothing passes the gates.
    CLoudnessMeter& loudness = settings_->Loudness();
    const std::vector<float> silence(44100, 0.0f);
    for (int second = 0; second < 4; ++second)
        loudness.Process(silence.data(), silence.data(), 44100);
    ASSERT_TRUE(Write());
    const std::string after = Text(kStem + " (2).csv");
    EXPECT_NE(after.find("# loudness_momentary_lufs,-inf\r\n"), std::string::npos);
    EXPECT_NE(after.find("# max_short_term_lufs,-inf\r\n"), std::string::npos);
    EXPECT_NE(after.find("# loudness_integrated_lufs,\r\n"), std::string::npos)
        << "nothing above the absolute gate";
}

TEST_F(ViewExportTest, RowsHoldTheStoreLevelsAndOnlyTheColumnsTheViewShows) {
    Feed(200, -3.0);
    store_->CaptureReference(0, false);
    Feed(120, -6.0);
    store_->CaptureReference(1, false);
    state_->SetFlag(kFlagReferenceB, true);  // A is stored but hidden
    ASSERT_TRUE(Write());
    BandLevels level{}, peak{};
    store_->ReadSnapshot(level, peak);
    ExpectLevels(kStem + ".csv", level, 2);
    ExpectLevels(kStem + ".csv", level, 5);
    for (const auto& row : Rows(kStem + ".csv"))
        EXPECT_EQ(row[3] + row[4] + row[6] + row[7], "") << "peaks off, A, C and D hidden";

    state_->SetFlag(kFlagPeakHold, true);
    ASSERT_TRUE(Write());
    ExpectLevels(kStem + " (2).csv", peak, 3);
    EXPECT_FLOAT_EQ(*std::max_element(peak.begin(), peak.end()), 1.0f - 3.0f / 120.0f);
}

TEST_F(ViewExportTest, FrozenViewExportsTheFrozenCapture) {
    Feed(140, -10.0);
    store_->CaptureFreeze();
    state_->SetFlag(kFlagFreeze, true);
    Feed(220, -10.0);
    ASSERT_TRUE(Write());
    BandLevels frozen{}, frozenPeak{};
    store_->ReadFrozen(frozen, frozenPeak);
    ExpectLevels(kStem + ".csv", frozen, 2);
    EXPECT_NE(Text(kStem + ".csv").find("\r\n# frozen,yes\r\n"), std::string::npos);
}

TEST_F(ViewExportTest, FailuresLogOneErrorEachAndLeaveNoFile) {
    store_->Release();
    EXPECT_FALSE(Write());
    ASSERT_TRUE(store_->Initialise());
    Feed(120, -6.0);
    EXPECT_FALSE(Write(false));
    EXPECT_TRUE(FilesInFolder().empty()) << "neither the table nor the partial picture stays";
    fs::remove(Folder());
    std::ofstream(Folder()) << "a file where the folder belongs";
    EXPECT_FALSE(Write());
    EXPECT_EQ(picturePaths_.size(), 1u) << "only the second attempt reached the encoder";
    const std::vector<ErrorBox> errors = capture_.ErrorBoxes();
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].text.find("Export failed: there is no spectrum yet"), std::string::npos);
    EXPECT_NE(errors[1].text.find("Export failed: could not write"), std::string::npos);
    EXPECT_NE(errors[2].text.find("Export failed: could not create"), std::string::npos);
    EXPECT_FALSE(log_->Contains("Exported"));
}

}  // namespace

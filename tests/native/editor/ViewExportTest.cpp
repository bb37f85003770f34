// The export's files from a store snapshot: names, the written table
// against the store, the columns the view shows, numbering, and failures
// that log one error and leave nothing behind.
#include "editor/ViewExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "analysis/FFT.h"
#include "analysis/PerformanceTimer.h"
#include "analysis/SpectrumStore.h"
#include "editor/EditorSession.h"
#include "editor/EditorState.h"
#include "os/Files.h"
#include "render/DecimalText.h"
#include "render/SpectrumReadout.h"
#include "tests/native/support/FakeSystem.h"
#include "tests/native/support/LogCapture.h"
#include "tests/native/support/SettingsFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr CalendarTime kTime{2026, 12, 5, 10, 53, 17};
constexpr char kStem[] = "Vantoscope 2026-12-05 10-53-17";

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + separator.size()) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

class ViewExportTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        timer_ = std::make_unique<CPerformanceTimer>();
        BuildControlsParameters(nullptr, parameters_);
        state_ = std::make_unique<CEditorState>(parameters_[kParamFrequency]->LiveValue());
        store_ = std::make_unique<CSpectrumStore>(*settings_, *timer_);
        ASSERT_TRUE(store_->Initialise());
        session_.store = store_.get();
        export_ = std::make_unique<CViewExport>(*state_, parameters_, *settings_, session_);
        log_.emplace();
    }
    void TearDown() override {
        log_.reset();
        export_.reset();
        store_.reset();
        state_.reset();
        parameters_.clear();
        timer_.reset();
        SettingsFixture::TearDown();
    }

    // A ramp over the bands with one loud band, so every row differs.
    void Feed(int loudBand, double loudDb) {
        std::vector<double> spectrum(CFFT::kSize, CFFT::kFloorDb);
        for (int bin = 1; bin < CFFT::kLevelBins; ++bin) spectrum[bin] = -90.0 + bin * 0.02;
        const BandRange& range = (*settings_->bandTable)[loudBand];
        for (int bin = range.firstBin; bin <= range.lastBin + 1; ++bin) spectrum[bin] = loudDb;
        store_->Update(spectrum.data());
    }
    bool Write(bool pictureWritten = true) {
        const ViewPicture picture{3, 2, std::vector<uint32_t>(6, 0xFF102030u)};
        return export_->Write(
            picture,
            [this, pictureWritten](const std::string& path, const ViewPicture& shown) {
                picturePaths_.push_back(path);
                const std::string bytes = std::to_string(shown.width * shown.height);
                // A failing encoder leaves a partial file behind.
                os::WriteWholeFile(path, bytes.data(), bytes.size());
                return pictureWritten;
            },
            kTime);
    }
    fs::path Folder() const { return capture_.Folder() / "Vantoscope"; }
    std::vector<std::string> FilesInFolder() const {
        std::vector<std::string> names;
        if (fs::is_directory(Folder())) {
            for (const auto& entry : fs::directory_iterator(Folder()))
                names.push_back(entry.path().filename().string());
        }
        return names;
    }
    // Every line of the table, and the rows split into fields.
    std::vector<std::string> TableLines(const std::string& name) const {
        std::vector<std::string> lines = Split(ReadFileBytes(Folder() / name), "\r\n");
        EXPECT_EQ(lines.back(), "") << "the last line ends too";
        lines.pop_back();
        return lines;
    }
    std::vector<std::vector<std::string>> Rows(const std::string& name) const {
        std::vector<std::vector<std::string>> rows;
        for (const std::string& line : TableLines(name)) {
            if (line[0] != '#' && line.rfind("band,", 0) != 0) rows.push_back(Split(line, ","));
        }
        return rows;
    }
    BandLevels StoreLevels() {
        BandLevels level{}, peak{};
        store_->ReadSnapshot(level, peak);
        return level;
    }

    std::unique_ptr<CPerformanceTimer> timer_;
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
    const std::string png = std::string(kStem) + ".png", csv = std::string(kStem) + ".csv";
    EXPECT_EQ(ReadFileBytes(Folder() / png), "6");
    ASSERT_EQ(picturePaths_.size(), 1u);
    EXPECT_EQ(picturePaths_[0], (Folder() / (png + ".tmp")).string())
        << "the picture is written under a temporary name first";
    std::vector<std::string> files = FilesInFolder();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{csv, png})) << "no temporary file is left";
    EXPECT_TRUE(log_->Contains("Exported " + (Folder() / png).string()));
    EXPECT_TRUE(log_->Contains("Exported " + (Folder() / csv).string()));
    EXPECT_TRUE(capture_.ErrorBoxes().empty());

    const std::vector<std::string> lines = TableLines(csv);
    const std::vector<std::string> facts(lines.begin(), lines.begin() + 5);
    EXPECT_EQ(facts, (std::vector<std::string>{"# product,Vantoscope", "# version,0.1.0",
                                               "# date_time,2026-12-05 10:53:17",
                                               "# sample_rate_hz,44100", "# Ave,5"}));
}

TEST_F(ViewExportTest, RowsHoldTheStoreLevelsAndOnlyTheColumnsTheViewShows) {
    Feed(200, -3.0);
    store_->CaptureReference(0, false);
    Feed(120, -6.0);
    store_->CaptureReference(1, false);
    state_->SetFlag(kFlagReferenceB, true);  // A is stored but hidden
    ASSERT_TRUE(Write());
    const auto rows = Rows(std::string(kStem) + ".csv");
    ASSERT_EQ(rows.size(), 256u);
    const BandLevels levels = StoreLevels();
    double loudestDb = -200.0;
    for (int band = 0; band < kBandCount; ++band) {
        const std::vector<std::string>& row = rows[band];
        ASSERT_EQ(row.size(), 8u) << band;
        EXPECT_EQ(row[0], std::to_string(band));
        EXPECT_EQ(row[1], FixedText(BandCentreHz(*settings_->bandTable, band), 2));
        EXPECT_EQ(row[2], FixedText(DbOfStoreLevel(levels[band]), 2)) << band;
        EXPECT_EQ(row[3], "") << "peaks are off";
        EXPECT_EQ(row[4], "") << "reference A is hidden";
        EXPECT_EQ(row[5], row[2]) << "reference B holds the same levels";
        EXPECT_EQ(row[6] + row[7], "");
        loudestDb = std::max(loudestDb, std::stod(row[2]));
    }
    EXPECT_NEAR(loudestDb, -6.0, 0.01);

    state_->SetFlag(kFlagPeakHold, true);
    ASSERT_TRUE(Write());
    double loudestPeakDb = -200.0;
    for (const auto& row : Rows(std::string(kStem) + " (2).csv"))
        loudestPeakDb = std::max(loudestPeakDb, std::stod(row[3]));
    EXPECT_NEAR(loudestPeakDb, -3.0, 0.01) << "the held peak of the earlier block";
}

TEST_F(ViewExportTest, FrozenViewExportsTheFrozenCapture) {
    Feed(140, -10.0);
    store_->CaptureFreeze();
    state_->SetFlag(kFlagFreeze, true);
    Feed(220, -10.0);
    ASSERT_TRUE(Write());
    const auto rows = Rows(std::string(kStem) + ".csv");
    BandLevels frozen{}, frozenPeak{};
    store_->ReadFrozen(frozen, frozenPeak);
    const BandLevels live = StoreLevels();
    int differing = 0;
    for (int band = 0; band < kBandCount; ++band) {
        EXPECT_EQ(rows[band][2], FixedText(DbOfStoreLevel(frozen[band]), 2)) << band;
        differing += frozen[band] != live[band];
    }
    EXPECT_GT(differing, 0) << "the live levels moved on";
    EXPECT_EQ(TableLines(std::string(kStem) + ".csv")[6], "# frozen,yes");
}

TEST_F(ViewExportTest, FailuresLogOneErrorAndLeaveNoFile) {
    Feed(120, -6.0);
    EXPECT_FALSE(Write(false));
    ASSERT_EQ(capture_.ErrorBoxes().size(), 1u);
    EXPECT_NE(capture_.ErrorBoxes()[0].text.find("Export failed: could not write"),
              std::string::npos);
    EXPECT_TRUE(FilesInFolder().empty()) << "neither the table nor the partial picture stays";
    EXPECT_FALSE(log_->Contains("Exported"));

    fs::remove(Folder());
    std::ofstream(Folder()) << "a file where the folder belongs";
    EXPECT_FALSE(Write());
    ASSERT_EQ(capture_.ErrorBoxes().size(), 2u);
    EXPECT_NE(capture_.ErrorBoxes()[1].text.find("Export failed: could not create"),
              std::string::npos);
    EXPECT_EQ(picturePaths_.size(), 1u) << "nothing is encoded when the folder is missing";
}

TEST_F(ViewExportTest, UnknownDocumentsFolderOrEmptyStoreIsReported) {
    store_->Release();
    EXPECT_FALSE(Write());
    os::testing::SetCommonDocumentsFolder(std::nullopt);
    CSettings withoutFolder;
    // Back before the error, whose log file goes to the documents folder.
    os::testing::SetCommonDocumentsFolder(capture_.Folder().string());
    CViewExport homeless(*state_, parameters_, withoutFolder, session_);
    EXPECT_FALSE(homeless.Write(
        {}, [](const std::string&, const ViewPicture&) { return true; }, kTime));
    ASSERT_EQ(capture_.ErrorBoxes().size(), 2u);
    EXPECT_NE(capture_.ErrorBoxes()[0].text.find("there is no spectrum yet"), std::string::npos);
    EXPECT_NE(capture_.ErrorBoxes()[1].text.find("the documents folder is unknown"),
              std::string::npos);
    EXPECT_TRUE(picturePaths_.empty());
}

}  // namespace

// The export's table text, whatever the locale, and its file names.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <locale>
#include <set>
#include <sstream>

#include "editor/ExportCsv.h"
#include "editor/ExportNaming.h"

namespace {

// A decimal comma for the C++ streams of the process.
struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

class ExportCsvTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int band = 0; band < kBandCount; ++band) frequencyHz_[band] = 20.0 + band * 0.5;
        level_.fill(0.5f);
        level_[0] = 1.0f;
        level_[1] = 0.99f;
        level_[2] = 0.0f;
        peak_.fill(0.75f);
        referenceB_.fill(0.95f);
        columns_.frequencyHz = &frequencyHz_;
        columns_.level = &level_;
        columns_.peak = &peak_;
        columns_.references[1] = &referenceB_;
    }
    std::string Build() const {
        return BuildExportCsv({{"product", "Vantoscope 0.1.0"},
                               {"sample_rate_hz", "44100"},
                               {"statistics", "peak \"-1.0\", rms -12.5"}},
                              columns_);
    }

    std::array<double, kBandCount> frequencyHz_{};
    ExportLevels level_{};
    ExportLevels peak_{};
    ExportLevels referenceB_{};
    ExportColumns columns_;
};

TEST_F(ExportCsvTest, FactsHeaderAndBandRowsAreWrittenExactlyWithEmptyMissingColumns) {
    const std::string text = Build();
    const std::string head =
        "# product,Vantoscope 0.1.0\r\n"
        "# sample_rate_hz,44100\r\n"
        "# statistics,\"peak \"\"-1.0\"\", rms -12.5\"\r\n"
        "band,frequency_hz,level_db,peak_db,ref_a_db,ref_b_db,ref_c_db,ref_d_db\r\n"
        "0,20.00,0.00,-30.00,,-6.00,,\r\n"
        "1,20.50,-1.20,-30.00,,-6.00,,\r\n"
        "2,21.00,-120.00,-30.00,,-6.00,,\r\n"
        "3,21.50,-60.00,-30.00,,-6.00,,\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    const std::string tail = "255,147.50,-60.00,-30.00,,-6.00,,\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 1 + 256);
}

TEST_F(ExportCsvTest, DecimalPointStaysAPointUnderACommaLocale) {
    const std::string expected = Build();
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaDecimal));
    std::ostringstream probe;
    probe << 1.5;
    EXPECT_EQ(probe.str(), "1,5");  // the stream locale really is in force
    EXPECT_EQ(Build(), expected);
    std::locale::global(previous);
    const std::string cLocale = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German_Germany.1252"}) {
        if (std::setlocale(LC_ALL, name) == nullptr) continue;
        EXPECT_EQ(Build(), expected) << name;
        std::setlocale(LC_ALL, cLocale.c_str());
        return;
    }
    GTEST_SKIP() << "stream locale checked; no C locale with a decimal comma is installed";
}

TEST(ExportNaming, NamesCarryTheLocalTimeWithoutColons) {
    const CalendarTime time{2024, 1, 2, 3, 4, 5};
    EXPECT_EQ(ExportStem(time), "Vantoscope 2024-01-02 03-04-05");
    EXPECT_EQ(DateTimeText({2024, 12, 31, 23, 59, 59}), "2024-12-31 23:59:59");
    EXPECT_EQ(TemporaryName("Vantoscope 2024-01-02 03-04-05.png"),
              "Vantoscope 2024-01-02 03-04-05.png.tmp");
}

TEST(ExportNaming, BothFilesTakeTheFirstNumberFreeForBoth) {
    const CalendarTime time{2024, 5, 1, 14, 3, 7};
    std::set<std::string> taken;
    const FileExists exists = [&](const std::string& name) { return taken.count(name) > 0; };
    auto png = [&] { return ChooseExportNames(time, exists)->png; };
    EXPECT_EQ(ChooseExportNames(time, exists)->csv, "Vantoscope 2024-05-01 14-03-07.csv");
    taken.insert("Vantoscope 2024-05-01 14-03-07.csv");  // only the table is there
    EXPECT_EQ(png(), "Vantoscope 2024-05-01 14-03-07 (2).png");
    taken.insert("Vantoscope 2024-05-01 14-03-07 (2).png");
    EXPECT_EQ(ChooseExportNames(time, exists)->csv, "Vantoscope 2024-05-01 14-03-07 (3).csv");
    EXPECT_FALSE(ChooseExportNames(time, exists, 2));
    EXPECT_FALSE(ChooseExportNames(time, [](const std::string&) { return true; }));
}

}  // namespace

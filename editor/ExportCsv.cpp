// Export table text.
#include "editor/ExportCsv.h"

#include <cassert>

#include "render/DecimalText.h"
#include "render/SpectrumReadout.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kHeader =
    "band,frequency_hz,level_db,peak_db,ref_a_db,ref_b_db,ref_c_db,ref_d_db";

// ",-12.34" for a level of an optional column, "," alone without it.
void AppendLevel(std::string& line, const ExportLevels* levels, int band) {
    line += ',';
    if (levels == nullptr) return;
    line += FixedText(DbOfStoreLevel((*levels)[static_cast<size_t>(band)]), 2);
}

std::string BandRow(const ExportColumns& columns, int band) {
    std::string line = std::to_string(band) + ',';
    line += FixedText((*columns.frequencyHz)[static_cast<size_t>(band)], 2);
    AppendLevel(line, columns.level, band);
    AppendLevel(line, columns.peak, band);
    for (const ExportLevels* reference : columns.references) AppendLevel(line, reference, band);
    return line + kLineEnd;
}

}  // namespace

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string BuildExportCsv(const ExportFacts& facts, const ExportColumns& columns) {
    assert(columns.frequencyHz != nullptr && columns.level != nullptr);
    std::string text;
    for (const auto& [key, value] : facts) {
        text += "# " + CsvField(key) + ',' + CsvField(value) + kLineEnd;
    }
    text += std::string(kHeader) + kLineEnd;
    for (int band = 0; band < kBandCount; ++band) text += BandRow(columns, band);
    return text;
}

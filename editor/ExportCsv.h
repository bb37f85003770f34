// The table of an export: "# key,value" lines with what was measured and
// how, then one row per band with its frequency and levels in dB. UTF-8,
// comma-separated, CRLF line ends, '.' decimal point whatever the locale.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "analysis/BandRange.h"

using ExportLevels = std::array<float, kBandCount>;
using ExportFacts = std::vector<std::pair<std::string, std::string>>;

// Levels are store levels (0.0 is -120 dB, 1.0 is 0 dB); a column given as
// null (peaks off, a reference not stored) is written as empty fields.
struct ExportColumns {
    const std::array<double, kBandCount>* frequencyHz = nullptr;
    const ExportLevels* level = nullptr;
    const ExportLevels* peak = nullptr;
    std::array<const ExportLevels*, 4> references{};
};

// The facts in the caller's order (product and version, time, sample rate,
// averaging, statistics, ...), then the header line and 256 rows. Both
// frequencyHz and level must be given.
std::string BuildExportCsv(const ExportFacts& facts, const ExportColumns& columns);

// A field as written: quoted, with doubled quotes, when it holds a comma, a
// quote or a line break.
std::string CsvField(const std::string& text);

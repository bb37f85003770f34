// Names of the files one export writes: "Vantoscope 2024-05-01 14-03-07"
// with ".png" and ".csv", numbered " (2)", " (3)" ... when a file of that
// name is already there, both files sharing one number.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "os/CalendarTime.h"

struct ExportNames {
    std::string png;
    std::string csv;
};

// Whether a file of that name exists in the folder the export goes to.
using FileExists = std::function<bool(const std::string& name)>;

// "2024-05-01 14:03:07", the time stamp written into the exported table.
std::string DateTimeText(const CalendarTime& time);

// "Vantoscope 2024-05-01 14-03-07": no colons, which Windows forbids.
std::string ExportStem(const CalendarTime& time);

// The first numbering (none, then 2, 3, ... up to maxNumber) for which
// neither file exists; nothing when every one is taken.
std::optional<ExportNames> ChooseExportNames(const CalendarTime& time, const FileExists& exists,
                                             int maxNumber = 999);

// The name a file is written under before it is renamed into place, so a
// half-written export never carries the final name.
std::string TemporaryName(const std::string& finalName);

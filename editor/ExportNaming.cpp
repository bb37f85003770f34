// Export file names and time stamps.
#include "editor/ExportNaming.h"

namespace {

// At least two digits, as dates and times are written.
std::string TwoDigits(int value) {
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

std::string DateText(const CalendarTime& time) {
    return std::to_string(time.year) + "-" + TwoDigits(time.month) + "-" + TwoDigits(time.day);
}

std::string ClockText(const CalendarTime& time, char separator) {
    return TwoDigits(time.hour) + separator + TwoDigits(time.minute) + separator +
           TwoDigits(time.second);
}

ExportNames NamesOf(const std::string& stem, int number) {
    const std::string numbered = number > 1 ? stem + " (" + std::to_string(number) + ")" : stem;
    return {numbered + ".png", numbered + ".csv"};
}

}  // namespace

std::string DateTimeText(const CalendarTime& time) {
    return DateText(time) + " " + ClockText(time, ':');
}

std::string ExportStem(const CalendarTime& time) {
    return "Vantoscope " + DateText(time) + " " + ClockText(time, '-');
}

std::optional<ExportNames> ChooseExportNames(const CalendarTime& time, const FileExists& exists,
                                             int maxNumber) {
    const std::string stem = ExportStem(time);
    for (int number = 1; number <= maxNumber; ++number) {
        ExportNames names = NamesOf(stem, number);
        if (!exists(names.png) && !exists(names.csv)) return names;
    }
    return std::nullopt;
}

std::string TemporaryName(const std::string& finalName) {
    return finalName + ".tmp";
}

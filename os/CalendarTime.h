// A local date and time broken down as people read it, filled by the OS
// layer and used to name and stamp exports.
#pragma once

struct CalendarTime {
    int year;    // e.g. 2024
    int month;   // 1..12
    int day;     // 1..31
    int hour;    // 0..23
    int minute;  // 0..59
    int second;  // 0..59 (60 on a leap second)
};

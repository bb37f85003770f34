// The few file operations an export needs. Paths are the platform's own;
// every call reports failure through its result and leaves no partial file.
#pragma once

#include <cstddef>
#include <string>

struct CalendarTime;

namespace os {

bool PathExists(const std::string& path);

// True when a folder is at path afterwards, made now or there before.
bool EnsureFolder(const std::string& path);

// Creates or truncates the file and writes size bytes. On failure whatever
// was written is removed again.
bool WriteWholeFile(const std::string& path, const void* data, size_t size);

// Renames from to to, replacing a file that is there.
bool MoveReplacing(const std::string& from, const std::string& to);

// Removes a file; a missing file is no error.
void RemoveFile(const std::string& path);

// The local date and time now.
void ReadLocalCalendarTime(CalendarTime& time);

}  // namespace os

// Win32 side of the export's file operations.
#include "os/Files.h"

#include <windows.h>

#include "os/CalendarTime.h"

namespace os {

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool EnsureFolder(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteWholeFile(const std::string& path, const void* data, size_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const auto* bytes = static_cast<const char*>(data);
    bool written = true;
    while (written && size > 0) {
        const DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD done = 0;
        written = WriteFile(file, bytes, chunk, &done, nullptr) && done == chunk;
        bytes += chunk;
        size -= chunk;
    }
    written = CloseHandle(file) && written;
    if (!written) DeleteFileA(path.c_str());
    return written;
}

bool MoveReplacing(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

void RemoveFile(const std::string& path) {
    DeleteFileA(path.c_str());
}

void ReadLocalCalendarTime(CalendarTime& time) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    time = CalendarTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace os

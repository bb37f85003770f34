// POSIX side of the export's file operations. The local time follows the
// wall clock hook, as the local time texts do.
#include "os/Files.h"

#include <stdio.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "os/CalendarTime.h"
#include "os/posix/Seams.h"

namespace os {

bool PathExists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

bool EnsureFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0777) == 0) return true;
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool WriteWholeFile(const std::string& path, const void* data, size_t size) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool written = fwrite(data, 1, size, file) == size;
    written = fclose(file) == 0 && written;
    if (!written) unlink(path.c_str());
    return written;
}

bool MoveReplacing(const std::string& from, const std::string& to) {
    return rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::string& path) {
    unlink(path.c_str());
}

void ReadLocalCalendarTime(CalendarTime& time) {
    const time_t seconds = posix::WallClockSeconds();
    tm local{};
    localtime_r(&seconds, &local);
    time = CalendarTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                        local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace os

// Logging shorthands. Each source file defines
//     constexpr char kLogSource[] = "FileName";
// and logs with VS_LOG(a << b) or VS_LOG_ERROR(a << b); the line number of
// the call is added automatically. Numbers use the standard stream defaults.
#pragma once

#include <sstream>
#include <string>

namespace diag {

// Both do nothing while no ErrorSystem exists.
void LogLine(const std::string& text, const char* sourceFile, int line);
void LogErrorLine(const std::string& text, const char* sourceFile, int line);

}  // namespace diag

#define VS_LOG(streamed)                                         \
    do {                                                         \
        std::ostringstream vsLogText_;                           \
        vsLogText_ << streamed;                                  \
        ::diag::LogLine(vsLogText_.str(), kLogSource, __LINE__); \
    } while (0)

#define VS_LOG_ERROR(streamed)                                        \
    do {                                                              \
        std::ostringstream vsLogText_;                                \
        vsLogText_ << streamed;                                       \
        ::diag::LogErrorLine(vsLogText_.str(), kLogSource, __LINE__); \
    } while (0)

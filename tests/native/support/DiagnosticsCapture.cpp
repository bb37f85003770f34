#include "tests/native/support/DiagnosticsCapture.h"

#include <time.h>
#include <unistd.h>

#include <ctime>
#include <fstream>
#include <sstream>

#include "tests/native/support/FakeSystem.h"

namespace fs = std::filesystem;

namespace {

// The moment whose local texts are kDate and kTime.
std::time_t FixedWallClock() {
    std::tm local{};
    strptime("2026-12-05 10:53:17", "%Y-%m-%d %H:%M:%S", &local);
    local.tm_isdst = -1;
    return std::mktime(&local);
}

}  // namespace

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

DiagnosticsCapture::DiagnosticsCapture() {
    std::string pattern = (fs::temp_directory_path() / "vantoscope-test-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    os::testing::SetCommonDocumentsFolder(folder_.string());
    os::testing::SetWallClock(FixedWallClock());
    os::testing::SetLastErrorCode(0);
    os::testing::SetDebugOutputSink([this](const std::string& text) {
        std::lock_guard<std::mutex> hold(mutex_);
        debugOutput_.push_back(text);
    });
    os::testing::SetErrorBoxSink([this](const std::string& text, const std::string& caption) {
        std::lock_guard<std::mutex> hold(mutex_);
        errorBoxes_.push_back(ErrorBox{text, caption});
    });
}

DiagnosticsCapture::~DiagnosticsCapture() {
    os::testing::SetDebugOutputSink(nullptr);
    os::testing::SetErrorBoxSink(nullptr);
    os::testing::SetWallClock(std::nullopt);
    os::testing::ResetCommonDocumentsFolder();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

std::string DiagnosticsCapture::LogFileBytes() const {
    return ReadFileBytes(LogFile());
}

std::vector<std::string> DiagnosticsCapture::DebugOutput() const {
    std::lock_guard<std::mutex> hold(mutex_);
    return debugOutput_;
}

std::vector<ErrorBox> DiagnosticsCapture::ErrorBoxes() const {
    std::lock_guard<std::mutex> hold(mutex_);
    return errorBoxes_;
}

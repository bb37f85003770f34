// ErrorSystem: log entries, HTML pending text, listeners and the log file.
#include "diag/ErrorSystem.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "diag/Log.h"
#include "os/Clock.h"
#include "os/Diagnostics.h"
#include "os/Folders.h"

namespace {

constexpr char kLogFileName[] = "Vantoscope Log.html";
constexpr char kLineBreak[] = "<br>";

ErrorSystem* gInstance = nullptr;
int32_t gReferenceCount = 0;

std::string SourcePrefix(const char* sourceFile, int line) {
    return std::string(sourceFile) + "(" + std::to_string(line) + ")" + " : ";
}

// The file is written as a text stream would write it on Windows: every line
// feed becomes CR LF. Doing the conversion here keeps the bytes the same on
// every platform.
std::string WithCrLf(const std::string& text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

}  // namespace

void ErrorSystem::Acquire() {
    if (gInstance == nullptr) {
        gInstance = new ErrorSystem();
        os::DebugOutput("ErrorSystem Created. Version 0.2 September 2012. Brenwick\n");
    } else {
        os::DebugOutput("ErrorSystem Ref Count++\n");
    }
    ++gReferenceCount;
}

void ErrorSystem::Release() {
    const int32_t before = gReferenceCount--;
    if (before == 1) {
        delete gInstance;
        gInstance = nullptr;
        os::DebugOutput("ErrorSystem Destroyed.\n");
    } else {
        os::DebugOutput("ErrorSystem Ref Count--\n");
    }
}

ErrorSystem* ErrorSystem::Instance() {
    return gInstance;
}

std::string ErrorSystem::LogFilePath() {
    const std::optional<std::string> folder = os::CommonDocumentsFolder();
    if (!folder) return kLogFileName;
    return os::JoinPath(*folder, kLogFileName);
}

ErrorSystem::ErrorSystem() {
    pending_.reserve(4096);
    { std::ofstream truncate(LogFilePath(), std::ios::binary | std::ios::trunc); }

    const os::LocalTimeTexts now = os::ReadLocalTimeTexts();
    AppendEntry("<HTML>\n<HEAD>\n<TITLE>Orlemar Plugin System Log</TITLE>\n</HEAD>");
    AppendEntry("\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\">\n");
    AppendEntry("<h1>Orlemar Plugin System Log</h1>\n<hr>");
    AppendEntry("Logging started at " + now.time + " on " + now.date);
    LogBlankLine();
}

ErrorSystem::~ErrorSystem() {
    {
        Hold hold(*this);
        listeners_.clear();
    }
    WriteLogFile();
}

void ErrorSystem::Log(const std::string& text, const char* sourceFile, int line) {
    Hold hold(*this);
    std::string entry = sourceFile != nullptr ? SourcePrefix(sourceFile, line) + text : text;
    entry += '\n';
    os::DebugOutput(entry.c_str());
    AppendEntry(entry);
}

void ErrorSystem::LogError(const std::string& text, const char* sourceFile, int line) {
    // Read first, before anything else can overwrite the code.
    const uint32_t lastError = os::LastErrorCode();
    Hold hold(*this);
    const std::string message = "**** ERROR ****\n" + SourcePrefix(sourceFile, line) + text +
                                " GLE:" + std::to_string(lastError) + "\n";
    os::DebugOutput(message.c_str());
    pending_ += "<font color=\"#FF0000\">" + message + "</font>" + kLineBreak;
    NotifyListeners(message);
    WriteLogFile();
    os::ShowErrorBox(message.c_str(), "Error");
}

void ErrorSystem::LogBlankLine() {
    AppendEntry(std::string());
}

void ErrorSystem::WriteLogFile() {
    Hold hold(*this);
    const os::LocalTimeTexts now = os::ReadLocalTimeTexts();
    LogBlankLine();
    AppendEntry("<hr>Logging stopped at " + now.time + " \n</BODY>\n</HTML>");

    const auto mode = std::ios::binary | std::ios::app;
    std::ofstream file(LogFilePath(), mode);
    if (!file.is_open()) {
        const int fallbackNumber = std::rand() % 5000;
        file.open("Vantoscope Log " + std::to_string(fallbackNumber) + ".html", mode);
    }
    if (file.is_open()) {
        const std::string bytes = WithCrLf(pending_);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
    }
    pending_.clear();
}

void ErrorSystem::AddListener(CLogListener* listener) {
    Hold hold(*this);
    listeners_.push_back(listener);
}

void ErrorSystem::RemoveListener(CLogListener* listener) {
    Hold hold(*this);
    const auto found = std::find(listeners_.begin(), listeners_.end(), listener);
    if (found != listeners_.end()) listeners_.erase(found);
}

void ErrorSystem::AppendEntry(const std::string& entry) {
    pending_ += entry;
    pending_ += kLineBreak;
    NotifyListeners(entry);
}

void ErrorSystem::NotifyListeners(const std::string& entry) {
    for (CLogListener* listener : listeners_) listener->OnLogLine(entry);
}

namespace diag {

void LogLine(const std::string& text, const char* sourceFile, int line) {
    if (ErrorSystem* errors = ErrorSystem::Instance()) errors->Log(text, sourceFile, line);
}

void LogErrorLine(const std::string& text, const char* sourceFile, int line) {
    if (ErrorSystem* errors = ErrorSystem::Instance()) errors->LogError(text, sourceFile, line);
}

}  // namespace diag

// Test fixture piece: points the platform layer at a private documents
// folder, fixes the wall clock at the moment of kDate and kTime, and records
// debugger output and error boxes for as long as it lives.
#pragma once

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

struct ErrorBox {
    std::string text;
    std::string caption;
};

class DiagnosticsCapture {
public:
    static constexpr char kDate[] = "Sat Dec 05 2026";
    static constexpr char kTime[] = "10:53:17";

    DiagnosticsCapture();
    ~DiagnosticsCapture();

    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path LogFile() const { return folder_ / "Vantoscope Log.html"; }
    // The log file's bytes, or an empty string when it does not exist.
    std::string LogFileBytes() const;

    std::vector<std::string> DebugOutput() const;
    std::vector<ErrorBox> ErrorBoxes() const;

private:
    std::filesystem::path folder_;
    mutable std::mutex mutex_;
    std::vector<std::string> debugOutput_;
    std::vector<ErrorBox> errorBoxes_;
};

std::string ReadFileBytes(const std::filesystem::path& path);

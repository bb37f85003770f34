// Test fixture piece: records every line the process's error system logs
// while it lives. An error system must exist when it is made; it unhooks
// itself at destruction, or earlier through Detach.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "diag/ErrorSystem.h"

class LogCapture : public CLogListener {
public:
    LogCapture() { ErrorSystem::Instance()->AddListener(this); }
    ~LogCapture() { Detach(); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Before the last reference to the error system goes.
    void Detach() {
        if (attached_ && ErrorSystem::Instance() != nullptr) {
            ErrorSystem::Instance()->RemoveListener(this);
        }
        attached_ = false;
    }

    void OnLogLine(const std::string& line) override {
        std::lock_guard<std::mutex> hold(mutex_);
        lines_.push_back(line);
    }

    std::vector<std::string> Lines() const {
        std::lock_guard<std::mutex> hold(mutex_);
        return lines_;
    }

    bool Contains(const std::string& text) const {
        for (const std::string& line : Lines()) {
            if (line.find(text) != std::string::npos) return true;
        }
        return false;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    bool attached_ = true;
};

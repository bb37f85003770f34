// CFindings: a locked map of kinds to counts and examples.
#include "tools/torture/Findings.h"

#include <cstdio>

void CFindings::Add(const std::string& kind, const std::string& description) {
    std::lock_guard<std::mutex> lock(mutex_);
    Kind& entry = kinds_[kind];
    if (entry.count++ < kExamplesPerKind) {
        entry.examples.push_back(description);
        std::printf("  FINDING %s: %s\n", kind.c_str(), description.c_str());
        std::fflush(stdout);
    }
}

size_t CFindings::Count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    size_t total = 0;
    for (const auto& entry : kinds_) total += entry.second.count;
    return total;
}

void CFindings::Print() const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [name, kind] : kinds_) {
        std::printf("  %-28s %zu\n", name.c_str(), kind.count);
        for (const std::string& example : kind.examples) {
            std::printf("      %s\n", example.c_str());
        }
    }
}

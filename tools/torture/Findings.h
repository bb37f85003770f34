// What the torture run found, by kind, from any thread. Every finding is
// counted; the first few of each kind keep their full description.
#pragma once

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

class CFindings {
public:
    // Any thread.
    void Add(const std::string& kind, const std::string& description);
    size_t Count() const;
    // Prints every kind with its count and kept descriptions.
    void Print() const;

private:
    struct Kind {
        size_t count = 0;
        std::vector<std::string> examples;
    };
    static constexpr size_t kExamplesPerKind = 5;

    mutable std::mutex mutex_;
    std::map<std::string, Kind> kinds_;
};

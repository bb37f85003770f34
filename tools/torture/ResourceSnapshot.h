// The process's memory and window-system resources at one moment, to see
// what a run leaks.
#pragma once

#include <cstdint>
#include <string>

struct ResourceSnapshot {
    uint64_t privateBytes = 0;
    uint64_t workingSetBytes = 0;
    uint32_t gdiObjects = 0;
    uint32_t userObjects = 0;

    static ResourceSnapshot Take();
    std::string Describe() const;
};

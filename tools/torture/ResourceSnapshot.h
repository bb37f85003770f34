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
    // What the plug-in's own heap blocks hold (see CModuleHeapCounter).
    int64_t ourHeapBytes = 0;
    int64_t ourHeapBlocks = 0;
    // Committed private memory the Windows side of the process keeps track
    // of (the rest of private bytes is the platform's native libraries).
    uint64_t windowsCommittedBytes = 0;

    static ResourceSnapshot Take();
    std::string Describe() const;
};

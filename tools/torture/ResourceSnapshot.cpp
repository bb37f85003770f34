// ResourceSnapshot: process memory counters and GetGuiResources.
#include "tools/torture/ResourceSnapshot.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>

ResourceSnapshot ResourceSnapshot::Take() {
    ResourceSnapshot snapshot;
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        // Some systems (Wine among them) leave PrivateUsage at zero; the
        // commit charge is the same figure where both are kept.
        snapshot.privateBytes =
            memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
        snapshot.workingSetBytes = memory.WorkingSetSize;
    }
    snapshot.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    snapshot.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    return snapshot;
}

std::string ResourceSnapshot::Describe() const {
    char text[160];
    std::snprintf(text, sizeof text, "private %.1f MB, working set %.1f MB, GDI %u, USER %u",
                  privateBytes / 1048576.0, workingSetBytes / 1048576.0,
                  static_cast<unsigned>(gdiObjects), static_cast<unsigned>(userObjects));
    return text;
}

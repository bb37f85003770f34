// ResourceSnapshot: process memory counters and GetGuiResources.
#include "tools/torture/ResourceSnapshot.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>

#include "tools/torture/ModuleHeapCounter.h"

namespace {

// Under Wine, private bytes count the native libraries' memory too (the C
// library's heap the graphics driver allocates from); what the Windows side
// has committed tells the two apart.
uint64_t WindowsCommittedBytes() {
    uint64_t total = 0;
    MEMORY_BASIC_INFORMATION region = {};
    for (auto* address = static_cast<BYTE*>(nullptr);
         VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<BYTE*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    }
    return total;
}

}  // namespace

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
    const CModuleHeapCounter::Use ours = CModuleHeapCounter::Current();
    snapshot.ourHeapBytes = ours.bytes;
    snapshot.ourHeapBlocks = ours.blocks;
    snapshot.windowsCommittedBytes = WindowsCommittedBytes();
    return snapshot;
}

std::string ResourceSnapshot::Describe() const {
    char text[240];
    std::snprintf(text, sizeof text,
                  "private %.1f MB (committed on the Windows side %.1f MB), working set %.1f MB, "
                  "GDI %u, USER %u, plug-in heap %.1f KB in %lld blocks",
                  privateBytes / 1048576.0, windowsCommittedBytes / 1048576.0,
                  workingSetBytes / 1048576.0, static_cast<unsigned>(gdiObjects),
                  static_cast<unsigned>(userObjects), ourHeapBytes / 1024.0,
                  static_cast<long long>(ourHeapBlocks));
    return text;
}

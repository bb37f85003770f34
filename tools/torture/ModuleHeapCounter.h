// Counts the C runtime heap blocks one loaded module holds, by pointing the
// module's imports of malloc, calloc, realloc, _strdup and free at counting
// wrappers. The plug-in links its C++ runtime statically, so operator new
// and every container reach the heap through those imports: what they
// hold apart from the platform's own heaps and caches is exactly our use.
#pragma once

#include <cstdint>

class CModuleHeapCounter {
public:
    struct Use {
        // Since the counter was installed: blocks the module allocated
        // before then and frees after count as negative.
        int64_t bytes = 0;
        int64_t blocks = 0;
    };

    // Patches the module's imports; a module that does not import the
    // runtime's allocator is left alone and counts nothing. Only one
    // module is counted at a time.
    explicit CModuleHeapCounter(void* module);
    ~CModuleHeapCounter();  // restores the imports

    CModuleHeapCounter(const CModuleHeapCounter&) = delete;
    CModuleHeapCounter& operator=(const CModuleHeapCounter&) = delete;

    bool IsCounting() const { return patched_ > 0; }
    // Any thread.
    static Use Current();

private:
    void Patch(bool install);

    void* module_;
    int patched_ = 0;
};

// CModuleHeapCounter: the wrappers add or take away each block's size as
// the runtime itself reports it (_msize), so the figure is what the heap
// holds for the module, not what it asked for.
#include "tools/torture/ModuleHeapCounter.h"

#include <windows.h>

#include <atomic>
#include <cstring>

namespace {

using MallocFunction = void* (*)(size_t);
using CallocFunction = void* (*)(size_t, size_t);
using ReallocFunction = void* (*)(void*, size_t);
using StrdupFunction = char* (*)(const char*);
using FreeFunction = void (*)(void*);
using SizeFunction = size_t (*)(void*);

std::atomic<int64_t> liveBytes{0};
std::atomic<int64_t> liveBlocks{0};

MallocFunction realMalloc = nullptr;
CallocFunction realCalloc = nullptr;
ReallocFunction realRealloc = nullptr;
StrdupFunction realStrdup = nullptr;
FreeFunction realFree = nullptr;
SizeFunction blockSize = nullptr;

void Added(void* block) {
    if (block == nullptr) return;
    liveBytes += static_cast<int64_t>(blockSize(block));
    ++liveBlocks;
}

void Removed(void* block) {
    if (block == nullptr) return;
    liveBytes -= static_cast<int64_t>(blockSize(block));
    --liveBlocks;
}

void* CountingMalloc(size_t bytes) {
    void* block = realMalloc(bytes);
    Added(block);
    return block;
}

void* CountingCalloc(size_t count, size_t bytes) {
    void* block = realCalloc(count, bytes);
    Added(block);
    return block;
}

// A failed resize keeps the old block; a resize to nothing frees it.
void* CountingRealloc(void* old, size_t bytes) {
    const int64_t oldBytes = old != nullptr ? static_cast<int64_t>(blockSize(old)) : 0;
    void* block = realRealloc(old, bytes);
    if (block == nullptr && bytes != 0) return nullptr;
    if (old != nullptr) {
        liveBytes -= oldBytes;
        --liveBlocks;
    }
    Added(block);
    return block;
}

char* CountingStrdup(const char* text) {
    char* copy = realStrdup(text);
    Added(copy);
    return copy;
}

void CountingFree(void* block) {
    Removed(block);
    realFree(block);
}

struct Hook {
    const char* name;
    void* counting;
    void** real;
};

const Hook kHooks[] = {
    {"malloc", reinterpret_cast<void*>(&CountingMalloc), reinterpret_cast<void**>(&realMalloc)},
    {"calloc", reinterpret_cast<void*>(&CountingCalloc), reinterpret_cast<void**>(&realCalloc)},
    {"realloc", reinterpret_cast<void*>(&CountingRealloc), reinterpret_cast<void**>(&realRealloc)},
    {"_strdup", reinterpret_cast<void*>(&CountingStrdup), reinterpret_cast<void**>(&realStrdup)},
    {"free", reinterpret_cast<void*>(&CountingFree), reinterpret_cast<void**>(&realFree)},
};

const Hook* FindHook(const char* name) {
    for (const Hook& hook : kHooks) {
        if (std::strcmp(hook.name, name) == 0) return &hook;
    }
    return nullptr;
}

void WriteSlot(ULONG_PTR* slot, void* function) {
    DWORD protection = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) return;
    *slot = reinterpret_cast<ULONG_PTR>(function);
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

// Swaps the library's allocator slots between the runtime's functions and
// the counting wrappers; returns how many were installed.
int PatchLibrary(BYTE* base, const IMAGE_IMPORT_DESCRIPTOR& library, bool install) {
    int patched = 0;
    auto* name = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + library.OriginalFirstThunk);
    auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library.FirstThunk);
    for (; name->u1.AddressOfData != 0; ++name, ++slot) {
        if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
        const auto* byName =
            reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
        const Hook* hook = FindHook(reinterpret_cast<const char*>(byName->Name));
        if (hook == nullptr) continue;
        if (install) {
            *hook->real = reinterpret_cast<void*>(slot->u1.Function);
            WriteSlot(&slot->u1.Function, hook->counting);
            ++patched;
        } else if (reinterpret_cast<void*>(slot->u1.Function) == hook->counting) {
            WriteSlot(&slot->u1.Function, *hook->real);
        }
    }
    return patched;
}

}  // namespace

CModuleHeapCounter::CModuleHeapCounter(void* module) : module_(module) {
    if (module_ != nullptr) Patch(true);
}

CModuleHeapCounter::~CModuleHeapCounter() {
    if (patched_ > 0) Patch(false);
}

CModuleHeapCounter::Use CModuleHeapCounter::Current() {
    return {liveBytes.load(), liveBlocks.load()};
}

// Walks the module's import table for the runtime's allocator entries by
// name, in whichever library supplies them (the one that also exports
// _msize, which the wrappers use to size blocks).
void CModuleHeapCounter::Patch(bool install) {
    auto* base = static_cast<BYTE*>(module_);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return;
    auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; library->Name != 0; ++library) {
        HMODULE runtime = GetModuleHandleA(reinterpret_cast<const char*>(base + library->Name));
        FARPROC size = runtime != nullptr ? GetProcAddress(runtime, "_msize") : nullptr;
        if (size == nullptr) continue;
        if (install) blockSize = reinterpret_cast<SizeFunction>(reinterpret_cast<void*>(size));
        patched_ += PatchLibrary(base, *library, install);
    }
}

// CActivityBoard: fixed slots with tick stamps; nothing here allocates, so
// the audio threads can note every call.
#include "tools/torture/ActivityBoard.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>

CActivityBoard& CActivityBoard::Instance() {
    static CActivityBoard board;
    return board;
}

void CActivityBoard::Note(int slot, const char* format, ...) {
    Slot& entry = slots_[slot];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(entry.text, sizeof entry.text, format, arguments);
    va_end(arguments);
    entry.sinceMs.store(GetTickCount());
    entry.live.store(true);
}

void CActivityBoard::Retire(int slot) {
    slots_[slot].live.store(false);
}

int CActivityBoard::StaleSlot(uint32_t limitMs) const {
    const uint32_t now = GetTickCount();
    for (int slot = 0; slot < kSlots; ++slot) {
        if (slots_[slot].live.load() && now - slots_[slot].sinceMs.load() > limitMs) return slot;
    }
    return -1;
}

void CActivityBoard::Print() const {
    const uint32_t now = GetTickCount();
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!slots_[slot].live.load()) continue;
        std::printf("    thread slot %2d, %6u ms ago: %s\n", slot,
                    static_cast<unsigned>(now - slots_[slot].sinceMs.load()), slots_[slot].text);
    }
    std::fflush(stdout);
}

// The on-screen log's ring of the last 24 entries.
#include "render/LogLineRing.h"

#include <cstring>

void CLogLineRing::Add(std::string_view line) {
    const std::lock_guard<std::mutex> hold(mutex_);
    lines_[writeIndex_].Set(line);
    writeIndex_ = (writeIndex_ + 1) % kLineCount;
}

void CLogLineRing::Add(const char* text, size_t length) {
    if (text == nullptr) length = 0;
    // Looks no further than the limit: the caller's buffer may have no zero.
    const size_t scanned = length < kLineLimit ? length : kLineLimit;
    const void* zero = scanned > 0 ? std::memchr(text, '\0', scanned) : nullptr;
    const size_t kept = zero ? static_cast<size_t>(static_cast<const char*>(zero) - text) : scanned;
    Add(std::string_view(text, kept));
}

void CLogLineRing::CopyOldestFirst(Lines& lines) const {
    const std::lock_guard<std::mutex> hold(mutex_);
    for (int slot = 0; slot < kLineCount; ++slot) {
        lines[slot] = lines_[(writeIndex_ + slot) % kLineCount];
    }
}

// The on-screen log's store: the last 24 log entries in a ring, the oldest
// in the slot that the next entry overwrites. Entries are cut to the line
// limit and kept in fixed slots, so adding one never allocates.
//
// Threads: OnLogLine runs on whichever thread logs (the audio thread too),
// under the error system's lock; CopyOldestFirst runs on the user-interface
// thread before any text is drawn. Both hold the ring's own lock only for a
// copy of bytes, so a logging thread never waits for drawing.
#pragma once

#include <array>
#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>

#include "diag/LogListener.h"
#include "render/BoundedText.h"

class CLogLineRing : public CLogListener {
public:
    static constexpr int kLineCount = 24;
    // Longer entries (an error report with a long message) are cut here.
    static constexpr size_t kLineLimit = 255;

    using Line = CBoundedText<kLineLimit>;
    using Lines = std::array<Line, kLineCount>;

    // Any thread.
    void OnLogLine(const std::string& line) override { Add(line); }
    void Add(std::string_view line);
    // The bytes up to the first zero or up to length, whichever comes first:
    // for texts that may lack their terminator.
    void Add(const char* text, size_t length);

    // User-interface thread: the ring as it stands, oldest entry first; empty
    // slots stay empty lines in their place.
    void CopyOldestFirst(Lines& lines) const;

private:
    mutable std::mutex mutex_;
    Lines lines_;
    int writeIndex_ = 0;
};

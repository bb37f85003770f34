// The on-screen log's ring: the last 24 entries oldest first, cut to the
// line limit, fed by the error system and by several threads at once.
#include "render/LogLineRing.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "diag/ErrorSystem.h"
#include "tests/native/support/DiagnosticsCapture.h"
#include "tests/native/support/LogCapture.h"

namespace {

CLogLineRing::Lines Copy(const CLogLineRing& ring) {
    CLogLineRing::Lines lines;
    ring.CopyOldestFirst(lines);
    return lines;
}

TEST(LogLineRing, KeepsTheLast24EntriesOldestFirst) {
    CLogLineRing ring;
    for (int i = 0; i < 30; ++i) ring.Add("line " + std::to_string(i) + "\n");
    const CLogLineRing::Lines lines = Copy(ring);
    for (int slot = 0; slot < CLogLineRing::kLineCount; ++slot) {
        EXPECT_EQ(lines[slot].View(), "line " + std::to_string(slot + 6) + "\n") << slot;
    }
}

TEST(LogLineRing, EmptySlotsKeepTheirPlaceAboveTheFirstEntries) {
    CLogLineRing ring;
    ring.Add("first");
    ring.Add("second");
    const CLogLineRing::Lines lines = Copy(ring);
    for (int slot = 0; slot < 22; ++slot) EXPECT_TRUE(lines[slot].Empty()) << slot;
    EXPECT_EQ(lines[22].View(), "first");
    EXPECT_EQ(lines[23].View(), "second");
}

TEST(LogLineRing, EntriesAreCutAtTheLineLimit) {
    CLogLineRing ring;
    const std::string longEntry(1000, 'x');
    ring.Add(longEntry);
    // A heap buffer with no zero anywhere: the sanitizer catches any read
    // past its end.
    const auto unterminated = std::make_unique<char[]>(300);
    std::fill_n(unterminated.get(), 300, 'y');
    ring.Add(unterminated.get(), 300);
    const char shortUnterminated[3] = {'a', 'b', 'c'};
    ring.Add(shortUnterminated, sizeof shortUnterminated);
    ring.Add("ab\0cd", 5);
    ring.Add(nullptr, 12);

    const CLogLineRing::Lines lines = Copy(ring);
    EXPECT_EQ(lines[19].View(), longEntry.substr(0, CLogLineRing::kLineLimit));
    EXPECT_EQ(lines[20].View(), std::string(CLogLineRing::kLineLimit, 'y'));
    EXPECT_EQ(lines[21].View(), "abc");
    EXPECT_EQ(lines[22].View(), "ab");
    EXPECT_TRUE(lines[23].Empty());
    EXPECT_EQ(lines[20].CStr()[CLogLineRing::kLineLimit], '\0');
}

TEST(LogLineRing, ShowsEachEntryAsTheErrorSystemDeliversIt) {
    DiagnosticsCapture capture;
    ErrorSystem::Acquire();
    LogCapture delivered;
    CLogLineRing ring;
    ErrorSystem::Instance()->AddListener(&ring);
    ErrorSystem::Instance()->Log("shown", "D3DDrawLog", 12);
    ErrorSystem::Instance()->RemoveListener(&ring);
    ErrorSystem::Instance()->Log("not shown", "D3DDrawLog", 13);
    const std::vector<std::string> entries = delivered.Lines();
    delivered.Detach();
    ErrorSystem::Release();
    ASSERT_EQ(entries.size(), 2u);
    const CLogLineRing::Lines lines = Copy(ring);
    EXPECT_EQ(lines.back().View(), entries[0]);
    EXPECT_TRUE(lines[CLogLineRing::kLineCount - 2].Empty());
}

// Writers log numbered entries from several threads while the drawing side
// copies the ring; every copy must hold whole entries, each writer's in the
// order written. The thread sanitizer build checks the hand-over itself.
TEST(LogLineRing, WritersOnAnyThreadAndTheDrawingSideShareTheRing) {
    constexpr int kWriters = 3;
    constexpr int kEntriesPerWriter = 3000;
    CLogLineRing ring;
    std::atomic<int> writersDone{0};
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.emplace_back([&ring, &writersDone, writer] {
            for (int n = 0; n < kEntriesPerWriter; ++n) {
                char entry[64];
                const int length = std::snprintf(entry, sizeof entry, "w%d %06d\n", writer, n);
                ring.Add(entry, static_cast<size_t>(length));
            }
            ++writersDone;
        });
    }
    int copies = 0;
    bool done = false;
    while (!done) {
        done = writersDone.load() == kWriters;  // one more copy after the last entry
        const CLogLineRing::Lines lines = Copy(ring);
        ++copies;
        int lastSeen[kWriters] = {-1, -1, -1};
        for (const CLogLineRing::Line& line : lines) {
            if (line.Empty()) continue;
            int writer = -1;
            int n = -1;
            ASSERT_EQ(std::sscanf(line.CStr(), "w%d %d\n", &writer, &n), 2) << line.CStr();
            ASSERT_EQ(line.Length(), 10u) << line.CStr();
            ASSERT_TRUE(writer >= 0 && writer < kWriters);
            EXPECT_GT(n, lastSeen[writer]) << "writer " << writer << ", copy " << copies;
            lastSeen[writer] = n;
        }
    }
    for (std::thread& writer : writers) writer.join();
    // The newest slot holds the last entry written, some writer's final one.
    const CLogLineRing::Lines last = Copy(ring);
    EXPECT_NE(last.back().View().find(" 00" + std::to_string(kEntriesPerWriter - 1)),
              std::string_view::npos)
        << last.back().CStr();
    for (const CLogLineRing::Line& line : last) EXPECT_FALSE(line.Empty());
}

}  // namespace

// The diagnostics service: entry texts, listeners, reference counting and
// the HTML log file byte for byte.
#include "diag/ErrorSystem.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/native/support/DiagnosticsCapture.h"
#include "tests/native/support/FakeSystem.h"
#include "tests/native/support/LogCapture.h"

namespace fs = std::filesystem;

namespace {

const std::string kHeader =
    "<HTML>\n<HEAD>\n<TITLE>Orlemar Plugin System Log</TITLE>\n</HEAD><br>"
    "\n<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\">\n<br>"
    "<h1>Orlemar Plugin System Log</h1>\n<hr><br>"
    "Logging started at 10:53:17 on Sat Dec 05 2026<br>"
    "<br>";
const std::string kClosing = "<br><hr>Logging stopped at 10:53:17 \n</BODY>\n</HTML><br>";

std::string CrLf(const std::string& text) {
    std::string converted;
    for (char c : text) {
        if (c == '\n')
            converted += "\r\n";
        else
            converted += c;
    }
    return converted;
}

bool IsFallbackFileName(const std::string& name) {
    const std::string prefix = "Vantoscope Log ";
    const std::string suffix = ".html";
    if (name.size() <= prefix.size() + suffix.size()) return false;
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    if (name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) return false;
    const std::string digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    return digits.size() <= 4 && digits.find_first_not_of("0123456789") == std::string::npos &&
           std::stoi(digits) < 5000;
}

class ErrorSystemTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(ErrorSystem::Instance(), nullptr); }
    void TearDown() override {
        while (ErrorSystem::Instance() != nullptr) ErrorSystem::Release();
    }
    DiagnosticsCapture capture_;
};

TEST_F(ErrorSystemTest, CreationTruncatesTheFileAndWritesNothingUntilAWrite) {
    std::ofstream(capture_.LogFile()) << "old contents";
    ErrorSystem::Acquire();
    EXPECT_TRUE(fs::exists(capture_.LogFile()));
    EXPECT_EQ(capture_.LogFileBytes(), "");
}

TEST_F(ErrorSystemTest, ReleaseWritesHeaderLinesAndClosingWithCrLf) {
    ErrorSystem::Acquire();
    ErrorSystem* errors = ErrorSystem::Instance();
    errors->Log("abc", "Synth", 42);
    errors->Log("no source", nullptr, 7);
    errors->Log("", "Settings", -3);
    ErrorSystem::Release();

    const std::string expected =
        kHeader + "Synth(42) : abc\n<br>" + "no source\n<br>" + "Settings(-3) : \n<br>" + kClosing;
    EXPECT_EQ(capture_.LogFileBytes(), CrLf(expected));
}

TEST_F(ErrorSystemTest, EachErrorWritesTheFileAndLaterWritesAppendAnotherClosing) {
    ErrorSystem::Acquire();
    ErrorSystem* errors = ErrorSystem::Instance();
    errors->Log("before", "Synth", 1);
    os::testing::SetLastErrorCode(5);
    errors->LogError("bad thing", "Settings", 7);

    const std::string error =
        "<font color=\"#FF0000\">**** ERROR ****\nSettings(7) : bad thing GLE:5\n</font><br>";
    const std::string afterError = kHeader + "Synth(1) : before\n<br>" + error + kClosing;
    EXPECT_EQ(capture_.LogFileBytes(), CrLf(afterError));

    errors->Log("after", "Synth", 2);
    ErrorSystem::Release();
    EXPECT_EQ(capture_.LogFileBytes(), CrLf(afterError + "Synth(2) : after\n<br>" + kClosing));
}

TEST_F(ErrorSystemTest, EachErrorShowsOneModalBoxCaptionedError) {
    struct BoxCase {
        uint32_t lastError;
        const char* text;
        const char* source;
        int line;
        const char* expected;
    };
    const BoxCase cases[] = {
        {0, "Failed to create window", "SynthEditor", 99,
         "**** ERROR ****\nSynthEditor(99) : Failed to create window GLE:0\n"},
        {0xFFFFFFFFu, "x", "D3DRenderer", 1,
         "**** ERROR ****\nD3DRenderer(1) : x GLE:4294967295\n"},
        {5, "", "Settings", -3, "**** ERROR ****\nSettings(-3) :  GLE:5\n"},
    };
    ErrorSystem::Acquire();
    for (const BoxCase& c : cases) {
        os::testing::SetLastErrorCode(c.lastError);
        ErrorSystem::Instance()->LogError(c.text, c.source, c.line);
    }
    const std::vector<ErrorBox> boxes = capture_.ErrorBoxes();
    ASSERT_EQ(boxes.size(), std::size(cases));
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].caption, "Error");
        EXPECT_EQ(boxes[i].text, cases[i].expected);
    }
}

TEST_F(ErrorSystemTest, DebuggerChannelSeesReferenceCountingAndEveryEntry) {
    ErrorSystem::Acquire();
    ErrorSystem::Acquire();
    ErrorSystem::Instance()->Log("abc", "Synth", 42);
    ErrorSystem::Release();
    EXPECT_NE(ErrorSystem::Instance(), nullptr);
    EXPECT_EQ(capture_.LogFileBytes(), "") << "a release that leaves a reference writes nothing";
    ErrorSystem::Release();

    const std::vector<std::string> expected = {
        "ErrorSystem Created. Version 0.2 September 2012. Brenwick\n",
        "ErrorSystem Ref Count++\n",
        "Synth(42) : abc\n",
        "ErrorSystem Ref Count--\n",
        "ErrorSystem Destroyed.\n",
    };
    EXPECT_EQ(capture_.DebugOutput(), expected);
    EXPECT_EQ(ErrorSystem::Instance(), nullptr);
}

TEST_F(ErrorSystemTest, SecondAcquireDoesNotTruncateTheFile) {
    ErrorSystem::Acquire();
    ErrorSystem::Instance()->LogError("first", "Synth", 1);
    const std::string afterError = capture_.LogFileBytes();
    ASSERT_FALSE(afterError.empty());
    ErrorSystem::Acquire();
    EXPECT_EQ(capture_.LogFileBytes(), afterError);
}

TEST_F(ErrorSystemTest, NewInstanceAfterTheLastReleaseStartsAFreshFile) {
    ErrorSystem::Acquire();
    ErrorSystem::Instance()->Log("first life", "Synth", 1);
    ErrorSystem::Release();
    ErrorSystem::Acquire();
    ErrorSystem::Instance()->Log("second life", "Synth", 1);
    ErrorSystem::Release();
    const std::string log = capture_.LogFileBytes();
    EXPECT_EQ(log.find("first life"), std::string::npos);
    EXPECT_NE(log.find("second life"), std::string::npos);
}

TEST_F(ErrorSystemTest, ListenersReceiveEntriesInOrderWithoutTheHtmlBreak) {
    ErrorSystem::Acquire();
    ErrorSystem* errors = ErrorSystem::Instance();
    LogCapture first;
    LogCapture second;
    errors->Log("abc", "Synth", 42);
    errors->Log("bare", nullptr, 0);
    errors->LogError("oops", "Settings", 3);

    const std::vector<std::string> expected = {
        "Synth(42) : abc\n",
        "bare\n",
        "**** ERROR ****\nSettings(3) : oops GLE:0\n",
        "",
        "<hr>Logging stopped at 10:53:17 \n</BODY>\n</HTML>",
    };
    EXPECT_EQ(second.Lines(), expected);
    ErrorSystem::Release();
    EXPECT_EQ(first.Lines(), expected) << "the closing entry of destruction reaches no listener";
}

TEST_F(ErrorSystemTest, RemoveListenerRemovesOnlyTheFirstOccurrence) {
    ErrorSystem::Acquire();
    ErrorSystem* errors = ErrorSystem::Instance();
    LogCapture twice;
    errors->AddListener(&twice);
    errors->RemoveListener(&twice);
    errors->Log("once", nullptr, 0);
    EXPECT_EQ(twice.Lines(), std::vector<std::string>{"once\n"});
    errors->RemoveListener(&twice);
    errors->Log("never", nullptr, 0);
    EXPECT_EQ(twice.Lines().size(), 1u);
}

// Runs the body with the process's current directory set to folder.
template <typename Body>
void InDirectory(const fs::path& folder, Body body) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    body();
    fs::current_path(previous);
}

TEST_F(ErrorSystemTest, UnwritableFolderFallsBackToANumberedFileInTheCurrentDirectory) {
    os::testing::SetCommonDocumentsFolder((capture_.Folder() / "missing").string());
    InDirectory(capture_.Folder(), [] {
        ErrorSystem::Acquire();
        ErrorSystem::Instance()->Log("kept", "Synth", 1);
        ErrorSystem::Release();
    });
    std::vector<fs::path> written;
    for (const auto& entry : fs::directory_iterator(capture_.Folder())) {
        written.push_back(entry.path().filename());
    }
    ASSERT_EQ(written.size(), 1u);
    EXPECT_TRUE(IsFallbackFileName(written[0].string())) << written[0];
    EXPECT_NE(ReadFileBytes(capture_.Folder() / written[0]).find("kept"), std::string::npos);
}

TEST_F(ErrorSystemTest, FailedFolderLookupWritesBesideTheProcess) {
    os::testing::SetCommonDocumentsFolder(std::nullopt);
    InDirectory(capture_.Folder(), [] {
        ErrorSystem::Acquire();
        ErrorSystem::Instance()->Log("kept", "Synth", 1);
        ErrorSystem::Release();
    });
    EXPECT_NE(ReadFileBytes(capture_.Folder() / "Vantoscope Log.html").find("kept"),
              std::string::npos);
}

TEST_F(ErrorSystemTest, ConcurrentLoggingKeepsEveryEntryWhole) {
    ErrorSystem::Acquire();
    ErrorSystem* errors = ErrorSystem::Instance();
    LogCapture listener;
    constexpr int kThreads = 4;
    constexpr int kLines = 200;
    // Each thread's entry logged alone first: what a whole entry looks like.
    for (int t = 0; t < kThreads; ++t) errors->Log("line", "Thread", t);
    const std::vector<std::string> alone = listener.Lines();
    ASSERT_EQ(alone.size(), static_cast<size_t>(kThreads));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([errors, t] {
            for (int i = 0; i < kLines; ++i) errors->Log("line", "Thread", t);
        });
    }
    for (std::thread& thread : threads) thread.join();
    const std::vector<std::string> lines = listener.Lines();
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(std::count(lines.begin(), lines.end(), alone[t]), kLines + 1) << alone[t];
    }
    EXPECT_EQ(lines.size(), static_cast<size_t>(kThreads * (kLines + 1)));
}

}  // namespace

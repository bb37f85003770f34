// The Win32 side of the OS layer, linked directly.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <future>
#include <vector>

#include "analysis/PerformanceTimer.h"
#include "analysis/RealFFT.h"
#include "os/Clock.h"
#include "os/Diagnostics.h"
#include "os/Dialog.h"
#include "os/Folders.h"
#include "os/Lockable.h"
#include "os/Window.h"
#include "tools/host/DebugOutputCapture.h"

#include <gtest/gtest.h>

namespace {

TEST(Win32Clock, CounterReadsRestoreTheThreadsAffinity) {
    DWORD_PTR processMask = 0;
    DWORD_PTR systemMask = 0;
    ASSERT_TRUE(GetProcessAffinityMask(GetCurrentProcess(), &processMask, &systemMask));
    // A mask without the first processor where the machine has a second one.
    const DWORD_PTR ownMask = (processMask & 2) != 0 ? 2 : processMask;
    const DWORD_PTR original = SetThreadAffinityMask(GetCurrentThread(), ownMask);
    ASSERT_NE(original, 0u);

    CPerformanceTimer timer;
    timer.GetMilliseconds();
    os::PerformanceCounterPinned();
    EXPECT_EQ(SetThreadAffinityMask(GetCurrentThread(), original), ownMask);
}

TEST(Win32Clock, TimerCountsMilliseconds) {
    CPerformanceTimer timer;
    const uint32_t start = timer.GetMilliseconds();
    Sleep(30);
    EXPECT_GE(timer.GetMilliseconds() - start, 25u);
    EXPECT_GT(os::PerformanceFrequencyPinned(), 0);
}

TEST(Win32Clock, LocalTimeTextsLookLikeDateAndTime) {
    const os::LocalTimeTexts now = os::ReadLocalTimeTexts();
    EXPECT_EQ(now.date.size(), std::string("Sat Dec 05 2026").size()) << now.date;
    EXPECT_NE(now.time.find(':'), std::string::npos) << now.time;
}

TEST(Win32Lockable, CriticalSectionIsRecursiveAndTryLockRespectsOtherThreads) {
    CLockable lockable;
    CLockable::Hold outer(lockable);
    CLockable::Hold inner(lockable);
    const bool otherGotIt = std::async(std::launch::async, [&lockable] {
                                CLockable::TryHold attempt(lockable);
                                return attempt.Acquired();
                            }).get();
    EXPECT_FALSE(otherGotIt);
}

TEST(Win32Folders, CommonDocumentsFolderAndModulePath) {
    const auto folder = os::CommonDocumentsFolder();
    ASSERT_TRUE(folder.has_value());
    EXPECT_NE(folder->find("Public"), std::string::npos) << *folder;
    EXPECT_EQ(os::JoinPath("C:\\a", "b.html"), "C:\\a\\b.html");
}

TEST(Win32Diagnostics, DebugOutputAndLastError) {
    CDebugOutputCapture capture;
    os::DebugOutput("to the debugger\n");
    EXPECT_TRUE(capture.Contains("to the debugger"));
    SetLastError(1234);
    EXPECT_EQ(os::LastErrorCode(), 1234u);
}

TEST(Win32Dialog, ControlTextsAndEnabledState) {
    HWND dialog = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(dialog, nullptr);
    HWND value = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 50, 10, dialog,
                                 reinterpret_cast<HMENU>(1021), nullptr, nullptr);
    ASSERT_NE(value, nullptr);
    char text[32] = {};
    os::SetDialogItemText(dialog, 1021, "-999.00");
    GetWindowTextA(value, text, sizeof text);
    EXPECT_STREQ(text, "-999.00");
    os::SetDialogItemInt(dialog, 1021, -70, true);
    GetWindowTextA(value, text, sizeof text);
    EXPECT_STREQ(text, "-70");
    os::EnableDialogItem(dialog, 1021, false);
    EXPECT_FALSE(IsWindowEnabled(value));
    os::EnableDialogItem(dialog, 1021, true);
    EXPECT_TRUE(IsWindowEnabled(value));
    DestroyWindow(dialog);
}

TEST(Win32Window, RectInParentIsTheViewsClientAreaInParentCoordinates) {
    HWND parent = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 50, 60, 1000, 700,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    HWND view = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 900, 400, parent, nullptr, nullptr,
                                nullptr);
    HWND moved = CreateWindowExA(0, "STATIC", "", WS_CHILD, 12, 34, 900, 400, parent, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(view, nullptr);
    os::Rect rect;
    ASSERT_TRUE(os::GetRectInParent(view, parent, rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 900);
    EXPECT_EQ(rect.bottom, 400);
    ASSERT_TRUE(os::GetRectInParent(moved, parent, rect));
    EXPECT_EQ(rect.left, 12);
    EXPECT_EQ(rect.top, 34);
    EXPECT_EQ(rect.right, 912);
    EXPECT_EQ(rect.bottom, 434);
    EXPECT_FALSE(os::GetRectInParent(nullptr, parent, rect));
    DestroyWindow(parent);
}

TEST(Win32RealFFT, BothInstructionSetsAgreeOnThisProcessor) {
    constexpr int n = 4096;
    std::vector<double> best(n), baseline(n);
    for (int i = 0; i < n; ++i) best[i] = baseline[i] = std::sin(0.002 * i * i);
    CRealFFT fast(n, CRealFFT::Isa::kBest);
    CRealFFT portable(n, CRealFFT::Isa::kSse2);
    fast.Transform(best.data());
    portable.Transform(baseline.data());
    for (int k = 0; k < n; ++k) ASSERT_NEAR(best[k], baseline[k], 1e-10) << k;
    std::printf("AVX2/FMA path in use: %s\n", fast.UsesAvx2() ? "yes" : "no");
}

}  // namespace

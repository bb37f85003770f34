// The harness itself: error boxes are seen, recorded and closed, debugger
// output is captured, the host window has the client area asked of it, and
// the message pump keeps its time.
#include <windows.h>

#include <thread>

#include "tools/host/DebugOutputCapture.h"
#include "tools/host/ErrorBoxWatcher.h"
#include "tools/host/HostWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorBoxWatcher, ClosesErrorBoxesAndRecordsTheirText) {
    CErrorBoxWatcher watcher;
    int answer = 0;
    std::thread owner([&answer] {
        answer = MessageBoxA(nullptr, "**** ERROR ****\nTest(1) : boom GLE:0\n", "Error", MB_OK);
    });
    ASSERT_TRUE(watcher.WaitForErrors(1, 20000));
    owner.join();
    EXPECT_EQ(answer, IDOK);
    ASSERT_EQ(watcher.Errors().size(), 1u);
    EXPECT_EQ(watcher.Errors()[0], "**** ERROR ****\nTest(1) : boom GLE:0\n");
}

TEST(ErrorBoxWatcher, LeavesOtherBoxesAlone) {
    CErrorBoxWatcher watcher;
    HWND other = CreateWindowExA(0, "STATIC", "Warning", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    Sleep(100);
    EXPECT_TRUE(IsWindow(other));
    EXPECT_TRUE(watcher.Errors().empty());
    DestroyWindow(other);
}

TEST(DebugOutputCapture, SeesOutputDebugString) {
    CDebugOutputCapture capture;
    OutputDebugStringA("harness check\n");
    EXPECT_TRUE(capture.Contains("harness check"));
}

SIZE ClientSize(void* window) {
    RECT client{};
    GetClientRect(static_cast<HWND>(window), &client);
    return SIZE{client.right, client.bottom};
}

POINT ClientCorner(void* window) {
    POINT corner{0, 0};
    ClientToScreen(static_cast<HWND>(window), &corner);
    return corner;
}

TEST(HostWindow, ClientAreaIsTheSizeAskedAndResizesInOneCall) {
    CHostWindow top(nullptr, "host", 30, 40, 900, 600);
    ASSERT_NE(top.Handle(), nullptr);
    CHostWindow frame(top.Handle(), nullptr, 20, 20, 300, 200);
    ASSERT_NE(frame.Handle(), nullptr);
    EXPECT_EQ(ClientSize(top.Handle()).cx, 900);
    EXPECT_EQ(ClientSize(top.Handle()).cy, 600);
    EXPECT_EQ(GetParent(static_cast<HWND>(frame.Handle())), top.Handle());

    const POINT corner = ClientCorner(top.Handle());
    ASSERT_TRUE(top.SetClientSize(1000, 700));
    EXPECT_EQ(ClientSize(top.Handle()).cx, 1000);
    EXPECT_EQ(ClientSize(top.Handle()).cy, 700);
    EXPECT_EQ(ClientCorner(top.Handle()).x, corner.x) << "the corner stays";
    EXPECT_EQ(ClientCorner(top.Handle()).y, corner.y);

    ASSERT_TRUE(frame.SetClientSize(640, 480));
    EXPECT_EQ(ClientSize(frame.Handle()).cx, 640);
    EXPECT_EQ(ClientSize(frame.Handle()).cy, 480);
}

// A window whose every message posts the next one, as an editor does whose
// frames take longer than its timer's period: the queue is never empty
// until it has dispatched kEndless messages.
constexpr int kEndless = 1000000;
int dispatched = 0;

LRESULT CALLBACK BusyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_APP) return DefWindowProcA(window, message, wParam, lParam);
    if (++dispatched < kEndless) PostMessageA(window, WM_APP, 0, 0);
    return 0;
}

TEST(HostWindow, PumpKeepsItsTimeWhenTheQueueNeverEmpties) {
    WNDCLASSA busyClass{};
    busyClass.lpfnWndProc = BusyProc;
    busyClass.hInstance = GetModuleHandleA(nullptr);
    busyClass.lpszClassName = "BusyWindow";
    ASSERT_NE(RegisterClassA(&busyClass), 0);
    HWND busy = CreateWindowExA(0, "BusyWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(busy, nullptr);

    dispatched = 0;
    PostMessageA(busy, WM_APP, 0, 0);
    CHostWindow::Pump(50);
    EXPECT_GT(dispatched, 0);
    EXPECT_LT(dispatched, kEndless) << "the pump waited for an empty queue";

    dispatched = 0;
    CHostWindow::Pump(0);
    EXPECT_GT(dispatched, 0) << "what waits is dispatched";
    EXPECT_LT(dispatched, kEndless) << "a pump without time drained the queue";

    DestroyWindow(busy);
    UnregisterClassA("BusyWindow", GetModuleHandleA(nullptr));
}

}  // namespace

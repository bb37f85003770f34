// CErrorBoxWatcher: polls the process's top-level windows for error boxes.
#include "tools/host/ErrorBoxWatcher.h"

#include <windows.h>

#include <chrono>

namespace {

constexpr int kPollMs = 10;
// The static control that holds a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

struct FoundBoxes {
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectErrorBox(HWND window, LPARAM context) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    // GetWindowText would send a message to the window's thread and wait for
    // it, which hangs when that thread is the one joining this watcher; the
    // internal call reads the stored caption without a message.
    wchar_t caption[64] = {};
    InternalGetWindowText(window, caption, 64);
    if (std::string(className) == "#32770" && std::wstring(caption) == L"Error") {
        reinterpret_cast<FoundBoxes*>(context)->windows.push_back(window);
    }
    return TRUE;
}

std::string MessageText(HWND box) {
    char text[4096] = {};
    GetDlgItemTextA(box, kMessageBoxTextId, text, sizeof text);
    return text;
}

}  // namespace

CErrorBoxWatcher::CErrorBoxWatcher() : thread_([this] { Watch(); }) {}

CErrorBoxWatcher::~CErrorBoxWatcher() {
    running_ = false;
    thread_.join();
}

void CErrorBoxWatcher::Watch() {
    while (running_) {
        CloseErrorBoxes();
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
}

void CErrorBoxWatcher::CloseErrorBoxes() {
    FoundBoxes found;
    EnumWindows(CollectErrorBox, reinterpret_cast<LPARAM>(&found));
    for (HWND box : found.windows) {
        const std::string text = MessageText(box);
        // The box may be gone already; only a box we closed counts.
        if (PostMessageA(box, WM_COMMAND, IDOK, 0)) {
            std::lock_guard<std::mutex> hold(mutex_);
            errors_.push_back(text);
        }
        // Give the box's thread time to close it before the next poll sees
        // it again.
        for (int wait = 0; wait < 100 && IsWindow(box); ++wait) Sleep(kPollMs);
    }
}

std::vector<std::string> CErrorBoxWatcher::Errors() const {
    std::lock_guard<std::mutex> hold(mutex_);
    return errors_;
}

bool CErrorBoxWatcher::WaitForErrors(size_t count, int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Errors().size() >= count) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    return Errors().size() >= count;
}

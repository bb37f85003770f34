// CDebugOutputCapture: a vectored handler for the debug-print exception.
#include "tools/host/DebugOutputCapture.h"

#include <windows.h>

#include <mutex>

namespace {

constexpr DWORD kDebugPrintException = 0x40010006;  // DBG_PRINTEXCEPTION_C

std::mutex gMutex;
std::vector<std::string>* gLines = nullptr;

LONG CALLBACK RecordDebugPrint(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    if (record->ExceptionCode == kDebugPrintException && record->NumberParameters >= 2) {
        const auto* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
        std::lock_guard<std::mutex> hold(gMutex);
        if (gLines != nullptr && text != nullptr) gLines->push_back(text);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

CDebugOutputCapture::CDebugOutputCapture() {
    {
        std::lock_guard<std::mutex> hold(gMutex);
        gLines = new std::vector<std::string>();
    }
    handler_ = AddVectoredExceptionHandler(1, RecordDebugPrint);
}

CDebugOutputCapture::~CDebugOutputCapture() {
    if (handler_ != nullptr) RemoveVectoredExceptionHandler(handler_);
    std::lock_guard<std::mutex> hold(gMutex);
    delete gLines;
    gLines = nullptr;
}

std::vector<std::string> CDebugOutputCapture::Lines() const {
    std::lock_guard<std::mutex> hold(gMutex);
    return gLines != nullptr ? *gLines : std::vector<std::string>();
}

bool CDebugOutputCapture::Contains(const std::string& text) const {
    for (const std::string& line : Lines()) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}

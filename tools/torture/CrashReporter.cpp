// CCrashReporter: the process's unhandled-exception filter.
#include "tools/torture/CrashReporter.h"

#include <windows.h>

#include <csignal>
#include <cstdio>
#include <exception>

#include "tools/torture/ActivityBoard.h"

namespace {

void PrintModuleOf(const void* address) {
    HMODULE module = nullptr;
    char name[MAX_PATH] = "?";
    if (GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<LPCSTR>(address), &module)) {
        GetModuleFileNameA(module, name, sizeof name);
    }
    std::printf("  at %p = %s+0x%llx\n", address, name,
                static_cast<unsigned long long>(static_cast<const char*>(address) -
                                                reinterpret_cast<const char*>(module)));
}

[[noreturn]] void Die(const char* what) {
    if (*what != 0) std::printf("\n%s\n", what);
    std::printf("  what the threads were doing:\n");
    CActivityBoard::Instance().Print();
    std::printf("torture: FAILED (crash)\n");
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), CCrashReporter::kCrashExitCode);
    for (;;) Sleep(1000);
}

// abort() and an exception that leaves a thread end the process without
// an exception the filter sees.
void ReportAbort(int) {
    Die("CRASH: abort");
}

void ReportTerminate() {
    Die("CRASH: std::terminate (an exception left a thread, or a noexcept function)");
}

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    std::printf("\nCRASH: exception 0x%08lX in thread %lu\n", record.ExceptionCode,
                GetCurrentThreadId());
    PrintModuleOf(record.ExceptionAddress);
    if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2) {
        std::printf("  %s address 0x%llx\n", record.ExceptionInformation[0] ? "writing" : "reading",
                    static_cast<unsigned long long>(record.ExceptionInformation[1]));
    }
    Die("");
}

}  // namespace

CCrashReporter::CCrashReporter()
    : previousFilter_(reinterpret_cast<void*>(SetUnhandledExceptionFilter(ReportCrash))) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    std::signal(SIGABRT, ReportAbort);
    std::set_terminate(ReportTerminate);
}

CCrashReporter::~CCrashReporter() {
    SetUnhandledExceptionFilter(reinterpret_cast<LPTOP_LEVEL_EXCEPTION_FILTER>(previousFilter_));
}

// Turns a crash anywhere in the process into a printed report (exception,
// module and offset, what every thread was doing) and a failing exit code,
// instead of a crash dialog that would wait for a user.
#pragma once

class CCrashReporter {
public:
    static constexpr int kCrashExitCode = 3;

    CCrashReporter();
    ~CCrashReporter();

    CCrashReporter(const CCrashReporter&) = delete;
    CCrashReporter& operator=(const CCrashReporter&) = delete;

private:
    void* previousFilter_;
};

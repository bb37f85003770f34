// torture: loads the plug-in as a host does and hammers it with a fixed
// seed for a time budget (see CTortureRun), then prints what it found.
// Exit code 0: nothing found; 1: findings; 2: bad flags or no plug-in;
// 3: crash; 4: hang.
#include <windows.h>

#include <cstdio>

#include "tools/host/ErrorBoxWatcher.h"
#include "tools/torture/CrashReporter.h"
#include "tools/torture/TortureOptions.h"
#include "tools/torture/TortureRun.h"
#include "tools/torture/Watchdog.h"

namespace {

// The whole run gets its budget twice over, two seconds for each editor
// cycle (they run their full count even when slow) and a minute.
uint32_t RunLimitMs(const TortureOptions& options) {
    return static_cast<uint32_t>(options.seconds * 2000.0) +
           static_cast<uint32_t>(options.editorCycles) * 2000 + 60000;
}

void ReportErrorBoxes(const std::vector<std::string>& errors, CFindings& findings) {
    for (const std::string& text : errors) findings.Add("error box", text);
}

}  // namespace

int main(int argc, char** argv) {
    TortureOptions options;
    if (!ParseTortureOptions(argc, argv, options)) return 2;
    // Unbuffered: msvcrt buffers a "line-buffered" stream fully, and the
    // progress lines must reach the log even when the watchdog ends a hang.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    CCrashReporter crashReporter;
    // One call may take --hang-seconds (opening an editor on a software
    // rasteriser is the slowest call).
    CWatchdog watchdog(static_cast<uint32_t>(options.hangSeconds) * 1000, RunLimitMs(options));
    const DWORD start = GetTickCount();

    CErrorBoxWatcher errorBoxes;
    CTortureRun run(options);
    if (!run.Run()) return 2;
    ReportErrorBoxes(errorBoxes.Errors(), run.Findings());

    run.PrintSummary();
    std::printf("  run time %.1f s\n\nfindings: %zu\n", (GetTickCount() - start) / 1000.0,
                run.Findings().Count());
    run.Findings().Print();
    std::printf("torture: %s\n", run.Findings().Count() == 0 ? "PASSED" : "FAILED");
    return run.Findings().Count() == 0 ? 0 : 1;
}

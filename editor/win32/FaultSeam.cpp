// FaultInjected: reads the step list from the environment of the test build.
#include "editor/win32/FaultSeam.h"

#ifdef VANTOSCOPE_FAULT_SEAM
#include <windows.h>

#include <cstring>
#endif

bool FaultInjected([[maybe_unused]] const char* step) {
#ifdef VANTOSCOPE_FAULT_SEAM
    char steps[256] = {};
    const DWORD length = GetEnvironmentVariableA("VANTOSCOPE_FAULTS", steps, sizeof steps);
    return length > 0 && length < sizeof steps && std::strstr(steps, step) != nullptr;
#else
    return false;
#endif
}

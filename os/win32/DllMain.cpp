// Module load glue: every notification records the module's instance handle.
#include <windows.h>

#include "os/Folders.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
    os::SetModuleInstance(instance);
    return TRUE;
}

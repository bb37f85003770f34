// Win32 side of the folder lookups and the module's instance handle.
#include "os/Folders.h"

#include <shlobj.h>
#include <windows.h>

namespace os {
namespace {
HINSTANCE gModuleInstance = nullptr;
}

std::optional<std::string> CommonDocumentsFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, 0, path))) {
        return std::nullopt;
    }
    return std::string(path);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "\\" + name;
}

void SetModuleInstance(void* instance) {
    gModuleInstance = static_cast<HINSTANCE>(instance);
}

void* ModuleInstance() {
    return gModuleInstance;
}

std::string ModulePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(gModuleInstance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    return std::string(path, length);
}

}  // namespace os

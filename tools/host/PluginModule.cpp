// CPluginModule: LoadLibrary and GetProcAddress.
#include "tools/host/PluginModule.h"

#include <windows.h>

CPluginModule::CPluginModule(const std::string& path) : module_(LoadLibraryA(path.c_str())) {}

CPluginModule::~CPluginModule() {
    if (module_ != nullptr) FreeLibrary(static_cast<HMODULE>(module_));
}

VstEntryProc CPluginModule::Entry(const char* name) const {
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<VstEntryProc>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module_), name)));
}

AEffect* CPluginModule::Instantiate(audioMasterCallback callback) const {
    const VstEntryProc entry = Entry();
    return entry != nullptr ? entry(callback) : nullptr;
}

std::string CPluginModule::ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

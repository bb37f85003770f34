// Folder lookups for the native tests: the shared documents folder may be
// overridden (or made to fail) by a test; otherwise as on POSIX.
#include "os/Folders.h"

#include <dlfcn.h>

#include <cstdlib>
#include <mutex>

#include "tests/native/support/FakeSystem.h"

namespace os {
namespace {

std::mutex gFolderMutex;
bool gFolderOverridden = false;
std::optional<std::string> gFolderOverride;
void* gModuleInstance = nullptr;

}  // namespace

std::optional<std::string> CommonDocumentsFolder() {
    {
        std::lock_guard<std::mutex> hold(gFolderMutex);
        if (gFolderOverridden) return gFolderOverride;
    }
    if (const char* folder = std::getenv("VANTOSCOPE_DOCUMENTS")) return std::string(folder);
    if (const char* home = std::getenv("HOME")) return std::string(home);
    return std::nullopt;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}

void SetModuleInstance(void* instance) {
    gModuleInstance = instance;
}

void* ModuleInstance() {
    return gModuleInstance;
}

std::string ModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ModulePath), &info) == 0 || info.dli_fname == nullptr) {
        return std::string();
    }
    return std::string(info.dli_fname);
}

namespace testing {

void SetCommonDocumentsFolder(std::optional<std::string> folder) {
    std::lock_guard<std::mutex> hold(gFolderMutex);
    gFolderOverridden = true;
    gFolderOverride = std::move(folder);
}

void ResetCommonDocumentsFolder() {
    std::lock_guard<std::mutex> hold(gFolderMutex);
    gFolderOverridden = false;
    gFolderOverride.reset();
}

}  // namespace testing
}  // namespace os

// POSIX side of the folder lookups. Unless a hook answers, the shared
// documents folder is taken from VANTOSCOPE_DOCUMENTS, else HOME.
#include "os/Folders.h"

#include <dlfcn.h>

#include <atomic>
#include <cstdlib>

#include "os/posix/Seams.h"

namespace os {
namespace {

void* gModuleInstance = nullptr;
std::atomic<posix::DocumentsFolderSource> gDocumentsFolderSource{nullptr};

}  // namespace

std::optional<std::string> CommonDocumentsFolder() {
    if (const posix::DocumentsFolderSource source = gDocumentsFolderSource.load()) {
        return source();
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

namespace posix {

void SetDocumentsFolderSource(DocumentsFolderSource source) {
    gDocumentsFolderSource.store(source);
}

}  // namespace posix
}  // namespace os

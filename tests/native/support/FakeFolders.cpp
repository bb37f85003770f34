// Overrides the common documents folder that the POSIX layer reports, or
// makes its lookup fail.
#include <mutex>

#include "os/posix/Seams.h"
#include "tests/native/support/FakeSystem.h"

namespace os::testing {
namespace {

std::mutex gFolderMutex;
std::optional<std::string> gFolder;

std::optional<std::string> OverriddenFolder() {
    std::lock_guard<std::mutex> hold(gFolderMutex);
    return gFolder;
}

}  // namespace

void SetCommonDocumentsFolder(std::optional<std::string> folder) {
    {
        std::lock_guard<std::mutex> hold(gFolderMutex);
        gFolder = std::move(folder);
    }
    posix::SetDocumentsFolderSource(&OverriddenFolder);
}

void ResetCommonDocumentsFolder() {
    posix::SetDocumentsFolderSource(nullptr);
}

}  // namespace os::testing

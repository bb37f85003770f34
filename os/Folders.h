// Where the module lives and where shared documents go.
#pragma once

#include <optional>
#include <string>

namespace os {

// The common documents folder, or nothing when the lookup fails.
std::optional<std::string> CommonDocumentsFolder();

// Recorded by the module's load notification; the editor needs it for its
// window class, dialogs and bitmap.
void SetModuleInstance(void* instance);
void* ModuleInstance();

// folder + the platform's separator + name.
std::string JoinPath(const std::string& folder, const std::string& name);

// Full path of this module's file (the DLL on Windows); empty if unknown.
std::string ModulePath();

}  // namespace os

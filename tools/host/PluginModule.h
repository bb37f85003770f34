// A plug-in module loaded the way a host loads it: LoadLibrary, then the
// exported entry point by name.
#pragma once

#include <string>

#include "plugin/VstAbi.h"

using VstEntryProc = AEffect* (*)(audioMasterCallback);

class CPluginModule {
public:
    explicit CPluginModule(const std::string& path);
    ~CPluginModule();

    CPluginModule(const CPluginModule&) = delete;
    CPluginModule& operator=(const CPluginModule&) = delete;

    bool IsLoaded() const { return module_ != nullptr; }
    // The entry exported under name, or null.
    VstEntryProc Entry(const char* name = "VSTPluginMain") const;
    // Creates one effect instance with the given host callback.
    AEffect* Instantiate(audioMasterCallback callback) const;

    // The folder that holds the running program, with a trailing separator.
    static std::string ProgramFolder();

private:
    void* module_;
};

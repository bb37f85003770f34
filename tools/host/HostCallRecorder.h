// The host side of the plug-in interface as our test hosts play it: answers
// the version query, the edit notifications and the editor's requests for a
// new window size, and records every call the plug-in makes. One recorder is active at a time; its
// static Callback is what the host hands to the entry point.
#pragma once

#include <functional>
#include <mutex>
#include <vector>

#include "plugin/VstAbi.h"

struct HostCall {
    AEffect* effect;
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
};

class CHostCallRecorder {
public:
    explicit CHostCallRecorder(VstIntPtr versionAnswer = kVstVersion);
    ~CHostCallRecorder();

    CHostCallRecorder(const CHostCallRecorder&) = delete;
    CHostCallRecorder& operator=(const CHostCallRecorder&) = delete;

    static VstIntPtr Callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                              void* ptr, float opt);

    std::vector<HostCall> Calls() const;
    std::vector<HostCall> CallsWith(VstInt32 opcode) const;
    void Clear();

    // What audioMasterBeginEdit and audioMasterEndEdit answer.
    void SetEditAnswer(VstIntPtr answer) { editAnswer_ = answer; }

    // Resizes the window of effect's editor for audioMasterSizeWindow
    // (index = width, value = height) and says whether it did; without one
    // the host refuses (answers 0). Called on the thread that asks.
    using SizeWindowHandler = std::function<bool(AEffect* effect, int width, int height)>;
    void SetSizeWindowHandler(SizeWindowHandler handler);

private:
    VstIntPtr Answer(const HostCall& call);

    VstIntPtr versionAnswer_;
    VstIntPtr editAnswer_ = 1;
    SizeWindowHandler sizeWindow_;
    mutable std::mutex mutex_;
    std::vector<HostCall> calls_;
};

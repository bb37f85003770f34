// Random calls of every dispatcher opcode and of the parameter functions,
// with arguments a host may pass (out-of-range indices, awkward floats,
// null where the pointer is unused or optional), checking the answers that
// a host relies on: texts within their limits, parameters within [0, 1].
#pragma once

#include <string>

#include "plugin/VstAbi.h"

class CFindings;
class CTortureRandom;
struct OpcodeInfo;

class CDispatcherFuzzer {
public:
    CDispatcherFuzzer(CFindings& findings, void* parentWindow, int boardSlot);

    // The user-interface thread: one random dispatcher call.
    void CallDispatcher(AEffect* effect, CTortureRandom& random, const std::string& context);
    // The user-interface thread: a random setParameter, then getParameter
    // of the same index.
    void CallParameter(AEffect* effect, CTortureRandom& random, const std::string& context);

private:
    struct Call {
        VstInt32 index;
        VstIntPtr value;
        void* ptr;
        float opt;
    };

    Call ArgumentsFor(const OpcodeInfo& info, AEffect* effect, CTortureRandom& random);
    void CheckText(const OpcodeInfo& info, const std::string& call);
    void CheckRect(const std::string& call);
    std::string Describe(const OpcodeInfo& info, const Call& call) const;

    CFindings& findings_;
    void* parentWindow_;
    int boardSlot_;
    alignas(16) unsigned char text_[1024];
    alignas(16) unsigned char scratch_[2][8192];
    std::string inputText_;
};

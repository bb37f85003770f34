// Every dispatcher opcode of the plug-in interface with what its pointer
// (and, for a few, its value) must be, so that random calls stay within
// what a host may legally pass.
#pragma once

#include <cstddef>

#include "plugin/VstAbi.h"

enum class PointerUse {
    kUnused,        // null or anything
    kTextOut,       // a text buffer of textLimit characters plus terminator
    kTextIn,        // a terminated string
    kTextInOrNull,  // a terminated string, or null to ask whether it is supported
    kBufferOut,     // a structure or pointer the plug-in fills
    kBufferIn,      // a structure the plug-in reads
    kParentWindow,  // the host's window for the editor
    kPointerPair,   // value and pointer both point where the plug-in stores
};

struct OpcodeInfo {
    VstInt32 opcode;
    const char* name;
    PointerUse pointer;
    int textLimit;  // characters, for kTextOut
};

// Every opcode of the interface except effClose, which ends the instance.
const OpcodeInfo* AllOpcodes(size_t& count);
// The name of an opcode, for reports ("effClose" included; "unknown" else).
const char* OpcodeName(VstInt32 opcode);

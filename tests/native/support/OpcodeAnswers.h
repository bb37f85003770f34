// What a fresh instance answers to the dispatcher opcodes that take no
// buffer.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "plugin/VstAbi.h"

struct OpcodeAnswer {
    const char* name;
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    VstIntPtr expected;
};

inline const OpcodeAnswer kOpcodeAnswers[] = {
    {"open", effOpen, 0, 0, 0},
    {"getProgram", effGetProgram, 0, 0, 0},
    {"mainsOn", effMainsChanged, 0, 1, 0},
    {"identify", effIdentify, 0, 0, 0x4E764566},
    {"automatable0", effCanBeAutomated, 0, 0, 1},
    {"automatable8", effCanBeAutomated, 8, 0, 1},
    {"automatable9", effCanBeAutomated, 9, 0, 0},
    {"automatableNegative", effCanBeAutomated, -1, 0, 0},
    {"category", effGetPlugCategory, 0, 0, 3},
    {"vendorVersion", effGetVendorVersion, 0, 0, 810},
    {"vstVersion", effGetVstVersion, 0, 0, 2400},
    {"midiProgram", effGetCurrentMidiProgram, 0, 0, -1},
    {"totalSamples", effSetTotalSampleToProcess, 0, 123456, 123456},
    {"bypass", effSetBypass, 0, 1, 0},
    {"unknown", 200, 0, 0, 0},
    {"negative", -5, 0, 0, 0},
};

inline std::string OpcodeAnswerName(const ::testing::TestParamInfo<OpcodeAnswer>& info) {
    return info.param.name;
}

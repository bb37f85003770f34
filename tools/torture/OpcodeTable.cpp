// AllOpcodes: the interface's opcodes in numbering order.
#include "tools/torture/OpcodeTable.h"

namespace {

using P = PointerUse;

constexpr OpcodeInfo kOpcodes[] = {
    {effOpen, "effOpen", P::kUnused, 0},
    {effSetProgram, "effSetProgram", P::kUnused, 0},
    {effGetProgram, "effGetProgram", P::kUnused, 0},
    {effSetProgramName, "effSetProgramName", P::kTextIn, 0},
    {effGetProgramName, "effGetProgramName", P::kTextOut, kVstMaxProgNameLen},
    {effGetParamLabel, "effGetParamLabel", P::kTextOut, kVstMaxParamStrLen},
    {effGetParamDisplay, "effGetParamDisplay", P::kTextOut, kVstMaxParamStrLen},
    {effGetParamName, "effGetParamName", P::kTextOut, kVstMaxParamStrLen},
    {effGetVu, "effGetVu", P::kUnused, 0},
    {effSetSampleRate, "effSetSampleRate", P::kUnused, 0},
    {effSetBlockSize, "effSetBlockSize", P::kUnused, 0},
    {effMainsChanged, "effMainsChanged", P::kUnused, 0},
    {effEditGetRect, "effEditGetRect", P::kBufferOut, 0},
    {effEditOpen, "effEditOpen", P::kParentWindow, 0},
    {effEditClose, "effEditClose", P::kUnused, 0},
    {effEditDraw, "effEditDraw", P::kBufferIn, 0},
    {effEditMouse, "effEditMouse", P::kUnused, 0},
    {effEditKey, "effEditKey", P::kUnused, 0},
    {effEditIdle, "effEditIdle", P::kUnused, 0},
    {effEditTop, "effEditTop", P::kUnused, 0},
    {effEditSleep, "effEditSleep", P::kUnused, 0},
    {effIdentify, "effIdentify", P::kUnused, 0},
    {effGetChunk, "effGetChunk", P::kBufferOut, 0},
    {effSetChunk, "effSetChunk", P::kBufferIn, 0},
    {effProcessEvents, "effProcessEvents", P::kBufferIn, 0},
    {effCanBeAutomated, "effCanBeAutomated", P::kUnused, 0},
    {effString2Parameter, "effString2Parameter", P::kTextInOrNull, 0},
    {effGetNumProgramCategories, "effGetNumProgramCategories", P::kUnused, 0},
    {effGetProgramNameIndexed, "effGetProgramNameIndexed", P::kTextOut, kVstMaxProgNameLen},
    {effCopyProgram, "effCopyProgram", P::kUnused, 0},
    {effConnectInput, "effConnectInput", P::kUnused, 0},
    {effConnectOutput, "effConnectOutput", P::kUnused, 0},
    {effGetInputProperties, "effGetInputProperties", P::kBufferOut, 0},
    {effGetOutputProperties, "effGetOutputProperties", P::kBufferOut, 0},
    {effGetPlugCategory, "effGetPlugCategory", P::kUnused, 0},
    {effGetCurrentPosition, "effGetCurrentPosition", P::kUnused, 0},
    {effGetDestinationBuffer, "effGetDestinationBuffer", P::kUnused, 0},
    {effOfflineNotify, "effOfflineNotify", P::kBufferIn, 0},
    {effOfflinePrepare, "effOfflinePrepare", P::kBufferIn, 0},
    {effOfflineRun, "effOfflineRun", P::kBufferIn, 0},
    {effProcessVarIo, "effProcessVarIo", P::kBufferIn, 0},
    {effSetSpeakerArrangement, "effSetSpeakerArrangement", P::kPointerPair, 0},
    {effSetBlockSizeAndSampleRate, "effSetBlockSizeAndSampleRate", P::kUnused, 0},
    {effSetBypass, "effSetBypass", P::kUnused, 0},
    {effGetEffectName, "effGetEffectName", P::kTextOut, kVstMaxEffectNameLen},
    {effGetErrorText, "effGetErrorText", P::kTextOut, 255},
    {effGetVendorString, "effGetVendorString", P::kTextOut, kVstMaxVendorStrLen},
    {effGetProductString, "effGetProductString", P::kTextOut, kVstMaxProductStrLen},
    {effGetVendorVersion, "effGetVendorVersion", P::kUnused, 0},
    {effVendorSpecific, "effVendorSpecific", P::kUnused, 0},
    {effCanDo, "effCanDo", P::kTextIn, 0},
    {effGetTailSize, "effGetTailSize", P::kUnused, 0},
    {effIdle, "effIdle", P::kUnused, 0},
    {effGetIcon, "effGetIcon", P::kUnused, 0},
    {effSetViewPosition, "effSetViewPosition", P::kUnused, 0},
    {effGetParameterProperties, "effGetParameterProperties", P::kBufferOut, 0},
    {effKeysRequired, "effKeysRequired", P::kUnused, 0},
    {effGetVstVersion, "effGetVstVersion", P::kUnused, 0},
    {effEditKeyDown, "effEditKeyDown", P::kUnused, 0},
    {effEditKeyUp, "effEditKeyUp", P::kUnused, 0},
    {effSetEditKnobMode, "effSetEditKnobMode", P::kUnused, 0},
    {effGetMidiProgramName, "effGetMidiProgramName", P::kBufferOut, 0},
    {effGetCurrentMidiProgram, "effGetCurrentMidiProgram", P::kBufferOut, 0},
    {effGetMidiProgramCategory, "effGetMidiProgramCategory", P::kBufferOut, 0},
    {effHasMidiProgramsChanged, "effHasMidiProgramsChanged", P::kUnused, 0},
    {effGetMidiKeyName, "effGetMidiKeyName", P::kBufferOut, 0},
    {effBeginSetProgram, "effBeginSetProgram", P::kUnused, 0},
    {effEndSetProgram, "effEndSetProgram", P::kUnused, 0},
    {effGetSpeakerArrangement, "effGetSpeakerArrangement", P::kPointerPair, 0},
    {effShellGetNextPlugin, "effShellGetNextPlugin", P::kTextOut, 63},
    {effStartProcess, "effStartProcess", P::kUnused, 0},
    {effStopProcess, "effStopProcess", P::kUnused, 0},
    {effSetTotalSampleToProcess, "effSetTotalSampleToProcess", P::kUnused, 0},
    {effSetPanLaw, "effSetPanLaw", P::kUnused, 0},
    {effBeginLoadBank, "effBeginLoadBank", P::kBufferIn, 0},
    {effBeginLoadProgram, "effBeginLoadProgram", P::kBufferIn, 0},
    {effSetProcessPrecision, "effSetProcessPrecision", P::kUnused, 0},
    {effGetNumMidiInputChannels, "effGetNumMidiInputChannels", P::kUnused, 0},
    {effGetNumMidiOutputChannels, "effGetNumMidiOutputChannels", P::kUnused, 0},
};

}  // namespace

const OpcodeInfo* AllOpcodes(size_t& count) {
    count = sizeof kOpcodes / sizeof kOpcodes[0];
    return kOpcodes;
}

const char* OpcodeName(VstInt32 opcode) {
    if (opcode == effClose) return "effClose";
    for (const OpcodeInfo& info : kOpcodes) {
        if (info.opcode == opcode) return info.name;
    }
    return "unknown";
}

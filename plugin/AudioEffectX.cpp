// AudioEffectX: the version 2 opcodes of the dispatcher.
#include "plugin/AudioEffectX.h"

VstInt32 AudioEffectX::getPlugCategory() {
    return (cEffect_.flags & effFlagsIsSynth) != 0 ? kPlugCategSynth : kPlugCategUnknown;
}

void AudioEffectX::resume() {
    if ((cEffect_.flags & effFlagsIsSynth) != 0) return;
    char receiveMidi[] = "receiveVstMidiEvent";
    if (canDo(receiveMidi) == 1) wantEvents();
}

bool AudioEffectX::getSpeakerArrangement(VstSpeakerArrangement** input,
                                         VstSpeakerArrangement** output) {
    if (input != nullptr) *input = nullptr;
    if (output != nullptr) *output = nullptr;
    return false;
}

bool AudioEffectX::beginEdit(VstInt32 index) {
    return CallHost(audioMasterBeginEdit, index, 0, nullptr, 0.0f) != 0;
}

bool AudioEffectX::endEdit(VstInt32 index) {
    return CallHost(audioMasterEndEdit, index, 0, nullptr, 0.0f) != 0;
}

bool AudioEffectX::wantEvents(VstInt32 filter) {
    return CallHost(audioMasterWantMidi, 0, filter, nullptr, 0.0f) != 0;
}

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) {
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
        case effCanBeAutomated:
            return canParameterBeAutomated(index) ? 1 : 0;
        case effGetProgramNameIndexed:
            return text != nullptr &&
                           getProgramNameIndexed(static_cast<VstInt32>(value), index, text)
                       ? 1
                       : 0;
        case effGetPlugCategory:
            return getPlugCategory();
        case effGetEffectName:
            return text != nullptr && getEffectName(text) ? 1 : 0;
        case effGetVendorString:
            return text != nullptr && getVendorString(text) ? 1 : 0;
        case effGetProductString:
            return text != nullptr && getProductString(text) ? 1 : 0;
        case effGetVendorVersion:
            return getVendorVersion();
        case effCanDo:
            return text != nullptr ? canDo(text) : 0;
        case effGetVstVersion:
            return getVstVersion();
        case effGetCurrentMidiProgram:
            return getCurrentMidiProgram();
        case effGetSpeakerArrangement:
            getSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement**>(value),
                                  static_cast<VstSpeakerArrangement**>(ptr));
            return 0;
        case effSetTotalSampleToProcess:
            return setTotalSampleToProcess(static_cast<VstInt32>(value));
        case effSetEditKnobMode:
        case effEditIdle:
            return 0;
        default:
            return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

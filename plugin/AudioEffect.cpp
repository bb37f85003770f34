// AudioEffect: effect record set-up, the entry glue behind the record's
// function pointers, and the version 1 dispatcher.
#include "plugin/AudioEffect.h"

#include <cstring>

namespace {

AudioEffect* EffectOf(AEffect* effect) {
    return effect != nullptr ? static_cast<AudioEffect*>(effect->object) : nullptr;
}

// The glue never lets an exception reach the host: a failed call answers 0.
VstIntPtr DispatchEffectClass(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                              void* ptr, float opt) {
    AudioEffect* plugin = EffectOf(effect);
    if (plugin == nullptr) return 0;
    try {
        if (opcode == effClose) {
            plugin->dispatcher(opcode, index, value, ptr, opt);
            delete plugin;
            return 1;
        }
        return plugin->dispatcher(opcode, index, value, ptr, opt);
    } catch (...) {
        return 0;
    }
}

// The deprecated accumulating process call does nothing.
void ProcessClass(AEffect* /*effect*/, float** /*inputs*/, float** /*outputs*/,
                  VstInt32 /*sampleFrames*/) {}

void ProcessClassReplacing(AEffect* effect, float** inputs, float** outputs,
                           VstInt32 sampleFrames) {
    if (AudioEffect* plugin = EffectOf(effect)) {
        try {
            plugin->processReplacing(inputs, outputs, sampleFrames);
        } catch (...) {
        }
    }
}

void ProcessClassDoubleReplacing(AEffect* effect, double** inputs, double** outputs,
                                 VstInt32 sampleFrames) {
    if (AudioEffect* plugin = EffectOf(effect)) {
        try {
            plugin->processDoubleReplacing(inputs, outputs, sampleFrames);
        } catch (...) {
        }
    }
}

void SetParameterClass(AEffect* effect, VstInt32 index, float value) {
    if (AudioEffect* plugin = EffectOf(effect)) {
        try {
            plugin->setParameter(index, value);
        } catch (...) {
        }
    }
}

float GetParameterClass(AEffect* effect, VstInt32 index) {
    AudioEffect* plugin = EffectOf(effect);
    if (plugin == nullptr) return 0.0f;
    try {
        return plugin->getParameter(index);
    } catch (...) {
        return 0.0f;
    }
}

}  // namespace

AudioEffect::AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams)
    : audioMaster_(audioMaster), numPrograms_(numPrograms), numParams_(numParams) {
    std::memset(&cEffect_, 0, sizeof cEffect_);
    cEffect_.magic = kEffectMagic;
    cEffect_.dispatcher = DispatchEffectClass;
    cEffect_.process = ProcessClass;
    cEffect_.setParameter = SetParameterClass;
    cEffect_.getParameter = GetParameterClass;
    cEffect_.numPrograms = numPrograms;
    cEffect_.numParams = numParams;
    cEffect_.numInputs = 1;
    cEffect_.numOutputs = 2;
    cEffect_.flags = effFlagsCanReplacing;
    cEffect_.ioRatio = 1.0f;
    cEffect_.object = this;
    cEffect_.uniqueID = MakeFourCC('N', 'o', 'E', 'f');
    cEffect_.version = 1;
    cEffect_.processReplacing = ProcessClassReplacing;
    cEffect_.processDoubleReplacing = ProcessClassDoubleReplacing;
}

AudioEffect::~AudioEffect() = default;

void AudioEffect::CopyString(char* destination, const char* source, int maxLength) {
    std::strncpy(destination, source, static_cast<size_t>(maxLength));
    destination[maxLength] = 0;
}

VstIntPtr AudioEffect::CallHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                float opt) {
    if (audioMaster_ == nullptr) return 0;
    return audioMaster_(&cEffect_, opcode, index, value, ptr, opt);
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value) {
    setParameter(index, value);
    CallHost(audioMasterAutomate, index, 0, nullptr, value);
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                  float opt) {
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
        case effOpen:
            open();
            return 0;
        case effClose:
            close();
            return 0;
        case effSetProgram:
            // Negative numbers are refused as well as too large ones: a host
            // would otherwise read a negative current program back.
            if (value >= 0 && value < numPrograms_) setProgram(static_cast<VstInt32>(value));
            return 0;
        case effGetProgram:
            return getProgram();
        case effSetProgramName:
            return 0;
        case effGetProgramName:
            if (text != nullptr) getProgramName(text);
            return 0;
        case effGetParamLabel:
            if (text != nullptr) getParameterLabel(index, text);
            return 0;
        case effGetParamDisplay:
            if (text != nullptr) getParameterDisplay(index, text);
            return 0;
        case effGetParamName:
            if (text != nullptr) getParameterName(index, text);
            return 0;
        case effSetSampleRate:
            setSampleRate(opt);
            return 0;
        case effSetBlockSize:
            setBlockSize(static_cast<VstInt32>(value));
            return 0;
        case effMainsChanged:
            if (value != 0) {
                resume();
            } else {
                suspend();
            }
            return 0;
        case effIdentify:
            return MakeFourCC('N', 'v', 'E', 'f');
        case effGetChunk:
            return ptr != nullptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
        case effSetChunk:
            return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
        default:
            return 0;
    }
}

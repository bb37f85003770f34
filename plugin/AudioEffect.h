// The effect base of the published VST 2.4 class model: owns the effect
// record that the host sees, answers the version 1 opcodes and forwards the
// record's function pointers to virtual operations.
#pragma once

#include "plugin/VstAbi.h"

class AudioEffect {
public:
    AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams);
    virtual ~AudioEffect();

    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    // Host's user-interface thread.
    virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt);
    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}
    virtual void setSampleRate(float sampleRate) { sampleRate_ = sampleRate; }
    virtual void setBlockSize(VstInt32 blockSize) { blockSize_ = blockSize; }

    // Host's audio thread.
    virtual void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) = 0;
    virtual void processDoubleReplacing(double** /*inputs*/, double** /*outputs*/,
                                        VstInt32 /*sampleFrames*/) {}

    virtual void setParameter(VstInt32 /*index*/, float /*value*/) {}
    virtual float getParameter(VstInt32 /*index*/) { return 0.0f; }
    // Sets the parameter and tells the host so that it can record automation.
    virtual void setParameterAutomated(VstInt32 index, float value);

    virtual VstInt32 getProgram() { return curProgram_; }
    virtual void setProgram(VstInt32 program) { curProgram_ = program; }
    virtual void setProgramName(char* /*name*/) {}
    virtual void getProgramName(char* name) { *name = 0; }
    virtual void getParameterLabel(VstInt32 /*index*/, char* label) { *label = 0; }
    virtual void getParameterDisplay(VstInt32 /*index*/, char* text) { *text = 0; }
    virtual void getParameterName(VstInt32 /*index*/, char* text) { *text = 0; }
    virtual VstInt32 getChunk(void** /*data*/, bool /*isPreset*/) { return 0; }
    virtual VstInt32 setChunk(void* /*data*/, VstInt32 /*byteSize*/, bool /*isPreset*/) {
        return 0;
    }

    AEffect* getAeffect() { return &cEffect_; }
    float getSampleRate() const { return sampleRate_; }
    VstInt32 getBlockSize() const { return blockSize_; }
    audioMasterCallback getAudioMaster() const { return audioMaster_; }

    // Copies at most maxLength characters and always terminates at maxLength.
    static void CopyString(char* destination, const char* source, int maxLength);

protected:
    // Calls the host, when there is one; 0 otherwise.
    VstIntPtr CallHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);

    void setUniqueID(VstInt32 id) { cEffect_.uniqueID = id; }
    void setNumInputs(VstInt32 inputs) { cEffect_.numInputs = inputs; }
    void setNumOutputs(VstInt32 outputs) { cEffect_.numOutputs = outputs; }

    audioMasterCallback audioMaster_;
    void* editor_ = nullptr;  // the published base's editor slot; never set here
    float sampleRate_ = 44100.0f;
    VstInt32 blockSize_ = 1024;
    VstInt32 numPrograms_;
    VstInt32 numParams_;
    VstInt32 curProgram_ = 0;
    AEffect cEffect_;
};

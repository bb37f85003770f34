// The version 2 extension of the effect base: identity strings, category,
// capabilities, speaker arrangement and the host edit notifications.
#pragma once

#include "plugin/AudioEffect.h"

struct VstSpeakerArrangement;

class AudioEffectX : public AudioEffect {
public:
    using AudioEffect::AudioEffect;

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                         float opt) override;
    // Asks for MIDI only when the effect says it can receive it.
    void resume() override;

    virtual bool canParameterBeAutomated(VstInt32 /*index*/) { return true; }
    virtual bool getProgramNameIndexed(VstInt32 /*category*/, VstInt32 /*index*/, char* /*text*/) {
        return false;
    }
    virtual bool getEffectName(char* /*name*/) { return false; }
    virtual bool getVendorString(char* /*text*/) { return false; }
    virtual bool getProductString(char* /*text*/) { return false; }
    virtual VstInt32 getVendorVersion() { return 0; }
    virtual VstInt32 getPlugCategory();
    virtual VstInt32 canDo(char* /*text*/) { return 0; }
    virtual VstInt32 getVstVersion() { return kVstVersion; }
    virtual VstInt32 getCurrentMidiProgram() { return -1; }
    virtual bool getSpeakerArrangement(VstSpeakerArrangement** input,
                                       VstSpeakerArrangement** output);
    virtual VstInt32 setTotalSampleToProcess(VstInt32 value) { return value; }
    virtual bool sizeWindow(VstInt32 /*width*/, VstInt32 /*height*/) { return false; }

    // Called by the parameter value texts while the user drags them.
    bool beginEdit(VstInt32 index);
    bool endEdit(VstInt32 index);
    bool wantEvents(VstInt32 filter = 1);
};

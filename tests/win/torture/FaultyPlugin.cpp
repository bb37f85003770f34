// A plug-in with one planted fault, chosen by the environment variable
// VANTOSCOPE_FAULT: "crash" (writes through null on editor idle), "hang"
// (never returns from editor idle), "output" (changes one sample of every
// long block), "errorbox" (raises an error box on editor open), "leak"
// (keeps one small heap block more on every editor open). The torture run
// must report each one.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "plugin/VstAbi.h"

namespace {

std::string Fault() {
    const char* fault = std::getenv("VANTOSCOPE_FAULT");
    return fault != nullptr ? fault : "";
}

VstIntPtr Dispatcher(AEffect* effect, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    static ERect rect{0, 0, 600, 900};
    if (opcode == effClose) {
        delete effect;
        return 1;
    }
    if (opcode == effEditGetRect && ptr != nullptr) *static_cast<ERect**>(ptr) = &rect;
    if (opcode == effEditOpen && Fault() == "errorbox") {
        MessageBoxA(nullptr, "planted fault", "Error", MB_OK);
    }
    if (opcode == effEditOpen && Fault() == "leak") {
        static int* volatile lastLeaked = nullptr;
        lastLeaked = new int(lastLeaked != nullptr ? *lastLeaked + 1 : 0);
    }
    if (opcode == effEditIdle && Fault() == "crash") *static_cast<volatile int*>(nullptr) = 1;
    if (opcode == effEditIdle && Fault() == "hang") Sleep(INFINITE);
    return 0;
}

template <typename Sample>
void Process(AEffect*, Sample** inputs, Sample** outputs, VstInt32 frames) {
    for (int channel = 0; channel < 2; ++channel) {
        std::memmove(outputs[channel], inputs[channel], sizeof(Sample) * std::max(frames, 0));
    }
    if (frames > 1000 && Fault() == "output") outputs[1][frames / 2] += Sample(0.25);
}

void SetParameter(AEffect*, VstInt32, float) {}
float GetParameter(AEffect*, VstInt32) {
    return 0.0f;
}

}  // namespace

extern "C" __declspec(dllexport) AEffect* VSTPluginMain(audioMasterCallback) {
    auto* effect = new AEffect();
    effect->magic = kEffectMagic;
    effect->dispatcher = Dispatcher;
    effect->setParameter = SetParameter;
    effect->getParameter = GetParameter;
    effect->numPrograms = 1;
    effect->numParams = 2;
    effect->numInputs = 2;
    effect->numOutputs = 2;
    effect->flags = effFlagsHasEditor | effFlagsCanReplacing | effFlagsCanDoubleReplacing;
    effect->processReplacing = Process<float>;
    effect->processDoubleReplacing = Process<double>;
    return effect;
}

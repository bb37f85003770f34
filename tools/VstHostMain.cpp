// vsthost: loads the plug-in as a host does and prints what the host sees:
// identity, parameters, a processed block, the editor size and any error box
// the plug-in raised. Usage: vsthost [path\to\Vantoscope.dll]
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/host/ErrorBoxWatcher.h"
#include "tools/host/HostCallRecorder.h"
#include "tools/host/PluginModule.h"

namespace {

constexpr int kBlockFrames = 512;
constexpr float kSampleRate = 44100.0f;
constexpr double kPi = 3.14159265358979323846;

VstIntPtr Dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                   void* ptr = nullptr, float opt = 0.0f) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

std::string Text(AEffect* effect, VstInt32 opcode, VstInt32 index = 0) {
    char text[256] = {};
    Dispatch(effect, opcode, index, 0, text);
    return text;
}

std::string FourCC(VstInt32 code) {
    const char chars[5] = {static_cast<char>(code >> 24), static_cast<char>(code >> 16),
                           static_cast<char>(code >> 8), static_cast<char>(code), 0};
    return chars;
}

void PrintIdentity(AEffect* effect) {
    std::printf("Effect     : %s\n", Text(effect, effGetEffectName).c_str());
    std::printf("Product    : %s\n", Text(effect, effGetProductString).c_str());
    std::printf("Vendor     : %s (version %ld)\n", Text(effect, effGetVendorString).c_str(),
                static_cast<long>(Dispatch(effect, effGetVendorVersion)));
    std::printf("Unique ID  : '%s'   magic '%s'   VST version %ld   category %ld\n",
                FourCC(effect->uniqueID).c_str(), FourCC(effect->magic).c_str(),
                static_cast<long>(Dispatch(effect, effGetVstVersion)),
                static_cast<long>(Dispatch(effect, effGetPlugCategory)));
    std::printf("Channels   : %d in, %d out   programs %d   parameters %d   flags 0x%04X\n",
                effect->numInputs, effect->numOutputs, effect->numPrograms, effect->numParams,
                static_cast<unsigned>(effect->flags));
    std::printf("Program    : %s\n", Text(effect, effGetProgramName).c_str());
}

void PrintParameters(AEffect* effect) {
    std::printf("\n  #  name      value   display   label  automatable\n");
    for (VstInt32 index = 0; index < effect->numParams; ++index) {
        std::printf("%3d  %-8s  %5.3f   %-8s  %-5s  %s\n", index,
                    Text(effect, effGetParamName, index).c_str(),
                    effect->getParameter(effect, index),
                    Text(effect, effGetParamDisplay, index).c_str(),
                    Text(effect, effGetParamLabel, index).c_str(),
                    Dispatch(effect, effCanBeAutomated, index) != 0 ? "yes" : "no");
    }
}

void ProcessOneBlock(AEffect* effect) {
    std::vector<float> left(kBlockFrames), right(kBlockFrames);
    std::vector<float> outLeft(kBlockFrames), outRight(kBlockFrames);
    for (int i = 0; i < kBlockFrames; ++i) {
        left[i] = static_cast<float>(0.5 * std::sin(2.0 * kPi * 1000.0 * i / kSampleRate));
        right[i] = -left[i];
    }
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {outLeft.data(), outRight.data()};
    effect->processReplacing(effect, inputs, outputs, kBlockFrames);
    const bool identical =
        std::memcmp(left.data(), outLeft.data(), sizeof(float) * kBlockFrames) == 0 &&
        std::memcmp(right.data(), outRight.data(), sizeof(float) * kBlockFrames) == 0;
    std::printf("\nProcessed %d frames of a 1 kHz sine (left) and its inverse (right)\n",
                kBlockFrames);
    for (int i = 0; i < 4; ++i) {
        std::printf("  frame %d: in % .6f % .6f   out % .6f % .6f\n", i, left[i], right[i],
                    outLeft[i], outRight[i]);
    }
    std::printf("  output equals input bit for bit: %s\n", identical ? "yes" : "NO");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : CPluginModule::ProgramFolder() + "Vantoscope.dll";
    CErrorBoxWatcher errorBoxes;
    CHostCallRecorder host;
    CPluginModule module(path);
    if (!module.IsLoaded()) {
        std::printf("Could not load %s\n", path.c_str());
        return 1;
    }
    AEffect* effect = module.Instantiate(&CHostCallRecorder::Callback);
    if (effect == nullptr) {
        std::printf("VSTPluginMain returned no effect\n");
        return 1;
    }
    std::printf("Loaded %s\n\n", path.c_str());
    Dispatch(effect, effOpen);
    Dispatch(effect, effSetSampleRate, 0, 0, nullptr, kSampleRate);
    Dispatch(effect, effSetBlockSize, 0, kBlockFrames);
    Dispatch(effect, effMainsChanged, 0, 1);

    PrintIdentity(effect);
    PrintParameters(effect);
    ProcessOneBlock(effect);

    ERect* rect = nullptr;
    Dispatch(effect, effEditGetRect, 0, 0, &rect);
    if (rect != nullptr) {
        std::printf("\nEditor rectangle: top %d left %d bottom %d right %d\n", rect->top,
                    rect->left, rect->bottom, rect->right);
    }
    Dispatch(effect, effMainsChanged, 0, 0);
    Dispatch(effect, effClose);

    std::printf("\nHost callbacks received: %zu\n", host.Calls().size());
    const std::vector<std::string> errors = errorBoxes.Errors();
    std::printf("Error boxes: %zu\n", errors.size());
    for (const std::string& error : errors) std::printf("  %s\n", error.c_str());
    return errors.empty() ? 0 : 2;
}

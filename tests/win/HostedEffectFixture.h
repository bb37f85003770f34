// A test host around the real DLL: loads it with LoadLibrary, creates an
// instance through VSTPluginMain, records the host calls and any error
// box, and unloads the module afterwards.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tools/host/ErrorBoxWatcher.h"
#include "tools/host/HostCallRecorder.h"
#include "tools/host/PluginModule.h"

class HostedEffectFixture : public ::testing::Test {
protected:
    static std::string DllPath() { return CPluginModule::ProgramFolder() + "Vantoscope.dll"; }

    void SetUp() override {
        module_ = std::make_unique<CPluginModule>(DllPath());
        ASSERT_TRUE(module_->IsLoaded()) << DllPath();
        effect_ = module_->Instantiate(&CHostCallRecorder::Callback);
        ASSERT_NE(effect_, nullptr);
    }

    void TearDown() override {
        if (effect_ != nullptr) Close(effect_);
        module_.reset();
        EXPECT_EQ(errorBoxes_.Errors(), std::vector<std::string>())
            << "no error box may appear unless a test expects it";
    }

    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) {
        return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
    }

    std::string Text(VstInt32 opcode, VstInt32 index = 0) {
        char text[256] = {};
        Dispatch(opcode, index, 0, text);
        return text;
    }

    static void Close(AEffect*& effect) {
        effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
        effect = nullptr;
    }

    // The bytes of the log file in the common documents folder.
    static std::string LogFileBytes();

    CErrorBoxWatcher errorBoxes_;
    CHostCallRecorder host_;
    std::unique_ptr<CPluginModule> module_;
    AEffect* effect_ = nullptr;
};

// A plug-in instance made through the exported entry, as a host makes it,
// with the host's calls recorded and the instance's log lines captured.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "analysis/Synth.h"
#include "plugin/VstEntry.h"
#include "plugin/VstPlugin.h"
#include "tests/native/support/DiagnosticsCapture.h"
#include "tests/native/support/HostBlocks.h"
#include "tests/native/support/LogCapture.h"
#include "tools/host/HostCallRecorder.h"

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override {
        effect_ = VSTPluginMain(&CHostCallRecorder::Callback);
        ASSERT_NE(effect_, nullptr);
        log_.emplace();
    }

    void TearDown() override {
        if (effect_ != nullptr) CloseEffect();
    }

    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) {
        return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
    }

    // Natively there are no windows: the editor opens on a null parent, which
    // is enough for the engine to create the store and analyse.
    void OpenEditor() { Dispatch(effEditOpen, 0, 0, nullptr); }

    void CloseEffect() {
        log_.reset();
        Dispatch(effClose);
        effect_ = nullptr;
    }

    CVstPlugin& Plugin() { return *static_cast<CVstPlugin*>(effect_->object); }
    CSynth& Engine() { return *Plugin().Engine(); }

    bool Logged(const std::string& text) const { return log_->Contains(text); }

    DiagnosticsCapture capture_;
    CHostCallRecorder host_;
    AEffect* effect_ = nullptr;
    std::optional<LogCapture> log_;
};

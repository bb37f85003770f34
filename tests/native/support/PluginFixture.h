// A plug-in instance made through the exported entry, as a host makes it,
// with the host's calls recorded and the instance's log lines captured.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diag/ErrorSystem.h"
#include "plugin/VstEntry.h"
#include "plugin/VstPlugin.h"
#include "tests/native/support/DiagnosticsCapture.h"
#include "tools/host/HostCallRecorder.h"

class PluginFixture : public ::testing::Test, public CLogListener {
protected:
    void SetUp() override {
        effect_ = VSTPluginMain(&CHostCallRecorder::Callback);
        ASSERT_NE(effect_, nullptr);
        ErrorSystem::Instance()->AddListener(this);
    }

    void TearDown() override {
        if (effect_ != nullptr) CloseEffect();
    }

    void OnLogLine(const std::string& line) override { logLines_.push_back(line); }

    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) {
        return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
    }

    void CloseEffect() {
        ErrorSystem::Instance()->RemoveListener(this);
        Dispatch(effClose);
        effect_ = nullptr;
    }

    CVstPlugin& Plugin() { return *static_cast<CVstPlugin*>(effect_->object); }

    bool Logged(const std::string& text) const {
        for (const std::string& line : logLines_) {
            if (line.find(text) != std::string::npos) return true;
        }
        return false;
    }

    DiagnosticsCapture capture_;
    CHostCallRecorder host_;
    AEffect* effect_ = nullptr;
    std::vector<std::string> logLines_;
};

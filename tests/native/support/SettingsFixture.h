// A settings object with the diagnostics it logs to, for tests of the
// analysis parts that work without a plug-in.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "diag/ErrorSystem.h"
#include "params/Settings.h"
#include "tests/native/support/DiagnosticsCapture.h"

class SettingsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ErrorSystem::Acquire();
        settings_ = std::make_unique<CSettings>();
    }
    void TearDown() override {
        settings_.reset();
        ErrorSystem::Release();
    }

    DiagnosticsCapture capture_;
    std::unique_ptr<CSettings> settings_;
};

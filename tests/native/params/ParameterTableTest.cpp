// The parameter table as the host and the dialogs meet it in a fresh
// plug-in.
#include "params/ParameterTable.h"

#include <gtest/gtest.h>

#include "analysis/Synth.h"
#include "editor/SynthEditor.h"
#include "tests/native/support/PluginFixture.h"

namespace {

const char* const kHostParameterNames[] = {"CX",   "CY",  "CZ",   "CYaw", "CPitch",
                                           "Axis", "Ave", "Hold", "Freq"};
const char* const kHostParameterLabels[] = {"M", "M", "M", "Deg", "Deg", "%", "ms", "ms", "Hz"};

class ParameterTableTest : public PluginFixture {
protected:
    std::string HostText(VstInt32 opcode, VstInt32 index) {
        char text[32] = {};
        Dispatch(opcode, index, 0, text);
        return text;
    }
    CSynthEditor& Editor() { return *Plugin().Editor(); }
};

TEST_F(ParameterTableTest, HostSeesNineNamedParameters) {
    for (VstInt32 index = 0; index < 9; ++index) {
        EXPECT_EQ(HostText(effGetParamName, index), kHostParameterNames[index]);
        EXPECT_EQ(HostText(effGetParamLabel, index), kHostParameterLabels[index]);
    }
    EXPECT_EQ(HostText(effGetParamName, 9), "N/A");
}

TEST_F(ParameterTableTest, FreshValuesAndDisplayTexts) {
    EXPECT_FLOAT_EQ(effect_->getParameter(effect_, kParamCameraX), 0.5f);
    EXPECT_FLOAT_EQ(effect_->getParameter(effect_, kParamYaw), 0.0f);
    EXPECT_FLOAT_EQ(effect_->getParameter(effect_, kParamAxis), 0.5f);
    EXPECT_FLOAT_EQ(effect_->getParameter(effect_, kParamAverage), 0.0f);
    EXPECT_FLOAT_EQ(effect_->getParameter(effect_, kParamHold), 500.0f / 5100.0f);
    EXPECT_FLOAT_EQ(effect_->getParameter(effect_, kParamFrequency), 990.0f / 19990.0f);
    EXPECT_EQ(HostText(effGetParamDisplay, kParamCameraX), "0.00");
    EXPECT_EQ(HostText(effGetParamDisplay, kParamYaw), "0");
    EXPECT_EQ(HostText(effGetParamDisplay, kParamHold), "500");
    EXPECT_EQ(HostText(effGetParamDisplay, kParamFrequency), "1000");
}

TEST_F(ParameterTableTest, HostWritesReachTheParameters) {
    effect_->setParameter(effect_, kParamYaw, 1.0f);
    EXPECT_EQ(Editor().ControlsParameter(kParamYaw)->Value(), 360.0f) << "wrapping leaves 360";
    EXPECT_EQ(HostText(effGetParamDisplay, kParamYaw), "360");
    effect_->setParameter(effect_, kParamAverage, 1.0f);
    EXPECT_EQ(HostText(effGetParamDisplay, kParamAverage), "inf");
    effect_->setParameter(effect_, kParamCameraZ, 0.0f);
    EXPECT_EQ(HostText(effGetParamDisplay, kParamCameraZ), "-999.00");
    EXPECT_TRUE(host_.CallsWith(audioMasterAutomate).empty());
}

TEST_F(ParameterTableTest, UserEditsOfAnAutomatableParameterReachTheHost) {
    CParamControl& hold = *Editor().ControlsParameter(kParamHold);
    hold.SetAutomate(true);
    hold.SetValue(1000);
    const std::vector<HostCall> automate = host_.CallsWith(audioMasterAutomate);
    ASSERT_EQ(automate.size(), 1u);
    EXPECT_EQ(automate[0].index, kParamHold);
    EXPECT_FLOAT_EQ(automate[0].opt, 1000.0f / 5100.0f);
    EXPECT_FLOAT_EQ(effect_->getParameter(effect_, kParamHold), 1000.0f / 5100.0f);
}

TEST_F(ParameterTableTest, AxisStartsDisabledAndEverythingElseEnabled) {
    for (int index = 0; index < kControlsParameterCount; ++index) {
        EXPECT_EQ(Editor().ControlsParameter(index)->IsEnabled(), index != kParamAxis) << index;
    }
}

TEST_F(ParameterTableTest, ValuesSurviveEditorCloseAndReopen) {
    effect_->setParameter(effect_, kParamPitch, 0.25f);
    OpenEditor();
    Dispatch(effEditClose);
    OpenEditor();
    Dispatch(effEditClose);
    EXPECT_EQ(Editor().ControlsParameter(kParamPitch)->Value(), 90.0f);
}

}  // namespace

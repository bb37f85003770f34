// The effect as a host sees it: the entry point, identity, the dispatcher's
// answers, strings, programs, the editor opcodes and instance lifetime.
#include "plugin/VstPlugin.h"

#include <gtest/gtest.h>

#include <cstring>

#include "analysis/PerformanceTimer.h"
#include "analysis/Synth.h"
#include "editor/SynthEditor.h"
#include "params/Settings.h"
#include "tests/native/support/PluginFixture.h"

namespace {

constexpr char kUntouched[] = "untouched-sentinel";

TEST(VstEntry, RefusesAHostThatAnswersZeroToTheVersionQuery) {
    DiagnosticsCapture capture;
    CHostCallRecorder oldHost(0);
    EXPECT_EQ(VSTPluginMain(&CHostCallRecorder::Callback), nullptr);
    EXPECT_EQ(ErrorSystem::Instance(), nullptr) << "nothing may be created";
    const std::vector<HostCall> calls = oldHost.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
    EXPECT_EQ(calls[0].effect, nullptr);
}

TEST(VstEntry, RefusesANullCallback) {
    EXPECT_EQ(VSTPluginMain(nullptr), nullptr);
}

using VstPluginTest = PluginFixture;

TEST_F(VstPluginTest, EffectRecordCarriesTheIdentity) {
    EXPECT_EQ(effect_->magic, MakeFourCC('V', 's', 't', 'P'));
    EXPECT_EQ(effect_->uniqueID, 0x386E3530);
    EXPECT_EQ(effect_->numInputs, 2);
    EXPECT_EQ(effect_->numOutputs, 2);
    EXPECT_EQ(effect_->numPrograms, 2);
    EXPECT_EQ(effect_->numParams, 15);
    EXPECT_EQ(effect_->flags,
              effFlagsHasEditor | effFlagsCanReplacing | effFlagsCanDoubleReplacing);
    EXPECT_EQ(effect_->version, 1);
    EXPECT_EQ(effect_->ioRatio, 1.0f);
    EXPECT_EQ(effect_->object, static_cast<AudioEffect*>(&Plugin()));
    EXPECT_NE(effect_->process, nullptr);
    EXPECT_NE(effect_->processReplacing, nullptr);
    EXPECT_NE(effect_->processDoubleReplacing, nullptr);
    EXPECT_EQ(effect_->initialDelay, 0);
}

TEST_F(VstPluginTest, ConstructionLogsInOrderAndSettingsStartAt44100) {
    EXPECT_EQ(Plugin().Settings()->sampleRate.load(), 44100.0);
    EXPECT_EQ(Plugin().Settings()->maxBlockSize, 0);
    // The listener joins after construction, so read the file written at close.
    CloseEffect();
    const std::string log = capture_.LogFileBytes();
    const char* const ordered[] = {
        "VstPlugin(",     ") : Vantoscope Begin",  ") : Initial SR set to: 44100",
        "Synth(",         ") : Editor init",       ") : Editor Init done",
        ") : Synth Init", ") : CVstPlugin: CLOSE", ") : close synth",
        ") : close time", ") : close settings",    ") : Vantoscope End",
    };
    size_t position = 0;
    for (const char* text : ordered) {
        const size_t found = log.find(text, position);
        ASSERT_NE(found, std::string::npos) << text;
        position = found;
    }
}

// What a fresh instance answers to the opcodes that take no buffer: the
// answers a host acts on, and nothing for the opcodes it does not implement.
TEST_F(VstPluginTest, DispatcherAnswersAsPublished) {
    struct Answer {
        VstInt32 opcode, index;
        VstIntPtr value, expected;
    };
    const Answer answers[] = {
        {effOpen, 0, 0, 0},
        {effMainsChanged, 0, 1, 0},
        {effIdentify, 0, 0, 0x4E764566},
        {effCanBeAutomated, 8, 0, 1},
        {effCanBeAutomated, 9, 0, 0},
        {effCanBeAutomated, -1, 0, 0},
        {effGetPlugCategory, 0, 0, 3},
        {effGetVendorVersion, 0, 0, 810},
        {effGetVstVersion, 0, 0, 2400},
        {effGetCurrentMidiProgram, 0, 0, -1},
        {effSetTotalSampleToProcess, 0, 123456, 123456},
        {effSetBypass, 0, 1, 0},
        {200, 0, 0, 0},
        {-5, 0, 0, 0},
    };
    for (const Answer& a : answers) {
        EXPECT_EQ(Dispatch(a.opcode, a.index, a.value), a.expected) << "opcode " << a.opcode;
    }
}

TEST_F(VstPluginTest, IdentityStrings) {
    char text[256];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(Dispatch(effGetEffectName, 0, 0, text), 1);
    EXPECT_STREQ(text, "Vantoscope");
    EXPECT_EQ(Dispatch(effGetProductString, 0, 0, text), 1);
    EXPECT_STREQ(text, "Vantoscope");
    EXPECT_EQ(Dispatch(effGetVendorString, 0, 0, text), 1);
    EXPECT_STREQ(text, "Orlemar");
    EXPECT_EQ(Dispatch(effGetProgramName, 0, 0, text), 0);
    EXPECT_STREQ(text, "Vantoscope");
}

TEST_F(VstPluginTest, StringOpcodesRefuseANullBuffer) {
    for (VstInt32 opcode : {effGetEffectName, effGetVendorString, effGetProductString,
                            effGetProgramNameIndexed, effCanDo, effGetChunk}) {
        EXPECT_EQ(Dispatch(opcode, 0, 0, nullptr), 0) << opcode;
    }
    for (VstInt32 opcode :
         {effGetProgramName, effGetParamLabel, effGetParamDisplay, effGetParamName}) {
        EXPECT_EQ(Dispatch(opcode, 0, 0, nullptr), 0) << opcode;
    }
    EXPECT_EQ(Dispatch(effEditGetRect, 0, 0, nullptr), 1) << "the rectangle is still computed";
}

TEST_F(VstPluginTest, ProgramNameIndexedAnswersForBothProgramsOnly) {
    char text[64];
    for (VstInt32 index : {0, 1}) {
        std::strcpy(text, kUntouched);
        EXPECT_EQ(Dispatch(effGetProgramNameIndexed, index, 7, text), 1);
        EXPECT_STREQ(text, "Vantoscope");
    }
    for (VstInt32 index : {2, -1}) {
        std::strcpy(text, kUntouched);
        EXPECT_EQ(Dispatch(effGetProgramNameIndexed, index, 0, text), 0);
        EXPECT_STREQ(text, kUntouched);
    }
}

TEST_F(VstPluginTest, SetProgramAcceptsOnlyExistingPrograms) {
    Dispatch(effSetProgram, 0, 5);
    EXPECT_EQ(Dispatch(effGetProgram), 0);
    Dispatch(effSetProgram, 0, 1);
    EXPECT_EQ(Dispatch(effGetProgram), 1);
    Dispatch(effSetProgram, 0, -1);
    EXPECT_EQ(Dispatch(effGetProgram), 1);
}

TEST_F(VstPluginTest, SpeakerArrangementQueryStoresNullInBoth) {
    int dummy = 0;
    void* input = &dummy;
    void* output = &dummy;
    EXPECT_EQ(Dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output),
              0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
    EXPECT_EQ(Dispatch(effGetSpeakerArrangement, 0, 0, nullptr), 0);
}

TEST_F(VstPluginTest, UnbackedParametersAnswerNotAvailable) {
    for (VstInt32 index : {9, 12, 14, 100, -1}) {
        char text[32];
        std::strcpy(text, kUntouched);
        Dispatch(effGetParamName, index, 0, text);
        EXPECT_STREQ(text, "N/A") << index;
        EXPECT_EQ(text[7], 0);
        std::strcpy(text, kUntouched);
        Dispatch(effGetParamDisplay, index, 0, text);
        EXPECT_STREQ(text, "N/A") << index;
        std::strcpy(text, kUntouched);
        Dispatch(effGetParamLabel, index, 0, text);
        EXPECT_STREQ(text, "") << index;
        effect_->setParameter(effect_, index, 0.7f);
        EXPECT_EQ(effect_->getParameter(effect_, index), 0.0f) << index;
    }
}

TEST_F(VstPluginTest, BlockSizeGrowsButNeverShrinks) {
    Dispatch(effSetBlockSize, 0, 1024);
    EXPECT_EQ(Plugin().Settings()->maxBlockSize, 1024);
    EXPECT_TRUE(Logged(") : Max block size set to 1024\n"));
    EXPECT_FALSE(Logged("Size is same or less so not changing"));

    Dispatch(effSetBlockSize, 0, 512);
    EXPECT_TRUE(Logged("Size is same or less so not changing"));
    EXPECT_EQ(Plugin().Settings()->maxBlockSize, 1024);
    EXPECT_EQ(Plugin().getBlockSize(), 512);

    Dispatch(effSetBlockSize, 0, 2048);
    EXPECT_EQ(Plugin().Settings()->maxBlockSize, 2048);
}

TEST_F(VstPluginTest, AutomationAndEditsReachTheHost) {
    Plugin().setParameterAutomated(3, 0.25f);
    const std::vector<HostCall> automate = host_.CallsWith(audioMasterAutomate);
    ASSERT_EQ(automate.size(), 1u);
    EXPECT_EQ(automate[0].effect, effect_);
    EXPECT_EQ(automate[0].index, 3);
    EXPECT_EQ(automate[0].value, 0);
    EXPECT_EQ(automate[0].opt, 0.25f);

    EXPECT_TRUE(Plugin().beginEdit(4));
    host_.SetEditAnswer(0);
    EXPECT_FALSE(Plugin().endEdit(4));
    ASSERT_EQ(host_.CallsWith(audioMasterBeginEdit).size(), 1u);
    ASSERT_EQ(host_.CallsWith(audioMasterEndEdit).size(), 1u);
    EXPECT_EQ(host_.CallsWith(audioMasterEndEdit)[0].index, 4);
}

TEST_F(VstPluginTest, EditorRectangleIs900By600WithoutWindows) {
    ERect* rect = nullptr;
    EXPECT_EQ(Dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 600);
    EXPECT_EQ(rect->right, 900);
}

TEST_F(VstPluginTest, KeyEventsDriveTheBoundCameraActions) {
    CSynthEditor& editor = *Plugin().Editor();
    EXPECT_EQ(Dispatch(effEditKeyDown, 'w'), 1);
    EXPECT_EQ(editor.State().KeyHeld()[kActionForward], 1) << "'w' looks up 'W'";
    EXPECT_EQ(Dispatch(effEditKeyUp, 'W'), 1);
    EXPECT_EQ(editor.State().KeyHeld()[kActionForward], 0);

    EXPECT_EQ(Dispatch(effEditKeyDown, 'a'), 1);
    EXPECT_EQ(editor.State().KeyHeld()[kActionMoveLeft], 1) << "the first binding of A wins";
    EXPECT_EQ(editor.State().KeyHeld()[kActionRotateLeft], 0);
}

TEST_F(VstPluginTest, UnboundKeysAreAcceptedDownButRefusedUp) {
    CSynthEditor& editor = *Plugin().Editor();
    EXPECT_EQ(Dispatch(effEditKeyDown, 'q'), 1);
    EXPECT_EQ(Dispatch(effEditKeyUp, 'q'), 0);
    editor.State().KeyBindings()[0].action = kActionNone;
    EXPECT_EQ(Dispatch(effEditKeyDown, 'W'), 1);
    EXPECT_EQ(Dispatch(effEditKeyUp, 'W'), 0);
    EXPECT_EQ(Dispatch(effEditKeyDown, 0xE9), 1) << "characters above 127 are negative";
    for (uint8_t held : editor.State().KeyHeld()) EXPECT_EQ(held, 0);
}

TEST_F(VstPluginTest, EditorOpenAndCloseLogAndSwitchTheEngine) {
    EXPECT_EQ(Dispatch(effEditOpen), 1);
    EXPECT_TRUE(Plugin().Engine()->IsEditorOpen());
    EXPECT_EQ(Dispatch(effEditClose), 1);
    EXPECT_FALSE(Plugin().Engine()->IsEditorOpen());
    EXPECT_EQ(Plugin().Engine()->ParentWindow(), nullptr);
    EXPECT_TRUE(Logged(") : ***effEditOpen\n"));
    EXPECT_TRUE(Logged(") : ***effEditClose\n"));
    EXPECT_TRUE(Logged("Synth("));
    EXPECT_TRUE(Logged(") : CSynth: Editor Close Done\n"));
}

TEST_F(VstPluginTest, CloseDeletesTheObjectAndReleasesSharedServices) {
    CloseEffect();
    EXPECT_EQ(ErrorSystem::Instance(), nullptr);
    EXPECT_EQ(CVstPlugin::SharedTimer(), nullptr);
    EXPECT_EQ(CPerformanceTimer::SharedReferences(), 0);
    EXPECT_NE(capture_.LogFileBytes().find("Logging stopped at"), std::string::npos);
}

TEST_F(VstPluginTest, TwoInstancesShareOneTimerAndOneErrorSystem) {
    CPerformanceTimer* timer = CVstPlugin::SharedTimer();
    ErrorSystem* errors = ErrorSystem::Instance();
    AEffect* second = VSTPluginMain(&CHostCallRecorder::Callback);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(CVstPlugin::SharedTimer(), timer);
    EXPECT_EQ(CPerformanceTimer::SharedReferences(), 2);
    EXPECT_EQ(ErrorSystem::Instance(), errors);

    second->dispatcher(second, effClose, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(CVstPlugin::SharedTimer(), timer) << "the first instance still uses it";
    EXPECT_EQ(CPerformanceTimer::SharedReferences(), 1);
    EXPECT_EQ(ErrorSystem::Instance(), errors);
}

TEST_F(VstPluginTest, DestroyingWithoutCloseStillTearsDown) {
    log_.reset();
    delete &Plugin();
    effect_ = nullptr;
    EXPECT_EQ(ErrorSystem::Instance(), nullptr);
    EXPECT_EQ(CVstPlugin::SharedTimer(), nullptr);
}

TEST(VstEntryGlue, CallsWithoutAnObjectAnswerNeutrally) {
    DiagnosticsCapture capture;
    CHostCallRecorder host;
    AEffect* effect = VSTPluginMain(&CHostCallRecorder::Callback);
    ASSERT_NE(effect, nullptr);
    AEffect detached = *effect;
    detached.object = nullptr;
    EXPECT_EQ(detached.dispatcher(&detached, effGetVstVersion, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(detached.getParameter(&detached, 0), 0.0f);
    detached.setParameter(&detached, 0, 1.0f);
    detached.processReplacing(&detached, nullptr, nullptr, 16);
    EXPECT_EQ(effect->dispatcher(nullptr, effGetVstVersion, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f), 1);
}

}  // namespace

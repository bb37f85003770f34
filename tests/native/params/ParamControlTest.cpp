// Parameter objects: range rules, steps, normalisation, texts, locking and
// automation.
#include "params/ParamControl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <optional>
#include <thread>

#include "diag/ErrorSystem.h"
#include "params/ParameterAutomation.h"
#include "resources/resource.h"
#include "tests/native/support/DiagnosticsCapture.h"
#include "tests/native/support/FakeSystem.h"
#include "tests/native/support/LogCapture.h"

namespace {

// Records what a parameter tells the host.
class RecordingEffect : public CParameterAutomation {
public:
    void Automate(int index, float value) override { automated.push_back({index, value}); }
    void BeginEdit(int index) override { edits.push_back(index); }
    void EndEdit(int index) override { edits.push_back(-index); }
    std::vector<std::pair<int, float>> automated;
    std::vector<int> edits;  // begin as the index, end as its negative
};

// minimum, maximum, step, default, controls, decimals, host index, wraps,
// has maximum text
constexpr ParamSpec kCameraX{-999,     999, 10, 0,     IDC_X_VALUE, IDC_X_DOWN,
                             IDC_X_UP, 2,   0,  false, false};
constexpr ParamSpec kYaw{0, 360, 1, 0, IDC_YAW_VALUE, IDC_YAW_DOWN, IDC_YAW_UP, 0, 3, true, false};
constexpr ParamSpec kHold{0, 5100, 100,   500, IDC_HOLD_VALUE, IDC_HOLD_DOWN, IDC_HOLD_UP,
                          0, 7,    false, true};
constexpr ParamSpec kSmoothing{
    1, 11, 1, 11, IDC_SMOOTHING_VALUE, IDC_SMOOTHING_DOWN, IDC_SMOOTHING_UP, 0, 2, false, true};

class ParamControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        os::testing::ResetDialogs();
        ErrorSystem::Acquire();
        log_.emplace();
    }
    void TearDown() override {
        log_.reset();
        ErrorSystem::Release();
        os::testing::ResetDialogs();
    }

    std::string HostText(const CParamControl& parameter) {
        char text[16];
        std::memset(text, 'x', sizeof text);
        parameter.GetDisplayText(text);
        EXPECT_EQ(text[8], 0) << "byte 8 always terminates";
        return text;
    }

    DiagnosticsCapture capture_;
    std::optional<LogCapture> log_;
    RecordingEffect effect_;
    int dialog_ = 0;
    os::WindowHandle Dialog() { return &dialog_; }
};

TEST_F(ParamControlTest, WrappingParameterWrapsByItsMaximum) {
    CParamControl yaw(kYaw, &effect_);
    yaw.SetValue(355);
    yaw.AddDelta(10);
    EXPECT_EQ(yaw.Value(), 5.0f);
    yaw.SetValue(725);
    EXPECT_EQ(yaw.Value(), 5.0f);
    yaw.SetValue(-30);
    EXPECT_EQ(yaw.Value(), 330.0f);
    yaw.SetValue(0);
    yaw.Step(kYaw.minusControl);
    EXPECT_EQ(yaw.Value(), 359.0f);
    yaw.SetValue(360);
    EXPECT_EQ(yaw.Value(), 360.0f) << "the maximum itself stays";
}

TEST_F(ParamControlTest, ClampingParameterStopsAtItsEnds) {
    CParamControl x(kCameraX, &effect_);
    x.SetValue(995);
    EXPECT_TRUE(x.Step(kCameraX.plusControl));
    EXPECT_EQ(x.Value(), 999.0f);
    x.SetValue(-5000);
    EXPECT_EQ(x.Value(), -999.0f);
}

TEST_F(ParamControlTest, StepClaimsOnlyItsOwnControls) {
    CParamControl x(kCameraX, &effect_);
    EXPECT_FALSE(x.Step(kCameraX.valueControl));
    EXPECT_FALSE(x.Step(IDC_YAW_VALUE));
    EXPECT_EQ(x.Value(), 0.0f);
    EXPECT_TRUE(x.Step(kCameraX.minusControl));
    EXPECT_EQ(x.Value(), -10.0f);
}

TEST_F(ParamControlTest, ControlKeyMakesEveryStepOne) {
    CParamControl hold(kHold, &effect_);
    os::testing::SetControlKeyActive(true);
    hold.Step(kHold.plusControl);
    EXPECT_EQ(hold.Value(), 501.0f);
    os::testing::SetControlKeyActive(false);
    hold.Step(kHold.plusControl);
    EXPECT_EQ(hold.Value(), 601.0f);
}

TEST_F(ParamControlTest, NormalisationCoversTheRangeAndStaysSilentTowardsTheHost) {
    CParamControl yaw(kYaw, &effect_);
    yaw.SetAutomate(true);
    EXPECT_EQ(yaw.GetNormalized(), 0.0f);
    yaw.SetNormalized(0.5f);
    EXPECT_EQ(yaw.Value(), 180.0f);
    yaw.SetNormalized(1.0f);
    EXPECT_EQ(yaw.Value(), 360.0f);
    EXPECT_EQ(yaw.GetNormalized(), 1.0f);
    EXPECT_TRUE(effect_.automated.empty()) << "the host is the source of the change";
    CParamControl x(kCameraX, &effect_);
    EXPECT_EQ(x.GetNormalized(), 0.5f);
    x.SetNormalized(0.0f);
    EXPECT_EQ(x.Value(), -999.0f);
}

TEST_F(ParamControlTest, UserChangesAndEditsReachTheHostOnlyOnceAutomateIsSet) {
    CParamControl hold(kHold, &effect_);
    hold.SetValue(1000);
    hold.BeginEdit();
    hold.EndEdit();
    EXPECT_TRUE(effect_.automated.empty());
    EXPECT_TRUE(effect_.edits.empty()) << "a settings parameter never brackets a drag";
    hold.SetAutomate(true);
    hold.BeginEdit();
    hold.SetValue(5100);
    hold.EndEdit();
    ASSERT_EQ(effect_.automated.size(), 1u);
    EXPECT_EQ(effect_.automated[0].first, 7);
    EXPECT_EQ(effect_.automated[0].second, 1.0f);
    EXPECT_EQ(effect_.edits, (std::vector<int>{7, -7}));
}

TEST_F(ParamControlTest, SettingTheCurrentValueDoesNothing) {
    CParamControl hold(kHold, &effect_);
    hold.SetAutomate(true);
    hold.SetDialog(Dialog());
    hold.SetValue(500);
    EXPECT_TRUE(effect_.automated.empty());
    EXPECT_EQ(os::testing::DialogItemTextWrites(Dialog(), kHold.valueControl), 0);
    EXPECT_TRUE(log_->Lines().empty());
}

TEST_F(ParamControlTest, HostAndDialogTexts) {
    constexpr ParamSpec kRange{
        -120, 0, 10,    -60,  IDC_RANGE_3D_VALUE, IDC_RANGE_3D_DOWN, IDC_RANGE_3D_UP,
        0,    0, false, false};
    constexpr ParamSpec kWide{-99999, 99999, 1, -99999, 1, 2, 3, 3, 0, false, false};
    struct TextCase {
        ParamSpec spec;
        const char* maxText;  // null: none set
        float value;
        const char* hostText;
        const char* dialogText;
    };
    const TextCase cases[] = {
        {kCameraX, nullptr, -999, "-999.00", "-999.00"},
        {kCameraX, nullptr, 0, "0.00", "0.00"},
        {kHold, nullptr, 12.9f, "12", "12"},
        {kHold, nullptr, 5100, "inf", "inf"},
        {kRange, nullptr, -70, "-70", "-70"},
        {kSmoothing, "off", 11, "off", "off"},
        {kSmoothing, "off", 5, "5", "5"},
        {kWide, nullptr, -99999, "-99999.0", "-99999.00"},
    };
    for (const TextCase& c : cases) {
        CParamControl parameter(c.spec, &effect_);
        if (c.maxText != nullptr) parameter.SetMaxText(c.maxText);
        parameter.SetDialog(Dialog());
        parameter.SetValue(c.value);
        EXPECT_EQ(HostText(parameter), c.hostText) << c.value;
        EXPECT_EQ(parameter.DialogText(), c.dialogText) << c.value;
    }
    CParamControl x(kCameraX, &effect_);
    x.SetDialog(Dialog());
    x.SetValue(-999);
    EXPECT_EQ(os::testing::DialogItemText(Dialog(), kCameraX.valueControl), "-999.00");
}

TEST_F(ParamControlTest, FormatterDecidesTheDialogTextButNotTheHostText) {
    constexpr ParamSpec kKey{
        0, 231, 1,     65,   IDC_FORWARD_KEY_VALUE, IDC_FORWARD_KEY_DOWN, IDC_FORWARD_KEY_UP,
        0, 5,   false, false};
    CParamControl key(kKey, &effect_);
    key.SetFormatter([](float value) { return "key " + std::to_string(static_cast<int>(value)); });
    key.SetDialog(Dialog());
    key.SetValue(66);
    EXPECT_EQ(os::testing::DialogItemText(Dialog(), kKey.valueControl), "key 66");
    EXPECT_EQ(HostText(key), "66");
}

TEST_F(ParamControlTest, NameAndLabelKeepSevenCharacters) {
    CParamControl x(kCameraX, &effect_);
    EXPECT_STREQ(x.Name(), "NA");
    EXPECT_STREQ(x.Label(), "NA");
    x.SetName("LongerThanEight");
    x.SetLabel("Deg");
    EXPECT_STREQ(x.Name(), "LongerT");
    EXPECT_STREQ(x.Label(), "Deg");
}

TEST_F(ParamControlTest, EnablingTouchesTheThreeControls) {
    CParamControl axis(kCameraX, &effect_);
    axis.SetEnabled(false);
    EXPECT_FALSE(axis.IsEnabled());
    axis.SetDialog(Dialog());
    axis.SetEnabled(true);
    axis.SetEnabled(false);
    for (int control : {kCameraX.valueControl, kCameraX.minusControl, kCameraX.plusControl}) {
        EXPECT_FALSE(os::testing::DialogItemEnabled(Dialog(), control)) << control;
    }
}

TEST_F(ParamControlTest, ChangeIsDroppedWhileAnotherThreadHoldsTheLock) {
    CParamControl hold(kHold, &effect_);
    std::promise<void> locked;
    std::promise<void> release;
    std::thread holder([&] {
        CLockable::Hold lock(hold);
        locked.set_value();
        release.get_future().wait();
    });
    locked.get_future().wait();
    hold.SetValue(900);
    release.set_value();
    holder.join();

    EXPECT_EQ(hold.Value(), 500.0f);
    EXPECT_EQ(log_->Lines(),
              std::vector<std::string>{"ParamControl(65) : Bailed out: no lock!!value not set!\n"});
    hold.SetValue(900);
    EXPECT_EQ(hold.Value(), 900.0f) << "once the lock is free the change goes through";
}

TEST_F(ParamControlTest, HostAndUserInterfaceMayWriteAtOnce) {
    CParamControl yaw(kYaw, &effect_);
    std::thread host([&yaw] {
        for (int i = 0; i < 2000; ++i) yaw.SetNormalized(static_cast<float>(i % 100) / 100.0f);
    });
    for (int i = 0; i < 2000; ++i) yaw.AddDelta(7.0f);
    host.join();
    EXPECT_GE(yaw.Value(), 0.0f);
    EXPECT_LE(yaw.Value(), 360.0f);
}

}  // namespace

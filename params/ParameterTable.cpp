// The parameter table: ranges, steps, defaults, texts and dialog controls.
#include "params/ParameterTable.h"

#include "analysis/AveragingRange.h"
#include "resources/resource.h"

namespace {

struct ControlsEntry {
    const char* name;
    const char* label;
    ParamSpec spec;  // hostIndex is the entry's position
};

// minimum, maximum, step, default, value/minus/plus control, decimals,
// host index, wraps, has maximum text
constexpr ControlsEntry kControlsTable[kControlsParameterCount] = {
    {"CX",
     "M",
     {-999, 999, 10, 0, IDC_X_VALUE, IDC_X_DOWN, IDC_X_UP, 2, kParamCameraX, false, false}},
    {"CY",
     "M",
     {-999, 999, 10, 0, IDC_Y_VALUE, IDC_Y_DOWN, IDC_Y_UP, 2, kParamCameraY, false, false}},
    {"CZ",
     "M",
     {-999, 999, 10, 0, IDC_Z_VALUE, IDC_Z_DOWN, IDC_Z_UP, 2, kParamCameraZ, false, false}},
    {"CYaw",
     "Deg",
     {0, 360, 1, 0, IDC_YAW_VALUE, IDC_YAW_DOWN, IDC_YAW_UP, 0, kParamYaw, true, false}},
    {"CPitch",
     "Deg",
     {0, 360, 1, 0, IDC_PITCH_VALUE, IDC_PITCH_DOWN, IDC_PITCH_UP, 0, kParamPitch, true, false}},
    {"Axis",
     "%",
     {0, 100, 5, 50, IDC_AXIS_VALUE, IDC_AXIS_DOWN, IDC_AXIS_UP, 0, kParamAxis, false, false}},
    {"Ave",
     "ms",
     {kAverageRange.minimum, kAverageRange.maximum, 10, 0, IDC_AVERAGE_VALUE, IDC_AVERAGE_DOWN,
      IDC_AVERAGE_UP, 0, kParamAverage, false, true}},
    {"Hold",
     "ms",
     {kHoldRange.minimum, kHoldRange.maximum, 100, 500, IDC_HOLD_VALUE, IDC_HOLD_DOWN, IDC_HOLD_UP,
      0, kParamHold, false, true}},
    {"Freq",
     "Hz",
     {10, 20000, 100, 1000, IDC_FREQUENCY_VALUE, IDC_FREQUENCY_DOWN, IDC_FREQUENCY_UP, 0,
      kParamFrequency, false, false}},
};

// Settings parameters are never shown to the host: their names and labels
// stay "NA". Note "3D Range": its plus button comes before its minus.
constexpr ParamSpec kSettingsTable[kSettingsParameterCount] = {
    {-120, 0, 10, -60, IDC_RANGE_3D_VALUE, IDC_RANGE_3D_DOWN, IDC_RANGE_3D_UP, 0, kSettingRange3d,
     false, false},
    {20, 100, 10, 50, IDC_MAX_FPS_VALUE, IDC_MAX_FPS_DOWN, IDC_MAX_FPS_UP, 0, kSettingMaxFps, false,
     false},
    {1, 11, 1, 11, IDC_SMOOTHING_VALUE, IDC_SMOOTHING_DOWN, IDC_SMOOTHING_UP, 0, kSettingSmoothing,
     false, true},
    {1, 21, 1, 10, IDC_BALLISTICS_VALUE, IDC_BALLISTICS_DOWN, IDC_BALLISTICS_UP, 0,
     kSettingBallistics, false, true},
    {0, 100, 10, 50, IDC_SENSITIVITY_VALUE, IDC_SENSITIVITY_DOWN, IDC_SENSITIVITY_UP, 0,
     kSettingControlSensitivity, false, false},
    {0, 231, 1, 65, IDC_FORWARD_KEY_VALUE, IDC_FORWARD_KEY_DOWN, IDC_FORWARD_KEY_UP, 0,
     kSettingForwardKey, false, false},
    {0, 231, 1, 65, IDC_ROTATE_LEFT_KEY_VALUE, IDC_ROTATE_LEFT_KEY_DOWN, IDC_ROTATE_LEFT_KEY_UP, 0,
     kSettingRotateLeftKey, false, false},
    {0, 231, 1, 65, IDC_ROTATE_RIGHT_KEY_VALUE, IDC_ROTATE_RIGHT_KEY_DOWN, IDC_ROTATE_RIGHT_KEY_UP,
     0, kSettingRotateRightKey, false, false},
    {0, 231, 1, 65, IDC_MOVE_LEFT_KEY_VALUE, IDC_MOVE_LEFT_KEY_DOWN, IDC_MOVE_LEFT_KEY_UP, 0,
     kSettingMoveLeftKey, false, false},
    {0, 231, 1, 65, IDC_MOVE_RIGHT_KEY_VALUE, IDC_MOVE_RIGHT_KEY_DOWN, IDC_MOVE_RIGHT_KEY_UP, 0,
     kSettingMoveRightKey, false, false},
    {0, 231, 1, 65, IDC_MOVE_BACK_KEY_VALUE, IDC_MOVE_BACK_KEY_DOWN, IDC_MOVE_BACK_KEY_UP, 0,
     kSettingMoveBackKey, false, false},
};

bool IsKeyParameter(int position) {
    return position >= kSettingForwardKey;
}

}  // namespace

const ParamSpec& ControlsParameterSpec(int index) {
    return kControlsTable[index].spec;
}

void BuildControlsParameters(CParameterAutomation* automation, ParamList& list) {
    for (const ControlsEntry& entry : kControlsTable) {
        auto parameter = std::make_unique<CParamControl>(entry.spec, automation);
        parameter->SetName(entry.name);
        parameter->SetLabel(entry.label);
        if (entry.spec.hostIndex == kParamAxis) parameter->SetEnabled(false);
        list.push_back(std::move(parameter));
    }
}

void BuildSettingsParameters(CParameterAutomation* automation, ParamFormatter keyFormatter,
                             ParamList& list) {
    for (int position = 0; position < kSettingsParameterCount; ++position) {
        auto parameter = std::make_unique<CParamControl>(kSettingsTable[position], automation);
        if (position == kSettingSmoothing || position == kSettingBallistics) {
            parameter->SetMaxText("off");
        }
        if (IsKeyParameter(position)) {
            CLockable::Hold hold(*parameter);
            parameter->SetFormatter(keyFormatter);
        }
        list.push_back(std::move(parameter));
    }
}

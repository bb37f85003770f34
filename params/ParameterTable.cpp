// The parameter table: ranges, steps, defaults, texts and dialog controls.
#include "params/ParameterTable.h"

namespace {

struct ControlsEntry {
    const char* name;
    const char* label;
    ParamSpec spec;  // hostIndex is the entry's position
};

// minimum, maximum, step, default, value/minus/plus control, decimals,
// host index, wraps, has maximum text
constexpr ControlsEntry kControlsTable[kControlsParameterCount] = {
    {"CX", "M", {-999, 999, 10, 0, 1021, 1022, 1023, 2, kParamCameraX, false, false}},
    {"CY", "M", {-999, 999, 10, 0, 1024, 1025, 1026, 2, kParamCameraY, false, false}},
    {"CZ", "M", {-999, 999, 10, 0, 1027, 1028, 1029, 2, kParamCameraZ, false, false}},
    {"CYaw", "Deg", {0, 360, 1, 0, 1018, 1019, 1020, 0, kParamYaw, true, false}},
    {"CPitch", "Deg", {0, 360, 1, 0, 1012, 1011, 1017, 0, kParamPitch, true, false}},
    {"Axis", "%", {0, 100, 5, 50, 1033, 1034, 1035, 0, kParamAxis, false, false}},
    {"Ave", "ms", {0, 101, 10, 0, 1036, 1042, 1043, 0, kParamAverage, false, true}},
    {"Hold", "ms", {0, 5100, 100, 500, 1044, 1045, 1046, 0, kParamHold, false, true}},
    {"Freq", "Hz", {10, 20000, 100, 1000, 1015, 1030, 1031, 0, kParamFrequency, false, false}},
};

// Settings parameters are never shown to the host: their names and labels
// stay "NA". Note "3D Range": 1068 is its minus and 1067 its plus button.
constexpr ParamSpec kSettingsTable[kSettingsParameterCount] = {
    {-120, 0, 10, -60, 1066, 1068, 1067, 0, kSettingRange3d, false, false},
    {20, 100, 10, 50, 1069, 1070, 1071, 0, kSettingMaxFps, false, false},
    {1, 11, 1, 11, 1072, 1073, 1074, 0, kSettingSmoothing, false, true},
    {1, 21, 1, 10, 1075, 1076, 1077, 0, kSettingBallistics, false, true},
    {0, 100, 10, 50, 1078, 1079, 1080, 0, kSettingControlSensitivity, false, false},
    {0, 231, 1, 65, 1082, 1083, 1084, 0, kSettingForwardKey, false, false},
    {0, 231, 1, 65, 1085, 1086, 1087, 0, kSettingRotateLeftKey, false, false},
    {0, 231, 1, 65, 1088, 1089, 1090, 0, kSettingRotateRightKey, false, false},
    {0, 231, 1, 65, 1091, 1092, 1093, 0, kSettingMoveLeftKey, false, false},
    {0, 231, 1, 65, 1097, 1098, 1099, 0, kSettingMoveRightKey, false, false},
    {0, 231, 1, 65, 1094, 1095, 1096, 0, kSettingMoveBackKey, false, false},
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

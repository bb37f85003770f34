// Every adjustable value of the system: the nine host-visible controls
// parameters (their position is the host index) and the eleven settings
// parameters of the settings dialog.
#pragma once

#include <memory>
#include <vector>

#include "params/ParamControl.h"

class CParameterAutomation;

enum ControlsParameter : int {
    kParamCameraX,
    kParamCameraY,
    kParamCameraZ,
    kParamYaw,
    kParamPitch,
    kParamAxis,
    kParamAverage,
    kParamHold,
    kParamFrequency,
    kControlsParameterCount
};

enum SettingsParameter : int {
    kSettingRange3d,
    kSettingMaxFps,
    kSettingSmoothing,
    kSettingBallistics,
    kSettingControlSensitivity,
    kSettingForwardKey,
    kSettingRotateLeftKey,
    kSettingRotateRightKey,
    kSettingMoveLeftKey,
    kSettingMoveRightKey,
    kSettingMoveBackKey,
    kSettingsParameterCount
};

using ParamList = std::vector<std::unique_ptr<CParamControl>>;

// The range and controls of a controls parameter (index below
// kControlsParameterCount).
const ParamSpec& ControlsParameterSpec(int index);

// Appends the controls parameters, in host index order, with their names,
// labels and defaults; "Axis" starts disabled.
void BuildControlsParameters(CParameterAutomation* automation, ParamList& list);

// Appends the settings parameters; the six key parameters show their value
// through keyFormatter.
void BuildSettingsParameters(CParameterAutomation* automation, ParamFormatter keyFormatter,
                             ParamList& list);

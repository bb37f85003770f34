// Resource identifiers of the module: the two dialog templates, the panel
// bitmap and every control the editor's code addresses. Shared by the
// resource script and the window code.
#pragma once

#define IDD_CONTROLS 101
#define IDB_CONTROLS_PANEL 102
#define IDD_SETTINGS 105

// Controls panel (dialog 101).
#define IDC_RENDER_MODE 1001
#define IDC_FREEZE 1002
#define IDC_PEAKS 1003
#define IDC_PRESET_RESET 1005
#define IDC_PRESET_LOWS 1006
#define IDC_PRESET_HIGHS 1008
#define IDC_PRESET_BACK 1009
#define IDC_PRESET_RIGHT 1010
#define IDC_PITCH_DOWN 1011
#define IDC_PITCH_VALUE 1012
#define IDC_AXIS_TOGGLE 1013
#define IDC_HERTZ 1014
#define IDC_FREQUENCY_VALUE 1015
#define IDC_PRESET_ABOVE 1016
#define IDC_PITCH_UP 1017
#define IDC_YAW_VALUE 1018
#define IDC_YAW_DOWN 1019
#define IDC_YAW_UP 1020
#define IDC_X_VALUE 1021
#define IDC_X_DOWN 1022
#define IDC_X_UP 1023
#define IDC_Y_VALUE 1024
#define IDC_Y_DOWN 1025
#define IDC_Y_UP 1026
#define IDC_Z_VALUE 1027
#define IDC_Z_DOWN 1028
#define IDC_Z_UP 1029
#define IDC_FREQUENCY_DOWN 1030
#define IDC_FREQUENCY_UP 1031
#define IDC_AXIS_VALUE 1033
#define IDC_AXIS_DOWN 1034
#define IDC_AXIS_UP 1035
#define IDC_AVERAGE_VALUE 1036
#define IDC_AVERAGE_DOWN 1042
#define IDC_AVERAGE_UP 1043
#define IDC_HOLD_VALUE 1044
#define IDC_HOLD_DOWN 1045
#define IDC_HOLD_UP 1046
#define IDC_GENERATOR 1053
#define IDC_2D_VIEW 1054
#define IDC_LABELS 1055
#define IDC_USER_STORE_1 1057
#define IDC_USER_STORE_4 1060
#define IDC_USER_RECALL_1 1061
#define IDC_USER_RECALL_4 1064
#define IDC_RESET_STATS 1065
#define IDC_METER 1066
#define IDC_SETTINGS 1067
#define IDC_HELP_BUTTON 1068
#define IDC_REFERENCE_A 1069
#define IDC_REFERENCE_D 1072
#define IDC_REFERENCE_STORE_A 1073
#define IDC_REFERENCE_STORE_D 1076
#define IDC_VERSION 1077
#define IDC_SHOW_LOG 1078
#define IDC_GENERATOR_LABEL 1079
#define IDC_FREQUENCY_LABEL 1080
#define IDC_DEBUG_LABEL 1081
#define IDC_HELP_TEXT 1082

// Settings dialog (dialog 105); its numbers overlap the panel's.
#define IDC_SETTINGS_CLOSE 1065
#define IDC_SETTINGS_APPLY 1081
#define IDC_SHOW_DEBUG_PANE 1100

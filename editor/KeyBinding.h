// One camera key: a virtual-key code and the navigation action it drives.
#pragma once

#include <cstdint>

enum CameraAction : int32_t {
    kActionNone = -1,
    kActionForward = 0,
    kActionBack = 1,
    kActionMoveLeft = 2,
    kActionMoveRight = 3,
    kActionRotateLeft = 4,
    kActionRotateRight = 5,
};

constexpr int kCameraActionCount = 6;

struct KeyBinding {
    int32_t key;     // virtual-key code
    int32_t action;  // CameraAction, or kActionNone
};

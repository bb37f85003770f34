// The navigation step of the 3D view: once per frame it turns the editor's
// mouse and key state into camera motion, writes the result into the camera
// parameters (X, Y, Z, yaw, pitch) and takes the camera back from them, so
// the parameters stay the master copy whoever changed them last.
//
// Threads: user-interface thread only (the frame loop).
#pragma once

#include <array>
#include <cstdint>

#include "editor/EditorState.h"
#include "params/ParameterTable.h"

class CD3DCamera;

class CCameraNavigation {
public:
    // nowMs: the performance timer's reading when the editor's view opens;
    // the first step measures its time from there.
    explicit CCameraNavigation(uint32_t nowMs) : lastStepMs_(nowMs) {}

    // One step at the timer reading nowMs. controls holds at least the five
    // camera parameters at their host positions; sensitivity is the
    // settings' control sensitivity. Moves along the camera's look and right
    // axes of its last BuildView; consumes the wheel notches it uses.
    void Step(NavigationState& navigation, const KeyHeldFlags& keyHeld, const ParamList& controls,
              float sensitivity, CD3DCamera& camera, uint32_t nowMs);

private:
    uint32_t lastStepMs_;
};

// An angle in radians brought into [0, 2π] (2π itself is kept); not-finite
// angles become 0.
float WrapAngle(float angleRad);

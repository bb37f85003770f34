// What a parameter tells the host about user edits: a new value to record as
// automation, and the press and release that bracket a drag, so that the
// host groups it into one undo step. The effect implements it.
//
// Thread: the user-interface thread.
#pragma once

class CParameterAutomation {
public:
    virtual ~CParameterAutomation() = default;

    // normalized: the value in the host's 0..1 form.
    virtual void Automate(int hostIndex, float normalized) = 0;
    virtual void BeginEdit(int hostIndex) = 0;
    virtual void EndEdit(int hostIndex) = 0;
};

// One adjustable value: a camera coordinate, a time constant, a frequency,
// a key code. Keeps the value in range (clamping, or wrapping for angles),
// steps it for the dialog's minus and plus controls, shows it in a dialog
// text, converts it to and from the host's 0..1 form, and reports user edits
// to the host as automation.
//
// Threads: the host may call SetNormalized and GetDisplayText from any of its
// threads; the dialogs call Step, AddDelta and SetValue on the user-interface
// thread. Writes hold the parameter's lock; SetValue only tries it, so the
// user interface never waits for another thread. Readers, the audio thread
// among them (the generator's frequency), read the value without the lock.
#pragma once

#include <atomic>
#include <optional>
#include <string>

#include "os/Lockable.h"
#include "os/Window.h"

class CParameterAutomation;

using ParamFormatter = std::string (*)(float value);

struct ParamSpec {
    float minimum;
    float maximum;
    float step;
    float defaultValue;
    int valueControl;
    int minusControl;
    int plusControl;
    unsigned decimals;  // 0: shown as an integer
    int hostIndex;
    bool wraps;
    bool hasMaxText;  // at the maximum the value shows as a word ("inf" unless set)
};

class CParamControl : public CLockable {
public:
    static constexpr int kTextBytes = 8;  // name and label, terminator included
    // The host's display text: at most this many characters and a terminator.
    static constexpr int kDisplayTextChars = 8;

    // automation: where user edits are reported; null for none.
    CParamControl(const ParamSpec& spec, CParameterAutomation* automation);
    ~CParamControl() override;

    void SetValue(float value);
    bool Step(int controlId);
    void AddDelta(float delta);
    void SetNormalized(float normalized);
    float GetNormalized() const;
    float Value() const { return value_.load(std::memory_order_relaxed); }
    // The value itself, for a reader on another thread that holds on to it
    // for the parameter's life (the test-signal generator).
    const std::atomic<float>& LiveValue() const { return value_; }

    // Caller holds the lock.
    void ClampOrWrap();
    void UpdateDisplay();

    // Writes at most 8 characters and a terminator into a host buffer of at
    // least 9 bytes.
    void GetDisplayText(char* text) const;
    // The text the dialog shows for the current value.
    std::string DialogText() const;

    void SetMaxText(const std::string& text);
    void SetName(const char* name);
    void SetLabel(const char* label);
    const char* Name() const { return name_; }
    const char* Label() const { return label_; }

    void SetEnabled(bool enabled);
    bool IsEnabled() const { return enabled_; }

    // Caller holds the lock while the dialog changes.
    void SetDialog(os::WindowHandle dialog) { dialog_ = dialog; }
    os::WindowHandle Dialog() const { return dialog_; }
    void SetAutomate(bool automate) { automate_ = automate; }
    bool Automates() const { return automate_; }
    void SetFormatter(ParamFormatter formatter) { formatter_ = formatter; }

    // The press and release of a drag on the value text; reported only for
    // a parameter that automates.
    void BeginEdit();
    void EndEdit();

    const ParamSpec& Spec() const { return spec_; }

private:
    // The value kept for a candidate: clamped or wrapped into range; the
    // current value for a candidate that is not a number.
    float InRange(float value) const;
    bool IsAtMaximumWithText(float value) const;
    std::string MaxText() const;

    const ParamSpec spec_;
    std::atomic<float> value_;
    os::WindowHandle dialog_ = nullptr;
    bool enabled_ = true;
    char name_[kTextBytes] = "NA";
    char label_[kTextBytes] = "NA";
    CParameterAutomation* automation_;
    std::optional<std::string> maxText_;
    bool automate_ = false;
    ParamFormatter formatter_ = nullptr;
};

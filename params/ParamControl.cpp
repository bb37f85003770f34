// CParamControl: range rules, locking, host normalisation and texts.
#include "params/ParamControl.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "diag/Log.h"
#include "os/Dialog.h"
#include "params/ParameterAutomation.h"

namespace {
constexpr char kLogSource[] = "ParamControl";
constexpr char kDefaultMaxText[] = "inf";
}  // namespace

CParamControl::CParamControl(const ParamSpec& spec, CParameterAutomation* automation)
    : spec_(spec), value_(spec.defaultValue), automation_(automation) {}

CParamControl::~CParamControl() = default;

float CParamControl::GetNormalized() const {
    return (Value() - spec_.minimum) / (spec_.maximum - spec_.minimum);
}

// Hosts send what they like: a value that is not a number or infinite
// leaves the parameter as it is, and one far outside 0..1 is clamped or
// wrapped like any other out-of-range value.
void CParamControl::SetNormalized(float normalized) {
    if (!std::isfinite(normalized)) return;
    Hold hold(*this);
    float value = (spec_.maximum - spec_.minimum) * normalized + spec_.minimum;
    if (std::isinf(value)) value = std::copysign(std::numeric_limits<float>::max(), value);
    if (value == Value()) return;
    value_.store(value, std::memory_order_relaxed);
    ClampOrWrap();
    UpdateDisplay();
}

void CParamControl::AddDelta(float delta) {
    Hold hold(*this);
    SetValue(Value() + delta);
}

bool CParamControl::Step(int controlId) {
    if (controlId != spec_.minusControl && controlId != spec_.plusControl) return false;
    const float amount = os::IsControlKeyActive() ? 1.0f : spec_.step;
    Hold hold(*this);
    SetValue(controlId == spec_.minusControl ? Value() - amount : Value() + amount);
    return true;
}

void CParamControl::ClampOrWrap() {
    value_.store(InRange(Value()), std::memory_order_relaxed);
}

// A value that is not a number or infinite leaves the parameter as it is;
// the dialogs never send one, but automation may pass one through.
void CParamControl::SetValue(float value) {
    if (value == Value() || !std::isfinite(value)) return;
    TryHold hold(*this);
    if (!hold.Acquired()) {
        VS_LOG("Bailed out: no lock!!value not set!");
        return;
    }
    value_.store(value, std::memory_order_relaxed);
    ClampOrWrap();
    if (automate_ && automation_ != nullptr)
        automation_->Automate(spec_.hostIndex, GetNormalized());
    UpdateDisplay();
}

void CParamControl::BeginEdit() {
    if (automate_ && automation_ != nullptr) automation_->BeginEdit(spec_.hostIndex);
}

void CParamControl::EndEdit() {
    if (automate_ && automation_ != nullptr) automation_->EndEdit(spec_.hostIndex);
}

// A wrapping parameter (minimum 0) adds or subtracts whole periods until the
// value lies in range: below zero it lands in 0..maximum (never on the
// maximum), above the maximum in 0..maximum (a whole number of periods on
// the maximum itself). fmod does it in one step for any finite value. Minus
// zero becomes plus zero, so that no text shows "-0".
float CParamControl::InRange(float value) const {
    if (std::isnan(value)) return Value();
    if (spec_.wraps) {
        if (std::isinf(value)) return Value();
        if (value < spec_.minimum) {
            value = std::fmod(value, spec_.maximum);
            if (value < spec_.minimum) value += spec_.maximum;
        } else if (value > spec_.maximum) {
            value = std::fmod(value, spec_.maximum);
            if (value == 0.0f) value = spec_.maximum;
        }
    }
    return std::clamp(value, spec_.minimum, spec_.maximum) + 0.0f;
}

namespace {
// Copies at most size - 1 characters and zero-fills the rest of size bytes.
void CopyCut(char* destination, const char* source, size_t size) {
    const size_t length = std::min(std::strlen(source), size - 1);
    std::memcpy(destination, source, length);
    std::memset(destination + length, 0, size - length);
}
}  // namespace

bool CParamControl::IsAtMaximumWithText(float value) const {
    return spec_.hasMaxText && value == spec_.maximum;
}

std::string CParamControl::MaxText() const {
    return maxText_ ? *maxText_ : kDefaultMaxText;
}

std::string CParamControl::DialogText() const {
    const float value = Value();
    if (formatter_ != nullptr) return formatter_(value);
    if (IsAtMaximumWithText(value)) return MaxText();
    if (spec_.decimals == 0) return std::to_string(static_cast<int>(value));
    char text[64];
    std::snprintf(text, sizeof text, "%3.2f", static_cast<double>(value));
    return text;
}

void CParamControl::UpdateDisplay() {
    if (dialog_ == nullptr) return;
    const float value = Value();
    if (formatter_ == nullptr && !IsAtMaximumWithText(value) && spec_.decimals == 0) {
        const int whole = static_cast<int>(value);
        os::SetDialogItemInt(dialog_, spec_.valueControl, whole, whole < 0);
        return;
    }
    os::SetDialogItemText(dialog_, spec_.valueControl, DialogText());
}

void CParamControl::GetDisplayText(char* text) const {
    const float value = Value();
    if (IsAtMaximumWithText(value)) {
        CopyCut(text, MaxText().c_str(), kDisplayTextChars + 1);
        return;
    }
    char full[64];
    if (spec_.decimals != 0) {
        std::snprintf(full, sizeof full, "%.*f", static_cast<int>(spec_.decimals),
                      static_cast<double>(value));
    } else {
        std::snprintf(full, sizeof full, "%d", static_cast<int>(value));
    }
    CopyCut(text, full, kDisplayTextChars + 1);
}

void CParamControl::SetMaxText(const std::string& text) {
    Hold hold(*this);
    maxText_ = text;
}

void CParamControl::SetName(const char* name) {
    CopyCut(name_, name, kTextBytes);
}

void CParamControl::SetLabel(const char* label) {
    CopyCut(label_, label, kTextBytes);
}

void CParamControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (dialog_ == nullptr) return;
    os::EnableDialogItem(dialog_, spec_.valueControl, enabled);
    os::EnableDialogItem(dialog_, spec_.minusControl, enabled);
    os::EnableDialogItem(dialog_, spec_.plusControl, enabled);
}

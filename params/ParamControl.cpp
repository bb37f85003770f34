// CParamControl: range rules, locking, host normalisation and texts.
#include "params/ParamControl.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "diag/Log.h"
#include "os/Dialog.h"
#include "plugin/AudioEffect.h"

namespace {
constexpr char kLogSource[] = "ParamControl";
constexpr char kDefaultMaxText[] = "inf";
}  // namespace

CParamControl::CParamControl(const ParamSpec& spec, AudioEffect* effect)
    : spec_(spec), value_(spec.defaultValue), effect_(effect) {}

CParamControl::~CParamControl() = default;

float CParamControl::GetNormalized() const {
    return (Value() - spec_.minimum) / (spec_.maximum - spec_.minimum);
}

void CParamControl::SetNormalized(float normalized) {
    Hold hold(*this);
    const float value = (spec_.maximum - spec_.minimum) * normalized + spec_.minimum;
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
    float value = Value();
    if (spec_.wraps) {
        while (value < spec_.minimum) value += spec_.maximum;
        while (value > spec_.maximum) value -= spec_.maximum;
    } else if (value < spec_.minimum) {
        value = spec_.minimum;
    } else if (value > spec_.maximum) {
        value = spec_.maximum;
    }
    value_.store(value, std::memory_order_relaxed);
}

void CParamControl::SetValue(float value) {
    if (value == Value()) return;
    TryHold hold(*this);
    if (!hold.Acquired()) {
        VS_LOG("Bailed out: no lock!!value not set!");
        return;
    }
    value_.store(value, std::memory_order_relaxed);
    ClampOrWrap();
    if (automate_ && effect_ != nullptr)
        effect_->setParameterAutomated(spec_.hostIndex, GetNormalized());
    UpdateDisplay();
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
        CopyCut(text, MaxText().c_str(), kVstMaxParamStrLen + 1);
        return;
    }
    char full[64];
    if (spec_.decimals != 0) {
        std::snprintf(full, sizeof full, "%.*f", static_cast<int>(spec_.decimals),
                      static_cast<double>(value));
    } else {
        std::snprintf(full, sizeof full, "%d", static_cast<int>(value));
    }
    CopyCut(text, full, kVstMaxParamStrLen + 1);
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

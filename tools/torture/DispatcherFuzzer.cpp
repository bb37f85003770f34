// CDispatcherFuzzer: text buffers are filled with a marker byte before each
// call, so that writing past a text's limit shows.
#include "tools/torture/DispatcherFuzzer.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "tools/torture/ActivityBoard.h"
#include "tools/torture/Findings.h"
#include "tools/torture/OpcodeTable.h"
#include "tools/torture/TortureRandom.h"

namespace {

constexpr unsigned char kMarker = 0xA5;

const char* const kInputTexts[] = {
    "",
    "receiveVstMidiEvent",
    "sendVstEvents",
    "bypass",
    "plugAsChannelInsert",
    "0.5",
    "-1e39",
    "nan",
    "Vantoscope program name that is far longer than twenty-four characters",
};

VstIntPtr RandomValue(CTortureRandom& random) {
    switch (random.Between(0, 4)) {
        case 0:
            return 0;
        case 1:
            return random.Between(-2, 2);
        case 2:
            return random.Chance(0.5) ? INT_MAX : INT_MIN;
        default:
            return static_cast<VstIntPtr>(random.Next());
    }
}

}  // namespace

CDispatcherFuzzer::CDispatcherFuzzer(CFindings& findings, void* parentWindow, int boardSlot)
    : findings_(findings), parentWindow_(parentWindow), boardSlot_(boardSlot) {}

void CDispatcherFuzzer::CallDispatcher(AEffect* effect, CTortureRandom& random,
                                       const std::string& context) {
    size_t count = 0;
    const OpcodeInfo* opcodes = AllOpcodes(count);
    const OpcodeInfo& info = opcodes[random.Between(0, static_cast<int64_t>(count) - 1)];
    const Call call = ArgumentsFor(info, effect, random);
    const std::string description = context + " " + Describe(info, call);
    CActivityBoard::Instance().Note(boardSlot_, "%s", description.c_str());
    effect->dispatcher(effect, info.opcode, call.index, call.value, call.ptr, call.opt);
    CActivityBoard::Instance().Retire(boardSlot_);
    if (info.pointer == PointerUse::kTextOut) CheckText(info, description);
    if (info.opcode == effEditGetRect) CheckRect(description);
}

void CDispatcherFuzzer::CallParameter(AEffect* effect, CTortureRandom& random,
                                      const std::string& context) {
    const VstInt32 index = random.Index(effect->numParams);
    const float value = random.ParameterValue();
    char description[256];
    std::snprintf(description, sizeof description, "%s setParameter(%d, %.9g)", context.c_str(),
                  index, static_cast<double>(value));
    CActivityBoard::Instance().Note(boardSlot_, "%s", description);
    effect->setParameter(effect, index, value);
    const float read = effect->getParameter(effect, index);
    CActivityBoard::Instance().Retire(boardSlot_);
    if (!(read >= 0.0f && read <= 1.0f)) {
        char text[64];
        std::snprintf(text, sizeof text, " then getParameter(%d) = %.9g", index,
                      static_cast<double>(read));
        findings_.Add("parameter outside [0, 1]", description + std::string(text));
    }
}

CDispatcherFuzzer::Call CDispatcherFuzzer::ArgumentsFor(const OpcodeInfo& info, AEffect* effect,
                                                        CTortureRandom& random) {
    Call call{random.Index(effect->numParams), RandomValue(random), nullptr,
              random.Chance(0.5) ? random.AwkwardFloat() : 0.0f};
    std::memset(scratch_, 0, sizeof scratch_);
    switch (info.pointer) {
        case PointerUse::kUnused:
            call.ptr = random.Chance(0.5) ? nullptr : scratch_[0];
            break;
        case PointerUse::kTextOut:
            std::memset(text_, kMarker, sizeof text_);
            call.ptr = text_;
            break;
        case PointerUse::kTextIn:
        case PointerUse::kTextInOrNull:
            inputText_ = kInputTexts[random.Between(0, std::size(kInputTexts) - 1)];
            call.ptr = info.pointer == PointerUse::kTextInOrNull && random.Chance(0.3)
                           ? nullptr
                           : const_cast<char*>(inputText_.c_str());
            break;
        case PointerUse::kBufferOut:
        case PointerUse::kBufferIn:
            call.ptr = scratch_[0];
            if (info.opcode == effSetChunk) call.value = random.Between(0, sizeof scratch_[0]);
            break;
        case PointerUse::kParentWindow:
            call.ptr = parentWindow_;
            break;
        case PointerUse::kPointerPair:
            call.value = reinterpret_cast<VstIntPtr>(scratch_[0]);
            call.ptr = scratch_[1];
            break;
    }
    if (info.opcode == effSetSampleRate || info.opcode == effSetBlockSizeAndSampleRate) {
        call.opt = random.SampleRate();
    }
    if (info.opcode == effSetBlockSize || info.opcode == effSetBlockSizeAndSampleRate) {
        call.value = random.Chance(0.05) ? -1 : random.BlockFrames();
    }
    if (info.opcode == effMainsChanged) call.value = random.Between(0, 1);
    if (info.opcode == effEditKeyDown || info.opcode == effEditKeyUp) {
        call.index = static_cast<VstInt32>(random.Between(-300, 300));
    }
    return call;
}

void CDispatcherFuzzer::CheckText(const OpcodeInfo& info, const std::string& call) {
    const size_t allowed = static_cast<size_t>(info.textLimit) + 1;
    for (size_t i = allowed; i < sizeof text_; ++i) {
        if (text_[i] != kMarker) {
            findings_.Add("text written past its limit",
                          call + ": byte " + std::to_string(i) + " written, limit " +
                              std::to_string(info.textLimit) + " characters");
            return;
        }
    }
    if (text_[0] != kMarker && std::memchr(text_, 0, allowed) == nullptr) {
        findings_.Add("text without terminator", call);
    }
}

void CDispatcherFuzzer::CheckRect(const std::string& call) {
    ERect* rect = nullptr;
    std::memcpy(&rect, scratch_[0], sizeof rect);
    if (rect == nullptr || rect->right - rect->left <= 0 || rect->bottom - rect->top <= 0) {
        findings_.Add("bad editor rectangle", call);
    }
}

std::string CDispatcherFuzzer::Describe(const OpcodeInfo& info, const Call& call) const {
    const bool text = call.ptr == inputText_.c_str();
    char description[384];
    std::snprintf(description, sizeof description, "%s(index %d, value %lld, ptr %s%s%s, opt %.9g)",
                  info.name, call.index, static_cast<long long>(call.value),
                  call.ptr == nullptr ? "null"
                  : text              ? "\""
                                      : "valid",
                  text ? inputText_.substr(0, 80).c_str() : "", text ? "\"" : "",
                  static_cast<double>(call.opt));
    return description;
}

// CHostCallRecorder: the answers and the record of host calls.
#include "tools/host/HostCallRecorder.h"

#include <atomic>
#include <utility>

namespace {
std::atomic<CHostCallRecorder*> gActiveRecorder{nullptr};
}

CHostCallRecorder::CHostCallRecorder(VstIntPtr versionAnswer) : versionAnswer_(versionAnswer) {
    gActiveRecorder.store(this);
}

CHostCallRecorder::~CHostCallRecorder() {
    CHostCallRecorder* self = this;
    gActiveRecorder.compare_exchange_strong(self, nullptr);
}

VstIntPtr CHostCallRecorder::Callback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                      VstIntPtr value, void* /*ptr*/, float opt) {
    CHostCallRecorder* recorder = gActiveRecorder.load();
    if (recorder == nullptr) return 0;
    const HostCall call{effect, opcode, index, value, opt};
    {
        std::lock_guard<std::mutex> hold(recorder->mutex_);
        recorder->calls_.push_back(call);
    }
    return recorder->Answer(call);
}

VstIntPtr CHostCallRecorder::Answer(const HostCall& call) {
    switch (call.opcode) {
        case audioMasterVersion:
            return versionAnswer_;
        case audioMasterBeginEdit:
        case audioMasterEndEdit:
            return editAnswer_;
        case audioMasterSizeWindow: {
            SizeWindowHandler handler;
            {
                std::lock_guard<std::mutex> hold(mutex_);
                handler = sizeWindow_;
            }
            return handler && handler(call.effect, call.index, static_cast<int>(call.value)) ? 1
                                                                                             : 0;
        }
        default:
            return 0;
    }
}

void CHostCallRecorder::SetSizeWindowHandler(SizeWindowHandler handler) {
    std::lock_guard<std::mutex> hold(mutex_);
    sizeWindow_ = std::move(handler);
}

std::vector<HostCall> CHostCallRecorder::Calls() const {
    std::lock_guard<std::mutex> hold(mutex_);
    return calls_;
}

std::vector<HostCall> CHostCallRecorder::CallsWith(VstInt32 opcode) const {
    std::lock_guard<std::mutex> hold(mutex_);
    std::vector<HostCall> matching;
    for (const HostCall& call : calls_) {
        if (call.opcode == opcode) matching.push_back(call);
    }
    return matching;
}

void CHostCallRecorder::Clear() {
    std::lock_guard<std::mutex> hold(mutex_);
    calls_.clear();
}

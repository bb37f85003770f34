// CTortureRun: the first editor cycle loads Direct3D and fills caches that
// stay for the life of the process, so resources are measured from a state
// after one warm-up cycle, with no instance alive, to the same state at the
// end.
#include "tools/torture/TortureRun.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "tools/host/HostCallRecorder.h"
#include "tools/host/HostWindow.h"
#include "tools/host/PluginModule.h"
#include "tools/torture/DispatcherFuzzer.h"
#include "tools/torture/HostedInstance.h"
#include "tools/torture/ModuleHeapCounter.h"
#include "tools/torture/ProcessChecker.h"
#include "tools/torture/ResourceSnapshot.h"

namespace {

// Allowed growth of the whole process between the warm state and the end of
// the run. What a group of eight editors' devices frees, the platform keeps
// for the next group: under Wine, the C library's heap that the software
// rasteriser allocates from stays about 45 MB larger and Wine's own heaps
// keep about 15 MB of free space. So this bound catches only gross leaks of
// what the platform holds for us (devices, textures, windows); the
// plug-in's own heap has the tight bounds below.
constexpr uint64_t kPrivateBytesTolerance = 128ull << 20;
// The plug-in's own heap blocks with no instance alive: everything an
// instance allocates is returned when it closes, so a leak of one small
// object per editor cycle or per instance exceeds these.
constexpr int64_t kOurHeapBytesTolerance = 64 << 10;
constexpr int64_t kOurHeapBlocksTolerance = 16;
// Between two rounds of the same work, once the heap has its working size.
// Eight editors on Wine's software rasteriser were seen to vary by up to
// 6 MB between short rounds, without growing over longer ones.
constexpr uint64_t kRepeatPrivateBytesTolerance = 8ull << 20;
constexpr uint32_t kGdiTolerance = 10;
constexpr uint32_t kUserTolerance = 10;
constexpr int kFuzzerSlot = 23;

bool Before(DWORD deadline) {
    return static_cast<LONG>(deadline - GetTickCount()) > 0;
}

}  // namespace

CTortureRun::CTortureRun(const TortureOptions& options)
    : options_(options),
      random_(options.seed),
      host_(std::make_unique<CHostCallRecorder>()),
      dllPath_(options.dllPath.empty() ? CPluginModule::ProgramFolder() + "Vantoscope.dll"
                                       : options.dllPath) {}

CTortureRun::~CTortureRun() = default;

void CTortureRun::Phase(const char* name, uint32_t budgetMs) {
    std::printf("%6.1f s: phase %-24s %5.1f s budget   %s\n", (GetTickCount() - startMs_) / 1000.0,
                name, budgetMs / 1000.0, ResourceSnapshot::Take().Describe().c_str());
    std::fflush(stdout);
}

bool CTortureRun::Run() {
    module_ = std::make_unique<CPluginModule>(dllPath_);
    if (!module_->IsLoaded() || module_->Entry() == nullptr) {
        std::printf("torture: cannot load %s or find VSTPluginMain\n", dllPath_.c_str());
        return false;
    }
    host_->SetSizeWindowHandler(&CHostedInstance::ResizeEditorFrame);
    heapCounter_ = std::make_unique<CModuleHeapCounter>(GetModuleHandleA(dllPath_.c_str()));
    if (!heapCounter_->IsCounting()) {
        std::printf("torture: the plug-in's heap cannot be counted; its bounds are not checked\n");
    }
    std::printf("torture: %s, seed %llu, %.0f s, up to %d instances\n", dllPath_.c_str(),
                static_cast<unsigned long long>(options_.seed), options_.seconds,
                options_.instances);
    const auto total = static_cast<uint32_t>(options_.seconds * 1000.0);
    hostWindow_ =
        std::make_unique<CHostWindow>(nullptr, "Vantoscope torture host", 0, 0, 1060, 760);
    startMs_ = GetTickCount();
    WarmUp();
    const ResourceSnapshot warm = ResourceSnapshot::Take();
    RunPhases(total);
    Phase("end", 0);
    host_->Clear();
    CHostWindow::Pump(100);
    const ResourceSnapshot end = ResourceSnapshot::Take();
    resources_ = "warm: " + warm.Describe() + "\n  end:  " + end.Describe();
    CheckGrowth("whole run", warm, end, kPrivateBytesTolerance);
    CheckOurHeap("whole run", warm, end);
    return true;
}

// Shares of the budget: opcodes 30 %, processing 20 %, editor 25 %, the
// instance groups 25 %; a single phase chosen on the command line gets all.
void CTortureRun::RunPhases(uint32_t totalMs) {
    const std::string& only = options_.phase;
    const bool all = only == "all";
    if (all || only == "opcodes") RunOpcodes(all ? totalMs * 30 / 100 : totalMs);
    if (all || only == "processing") RunProcessing(all ? totalMs * 20 / 100 : totalMs);
    if (all || only == "editor") RunEditorCycles(all ? totalMs * 25 / 100 : totalMs);
    if (all || only == "instances") RunInstanceGroups(all ? totalMs * 25 / 100 : totalMs);
    if (only == "load") RunLoad(totalMs);
}

// The editor open for the whole budget while an audio thread processes, with
// nothing but idle calls from the host: what a user does after installing.
void CTortureRun::RunLoad(uint32_t budgetMs) {
    Phase("editor open with audio", budgetMs);
    const DWORD deadline = GetTickCount() + budgetMs;
    CHostedInstance instance(*module_, 0, hostWindow_->Handle(), findings_);
    ++instancesCreated_;
    if (!instance.IsValid()) return;
    instance.StartAudio(random_.Next());
    instance.OpenEditor(CHostedInstance::EditorParent::kHostWindow);
    ++editorCycles_;
    while (Before(deadline)) {
        CHostWindow::Pump(20);
        instance.Idle();
    }
    instance.CloseEditor();
    instance.StopAudio();
    audioBlocks_ += instance.BlocksProcessed();
}

// A pair, then the large group twice: the first round grows the heap to its
// working size, so only what the second adds is a leak.
void CTortureRun::RunInstanceGroups(uint32_t budgetMs) {
    RunInstances(2, budgetMs * 40 / 100);
    RunInstances(options_.instances, budgetMs * 30 / 100);
    const ResourceSnapshot afterFirstGroup = ResourceSnapshot::Take();
    RunInstances(options_.instances, budgetMs * 30 / 100);
    const ResourceSnapshot afterSecondGroup = ResourceSnapshot::Take();
    CheckGrowth("second group of instances", afterFirstGroup, afterSecondGroup,
                kRepeatPrivateBytesTolerance);
    CheckOurHeap("second group of instances", afterFirstGroup, afterSecondGroup);
}

void CTortureRun::WarmUp() {
    CHostedInstance instance(*module_, 0, hostWindow_->Handle(), findings_);
    ++instancesCreated_;
    if (!instance.IsValid()) {
        findings_.Add("no instance", "VSTPluginMain returned null");
        return;
    }
    instance.OpenEditor(CHostedInstance::EditorParent::kHostWindow);
    CHostWindow::Pump(200);
    instance.CloseEditor();
}

// One instance on one thread: every opcode with random arguments, parameter
// writes and reads, and blocks of random sizes between them; now and then
// the instance is closed and a new one made.
void CTortureRun::RunOpcodes(uint32_t budgetMs) {
    Phase("opcodes and parameters", budgetMs);
    const DWORD deadline = GetTickCount() + budgetMs;
    CProcessChecker checker(findings_);
    CHostWindow parent(hostWindow_->Handle(), nullptr, 0, 0, 900, 600);
    while (Before(deadline)) {
        CHostedInstance instance(*module_, 0, hostWindow_->Handle(), findings_);
        ++instancesCreated_;
        if (!instance.IsValid()) return;
        CDispatcherFuzzer fuzzer(findings_, parent.Handle(), kFuzzerSlot);
        for (int call = 0; call < 2000 && Before(deadline); ++call) {
            const std::string context = "opcodes, call " + std::to_string(dispatcherCalls_) + ":";
            const int64_t what = random_.Between(0, 9);
            if (what < 6) {
                fuzzer.CallDispatcher(instance.Effect(), random_, context);
            } else if (what < 8) {
                fuzzer.CallParameter(instance.Effect(), random_, context);
            } else {
                checker.Process(instance.Effect(), random_.BlockFrames(), random_, context);
            }
            ++dispatcherCalls_;
            if (call % 50 == 0) CHostWindow::Pump(0);
        }
        // The fuzzer may have left the editor open in parent; a host closes
        // it before the window goes.
        instance.Effect()->dispatcher(instance.Effect(), effEditClose, 0, 0, nullptr, 0.0f);
        host_->Clear();
    }
    audioBlocks_ += checker.BlocksProcessed();
}

// Processing on an audio thread while the user-interface thread changes
// parameters, reads their texts and, pausing the audio as a host does,
// changes the sample rate and block size.
void CTortureRun::RunProcessing(uint32_t budgetMs) {
    Phase("processing thread", budgetMs);
    const DWORD deadline = GetTickCount() + budgetMs;
    CHostedInstance instance(*module_, 0, hostWindow_->Handle(), findings_);
    ++instancesCreated_;
    if (!instance.IsValid()) return;
    CDispatcherFuzzer fuzzer(findings_, nullptr, kFuzzerSlot);
    instance.StartAudio(random_.Next());
    while (Before(deadline)) {
        if (random_.Chance(0.02)) instance.ChangeFormat(random_);
        fuzzer.CallParameter(instance.Effect(), random_, "processing:");
        instance.PokeEditor(random_);
        ++dispatcherCalls_;
        Sleep(1);
    }
    instance.StopAudio();
    audioBlocks_ += instance.BlocksProcessed();
}

// The editor opened and closed again many times, with the audio thread
// running throughout: by turns into the host's top-level window and into a
// fresh frame inside it.
void CTortureRun::RunEditorCycles(uint32_t budgetMs) {
    Phase("editor cycles", budgetMs);
    // The instance's buffers follow the largest block size announced, so
    // its heap is compared from before it is made to after it is closed.
    const ResourceSnapshot before = ResourceSnapshot::Take();
    CycleEditors(budgetMs);
    CheckOurHeap("editor cycles", before, ResourceSnapshot::Take());
}

void CTortureRun::CycleEditors(uint32_t budgetMs) {
    const int cycles = options_.editorCycles;
    const DWORD start = GetTickCount();
    CHostedInstance instance(*module_, 0, hostWindow_->Handle(), findings_);
    ++instancesCreated_;
    if (!instance.IsValid()) return;
    instance.StartAudio(random_.Next());
    ResourceSnapshot early;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        if (cycle == cycles / 10) early = ResourceSnapshot::Take();
        // Spread what is left of the budget over the cycles still to come.
        const DWORD spent = GetTickCount() - start;
        const int openMs = spent < budgetMs ? (budgetMs - spent) / (cycles - cycle) : 0;
        if (random_.Chance(0.1)) instance.ChangeFormat(random_);
        if (options_.editors) {
            instance.OpenEditor(cycle % 2 == 0 ? CHostedInstance::EditorParent::kHostWindow
                                               : CHostedInstance::EditorParent::kFreshFrame);
        }
        const DWORD until = GetTickCount() + static_cast<DWORD>(openMs);
        do {
            CHostWindow::Pump(10);
            instance.PokeEditor(random_);
        } while (Before(until));
        if (instance.IsEditorOpen()) ++editorCycles_;
        instance.CloseEditor();
        CHostWindow::Pump(0);
        host_->Clear();
    }
    instance.StopAudio();
    audioBlocks_ += instance.BlocksProcessed();
    if (cycles >= 10) {
        CheckGrowth("editor cycles", early, ResourceSnapshot::Take(), kRepeatPrivateBytesTolerance);
    }
}

// Several instances at once, each with its own audio thread and editor
// window; the user-interface thread opens, drives and closes all editors.
void CTortureRun::RunInstances(int count, uint32_t budgetMs) {
    const std::string name = std::to_string(count) + " instances at once";
    Phase(name.c_str(), budgetMs);
    const DWORD deadline = GetTickCount() + budgetMs;
    std::vector<std::unique_ptr<CHostedInstance>> instances;
    for (int number = 0; number < count; ++number) {
        instances.push_back(
            std::make_unique<CHostedInstance>(*module_, number, hostWindow_->Handle(), findings_));
        ++instancesCreated_;
        if (!instances.back()->IsValid()) return;
        instances.back()->ChangeFormat(random_);
        instances.back()->StartAudio(random_.Next());
    }
    bool shown = false;
    while (Before(deadline)) {
        for (auto& instance : instances) {
            if (options_.editors) instance->OpenEditor(CHostedInstance::EditorParent::kFreshFrame);
        }
        for (int round = 0; round < 10; ++round) {
            CHostWindow::Pump(10);
            for (auto& instance : instances) instance->PokeEditor(random_);
        }
        // What the group costs at its height, beside what is left after it.
        if (!shown) Phase("  ...all of them running", 0);
        shown = true;
        for (auto& instance : instances) {
            if (random_.Chance(0.3)) instance->ChangeFormat(random_);
            if (instance->IsEditorOpen()) ++editorCycles_;
            instance->CloseEditor();
        }
        host_->Clear();
    }
    for (auto& instance : instances) {
        instance->StopAudio();
        audioBlocks_ += instance->BlocksProcessed();
    }
}

void CTortureRun::CheckGrowth(const char* what, const ResourceSnapshot& before,
                              const ResourceSnapshot& after, uint64_t privateBytesTolerance) {
    const std::string change =
        std::string(what) + ": " + before.Describe() + " -> " + after.Describe();
    if (after.privateBytes > before.privateBytes + privateBytesTolerance) {
        findings_.Add("memory growth", change);
    }
    if (after.gdiObjects > before.gdiObjects + kGdiTolerance) {
        findings_.Add("GDI object growth", change);
    }
    if (after.userObjects > before.userObjects + kUserTolerance) {
        findings_.Add("USER object growth", change);
    }
}

void CTortureRun::CheckOurHeap(const char* what, const ResourceSnapshot& before,
                               const ResourceSnapshot& after) {
    if (!heapCounter_->IsCounting()) return;
    if (after.ourHeapBytes > before.ourHeapBytes + kOurHeapBytesTolerance ||
        after.ourHeapBlocks > before.ourHeapBlocks + kOurHeapBlocksTolerance) {
        findings_.Add("plug-in heap growth",
                      std::string(what) + ": " + before.Describe() + " -> " + after.Describe());
    }
}

void CTortureRun::PrintSummary() const {
    std::printf("\nsummary (seed %llu)\n", static_cast<unsigned long long>(options_.seed));
    std::printf("  instances created %d, dispatcher and parameter calls %lld,\n", instancesCreated_,
                dispatcherCalls_);
    std::printf("  audio blocks checked %lld, editor open/close cycles %d\n", audioBlocks_,
                editorCycles_);
    std::printf("  %s\n", resources_.c_str());
}

// The torture run's phases, in order, each with its share of the time
// budget: random opcodes and parameters; processing on an audio thread
// while the user-interface thread changes parameters and formats; editor
// open and close cycles under processing; two and then many instances at
// once. Memory and window-system resources are compared before and after,
// the plug-in's own heap apart from the process's.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tools/torture/Findings.h"
#include "tools/torture/TortureOptions.h"
#include "tools/torture/TortureRandom.h"

class CHostCallRecorder;
class CHostWindow;
class CModuleHeapCounter;
class CPluginModule;
struct ResourceSnapshot;

class CTortureRun {
public:
    explicit CTortureRun(const TortureOptions& options);
    ~CTortureRun();

    // The user-interface thread (the program's main thread). False when the
    // plug-in could not be loaded at all.
    bool Run();
    CFindings& Findings() { return findings_; }
    void PrintSummary() const;

private:
    void WarmUp();
    void RunPhases(uint32_t totalMs);
    void RunInstanceGroups(uint32_t budgetMs);
    void RunLoad(uint32_t budgetMs);
    void RunOpcodes(uint32_t budgetMs);
    void RunProcessing(uint32_t budgetMs);
    void RunEditorCycles(uint32_t budgetMs);
    void CycleEditors(uint32_t budgetMs);
    void RunInstances(int count, uint32_t budgetMs);
    void CheckGrowth(const char* what, const ResourceSnapshot& before,
                     const ResourceSnapshot& after, uint64_t privateBytesTolerance);
    // Our own heap, with the same instances alive at both moments.
    void CheckOurHeap(const char* what, const ResourceSnapshot& before,
                      const ResourceSnapshot& after);
    void Phase(const char* name, uint32_t budgetMs);

    TortureOptions options_;
    CTortureRandom random_;
    CFindings findings_;
    std::unique_ptr<CHostCallRecorder> host_;
    std::unique_ptr<CPluginModule> module_;
    std::unique_ptr<CModuleHeapCounter> heapCounter_;  // undone before the module goes
    // One top-level window for the whole run: under Wine without a window
    // manager, hiding or destroying a top-level window waits two seconds.
    std::unique_ptr<CHostWindow> hostWindow_;
    std::string dllPath_;
    long long dispatcherCalls_ = 0;
    long long audioBlocks_ = 0;
    int editorCycles_ = 0;
    int instancesCreated_ = 0;
    uint32_t startMs_ = 0;
    std::string resources_;
};

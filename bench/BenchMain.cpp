// Runs every benchmark, then prints each of our measurements beside its
// reference with the ratio. Pairs are named "<name>/ours" and
// "<name>/reference".
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "diag/ErrorSystem.h"

namespace {

class PairingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            std::string name = run.benchmark_name();
            const size_t aggregate = name.find("_median");
            if (aggregate != std::string::npos) name.erase(aggregate);
            times_[name] = run.GetAdjustedRealTime();
        }
    }

    void PrintRatios() const {
        std::printf("\n%-36s %14s %14s %8s\n", "measurement", "ours (ns)", "reference (ns)",
                    "ratio");
        for (const auto& [name, ours] : times_) {
            const size_t mark = name.find("/ours");
            if (mark == std::string::npos) continue;
            std::string referenceName = name;
            referenceName.replace(mark, 5, "/reference");
            const auto reference = times_.find(referenceName);
            if (reference == times_.end()) continue;
            std::string label = name;
            label.erase(mark, 5);
            const size_t repeats = label.find("/repeats:");
            if (repeats != std::string::npos) label.erase(repeats);
            std::printf("%-40s %14.0f %14.0f %7.2fx\n", label.c_str(), ours, reference->second,
                        ours / reference->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    // The plug-in's log goes to a scratch folder, not to the user's home.
    setenv("VANTOSCOPE_DOCUMENTS", "/tmp", 0);
    benchmark::Initialize(&argc, argv);
    ErrorSystem::Acquire();
    PairingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    ErrorSystem::Release();
    benchmark::Shutdown();
    return 0;
}

// What the demo did, gathered as it runs and printed at its end on one
// screen: the pictures written, frames drawn and the rate reached, the
// analysis blocks the music filled, and every problem met.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CDemoReport {
public:
    void AddPicture(const std::string& path, const std::string& caption);
    void AddProblem(const std::string& problem);
    void SetFrames(uint32_t framesDrawn, double viewSeconds);
    void SetAudio(int64_t framesStreamed, int64_t lateBlocks, double sampleRateHz);
    void SetErrorBoxes(const std::vector<std::string>& texts);

    // The process's exit code: 0 when nothing went wrong.
    int ExitCode() const;
    void Print() const;

private:
    struct Picture {
        std::string path;
        std::string caption;
    };

    std::vector<Picture> pictures_;
    std::vector<std::string> problems_;
    std::vector<std::string> errorBoxes_;
    uint32_t framesDrawn_ = 0;
    double viewSeconds_ = 0.0;
    int64_t framesStreamed_ = 0;
    int64_t lateBlocks_ = 0;
    double sampleRateHz_ = 0.0;
};

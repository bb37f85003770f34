// CDemoReport: plain text on standard output, read by a person.
#include "tools/demo/DemoReport.h"

#include <cstdio>

namespace {

// The plug-in analyses the music in blocks of this many frames.
constexpr int64_t kAnalysisBlockFrames = 4096;

}  // namespace

void CDemoReport::AddPicture(const std::string& path, const std::string& caption) {
    pictures_.push_back({path, caption});
}

void CDemoReport::AddProblem(const std::string& problem) {
    problems_.push_back(problem);
}

void CDemoReport::SetFrames(uint32_t framesDrawn, double viewSeconds) {
    framesDrawn_ = framesDrawn;
    viewSeconds_ = viewSeconds;
}

void CDemoReport::SetAudio(int64_t framesStreamed, int64_t lateBlocks, double sampleRateHz) {
    framesStreamed_ = framesStreamed;
    lateBlocks_ = lateBlocks;
    sampleRateHz_ = sampleRateHz;
}

void CDemoReport::SetErrorBoxes(const std::vector<std::string>& texts) {
    errorBoxes_ = texts;
}

int CDemoReport::ExitCode() const {
    return problems_.empty() && errorBoxes_.empty() ? 0 : 1;
}

void CDemoReport::Print() const {
    std::printf("Pictures:\n");
    for (const Picture& picture : pictures_) {
        std::printf("  %-34s %s\n", picture.path.c_str(), picture.caption.c_str());
    }
    const double rate = viewSeconds_ > 0.0 ? framesDrawn_ / viewSeconds_ : 0.0;
    std::printf("Frames drawn:    %u in %.1f s with the editor open\n", framesDrawn_, viewSeconds_);
    std::printf("Frame rate:      %.1f frames per second (software rendering)\n", rate);
    std::printf("Music streamed:  %.1f s in blocks of 512 frames, %lld of them late\n",
                sampleRateHz_ > 0.0 ? framesStreamed_ / sampleRateHz_ : 0.0,
                static_cast<long long>(lateBlocks_));
    std::printf("Analysis blocks: %lld of %lld frames\n",
                static_cast<long long>(framesStreamed_ / kAnalysisBlockFrames),
                static_cast<long long>(kAnalysisBlockFrames));
    if (errorBoxes_.empty()) std::printf("Error boxes:     none\n");
    for (const std::string& text : errorBoxes_) std::printf("Error box:       %s\n", text.c_str());
    for (const std::string& problem : problems_)
        std::printf("Problem:         %s\n", problem.c_str());
    std::fflush(stdout);
}

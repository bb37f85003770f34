// What the analyser sees for each choice of channels: it analyses the mean
// of the pair it is handed.
#include "analysis/AnalysisChannels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(AnalysisChannels, EachChoiceHandsTheAnalyserItsMix) {
    const std::vector<double> left{1.0, 0.5, -0.25}, right{0.0, 0.5, 0.25};
    std::vector<double> scratch(3, 99.0);
    auto seen = [&](AnalysisChannels channels) {
        const AnalysisPair pair =
            ChooseAnalysisPair(channels, left.data(), right.data(), scratch.data(), 3);
        std::vector<double> mean;
        for (int i = 0; i < 3; ++i) mean.push_back((pair.first[i] + pair.second[i]) * 0.5);
        return mean;
    };
    const std::vector<double> mid{0.5, 0.5, 0.0};
    EXPECT_EQ(seen(AnalysisChannels::kLeftPlusRight), mid);
    EXPECT_EQ(seen(AnalysisChannels::kMid), mid);
    EXPECT_EQ(seen(AnalysisChannels::kLeft), left);
    EXPECT_EQ(seen(AnalysisChannels::kRight), right);
    EXPECT_EQ(seen(AnalysisChannels::kSide), (std::vector<double>{0.5, 0.0, -0.25}));
}

}  // namespace

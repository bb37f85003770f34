// Loudest-first choice of peak labels that keep clear of each other.
#include "render/TidyLabels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A 30 x 12 label whose left edge is at x.
LabelCandidate At(int x, int y, float loudness, int band) {
    return {x, y, x + 30, y + 12, loudness, band};
}

std::vector<bool> Keep(const std::vector<LabelCandidate>& candidates, int margin = 0) {
    std::vector<bool> keep;
    ChooseTidyLabels(candidates, margin, keep);
    return keep;
}

TEST(TidyLabels, TheLouderOfTwoOverlappingLabelsStaysWhereverItIsListed) {
    EXPECT_EQ(Keep({At(100, 50, 0.4f, 10), At(110, 55, 0.9f, 11)}),
              (std::vector<bool>{false, true}));
    EXPECT_EQ(Keep({At(110, 55, 0.9f, 11), At(100, 50, 0.4f, 10)}),
              (std::vector<bool>{true, false}));
}

TEST(TidyLabels, ASkippedLabelDoesNotBlockTheOnesAfterIt) {
    // B overlaps A and C, A and C are apart: the loudest (A) wins, B goes, C
    // stays because only kept labels take room.
    const auto keep = Keep({At(100, 50, 0.9f, 1), At(125, 50, 0.8f, 2), At(150, 50, 0.7f, 3)});
    EXPECT_EQ(keep, (std::vector<bool>{true, false, true}));
}

TEST(TidyLabels, EqualLoudnessGoesToTheLowerBand) {
    EXPECT_EQ(Keep({At(110, 50, 0.5f, 40), At(100, 50, 0.5f, 32)}),
              (std::vector<bool>{false, true}));
    // Undefined loudness counts as the quietest.
    EXPECT_EQ(Keep({At(100, 50, NAN, 1), At(105, 50, 0.0f, 9)}), (std::vector<bool>{false, true}));
}

TEST(TidyLabels, TouchingBoxesStayUnlessAMarginKeepsThemApart) {
    const std::vector<LabelCandidate> row{At(100, 50, 0.5f, 1), At(130, 50, 0.6f, 2),
                                          At(130, 62, 0.4f, 3)};
    EXPECT_EQ(Keep(row), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(Keep(row, 1), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(Keep({}).empty());
}

}  // namespace

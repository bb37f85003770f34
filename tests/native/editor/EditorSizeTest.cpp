// Editor sizes: the layout at each percentage and the screen's scale
// rounded to the nearest of the four.
#include "editor/EditorSize.h"

#include <gtest/gtest.h>

#include "editor/EditorLayout.h"

namespace {

TEST(EditorSize, EveryPartOfTheLayoutScalesTogether) {
    const EditorLayout at150 = kEditorLayout.AtPercent(150);
    EXPECT_EQ(at150.Width(), 1350);
    EXPECT_EQ(at150.Height(), 900);
    const EditorLayout at200 = kEditorLayout.AtPercent(200);
    EXPECT_EQ(at200.viewWidth, 1800);
    EXPECT_EQ(at200.viewHeight, 800);
    EXPECT_EQ(at200.Height(), 1200);
    const EditorLayout at125 = kEditorLayout.AtPercent(125);
    EXPECT_EQ(at125.Width() * 10000 + at125.Height(), 1125 * 10000 + 750);
    EXPECT_EQ(kEditorLayout.AtPercent(100).Height(), kEditorLayout.Height());
}

TEST(EditorSize, FollowingTheScreenRoundsItsScaleToTheNearestSize) {
    // 96 dpi is 100 %; Windows' steps of 25 % are 24 dpi apart.
    const std::pair<int, int> screens[] = {{96, 100},  {0, 100},   {-5, 100},  {72, 100},
                                           {108, 100}, {109, 125}, {120, 125}, {144, 150},
                                           {168, 150}, {169, 200}, {192, 200}, {288, 200}};
    for (const auto& [dpi, percent] : screens) {
        EXPECT_EQ(EditorPercent(EditorSize::kFollowScreen, dpi), percent) << dpi;
    }
    EXPECT_EQ(EditorPercent(EditorSize::k125, 192), 125) << "a fixed size ignores the screen";
    EXPECT_EQ(EditorPercent(EditorSize::k100, 192), 100);
    EXPECT_STREQ(EditorSizeName(EditorSize::k150), "150 %");
    EXPECT_STREQ(EditorSizeName(EditorSize::kFollowScreen), "Follow the screen");
}

}  // namespace

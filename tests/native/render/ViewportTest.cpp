// Projection of scene points to the pixels of the 900 by 400 view.
#include "render/Viewport.h"

#include <gtest/gtest.h>

#include "render/D3DCamera.h"
#include "tests/native/render/RenderMathChecks.h"

namespace {

class ViewportTest : public ::testing::Test {
protected:
    void SetUp() override {
        camera_.SetFromParameters(50, 120, -700, 20, 15);
        camera_.BuildView(view_);
    }

    Vector3 Project(const Vector3& point, const Matrix4& world = IdentityMatrix()) const {
        return ProjectToScreen(point, viewport_, projection_, view_, world);
    }

    Viewport viewport_{0, 0, 900, 400, 0, 1};
    Matrix4 projection_ = PerspectiveFovLHMatrix(0.5235988f, 2.25f, 1.0f, 1500.0f);
    CD3DCamera camera_;
    Matrix4 view_{};
};

TEST_F(ViewportTest, PointAheadLandsInTheCentreAndNeighboursAroundIt) {
    const Vector3 ahead = camera_.position + camera_.look * 400;
    EXPECT_TRUE(Near(Project(ahead), {450, 200, 0.99816544f}, 1e-3f));
    const Vector3 right = Project(ahead + camera_.right * 40);
    const Vector3 above = Project(ahead + camera_.up * 40);
    EXPECT_GT(right.x, 450.0f);
    EXPECT_NEAR(right.y, 200.0f, 1e-3f);
    EXPECT_LT(above.y, 200.0f);
    EXPECT_NEAR(above.x, 450.0f, 1e-3f);
    // The edge of the 30 degree field is the top of the view.
    EXPECT_NEAR(Project(ahead + camera_.up * (400 * 0.26794919f)).y, 0.0f, 1e-2f);
    // Nearer points have smaller depth.
    EXPECT_LT(Project(camera_.position + camera_.look * 50).z, Project(ahead).z);
}

TEST_F(ViewportTest, WorldMatrixAndViewportPlacementAreApplied) {
    const Vector3 ahead = camera_.position + camera_.look * 400;
    EXPECT_TRUE(
        Near(Project({0, 0, 0}, TranslationMatrix(ahead.x, ahead.y, ahead.z)), Project(ahead)));
    viewport_ = {100, 50, 300, 200, 0.25f, 0.75f};
    const Vector3 centre = Project(ahead);
    EXPECT_NEAR(centre.x, 250.0f, 1e-3f);
    EXPECT_NEAR(centre.y, 150.0f, 1e-3f);
    EXPECT_NEAR(centre.z, 0.25f + 0.99816544f * 0.5f, 1e-4f);
}

}  // namespace

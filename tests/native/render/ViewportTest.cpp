// Projection of scene points to the pixels of the 900 by 400 view.
#include "render/Viewport.h"

#include <gtest/gtest.h>

#include "render/D3DCamera.h"
#include "tests/native/render/RenderChecks.h"

namespace {

TEST(ViewportTest, PointsAheadRightAndAboveLandAroundTheCentre) {
    CD3DCamera camera;
    camera.SetFromParameters(50, 120, -700, 20, 15);
    Matrix4 view;
    camera.BuildView(view);
    const Matrix4 projection = PerspectiveFovLHMatrix(0.5235988f, 2.25f, 1.0f, 1500.0f);
    Viewport viewport{0, 0, 900, 400, 0, 1};
    auto project = [&](const Vector3& p, const Matrix4& world = IdentityMatrix()) {
        return ProjectToScreen(p, viewport, projection, view, world);
    };
    const Vector3 ahead = camera.position + camera.look * 400;
    EXPECT_TRUE(Near(project(ahead), {450, 200, 0.99816544f}, 1e-3f));
    EXPECT_TRUE(Near(project({}, TranslationMatrix(ahead.x, ahead.y, ahead.z)), project(ahead)));
    EXPECT_TRUE(Near(project(ahead + camera.right * 40), {524.64102f, 200, 0.99816544f}, 1e-2f));
    // The top of the 30 degree field is the top row; nearer means less depth.
    EXPECT_NEAR(project(ahead + camera.up * (400 * 0.26794919f)).y, 0.0f, 1e-2f);
    EXPECT_LT(project(camera.position + camera.look * 50).z, project(ahead).z);
    EXPECT_GT(project(camera.position - camera.look * 10).z, 1.0f);
    EXPECT_LT(project(camera.position + camera.look * 0.5f).z, 0.0f);

    viewport = {100, 50, 300, 200, 0.25f, 0.75f};
    EXPECT_TRUE(Near(project(ahead), {250, 150, 0.25f + 0.99816544f * 0.5f}, 1e-3f));
}

}  // namespace

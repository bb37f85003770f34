// From the cursor into the scene: unprojection, and the first point where the cursor's ray meets
// the waterfall's surface.
#include "render/HeightFieldRay.h"

#include <gtest/gtest.h>

#include "params/Settings.h"
#include "render/D3DCamera.h"
#include "tests/native/render/RenderChecks.h"

namespace {

using namespace WaterGeometry;

Matrix4 ResetView() {
    CSettings settings;
    CD3DCamera camera(settings.CameraPresets()[CSettings::kReset]);
    Matrix4 view;
    camera.BuildView(view);
    return view;
}

const Matrix4 kProjection = PerspectiveFovLHMatrix(0.5235988f, 900.0f / 400.0f, 1.0f, 1500.0f);
const Viewport kView{0.0f, 0.0f, 900.0f, 400.0f, 0.0f, 1.0f};

// A ray in the plane x = ColumnX(column), from (y, z) towards (y2, z2).
Ray RayAlongColumn(int column, float y, float z, float y2, float z2) {
    const float x = ColumnX(column);
    return {{x, y, z}, Normalize(Vector3{0.0f, y2 - y, z2 - z})};
}

class HeightFieldRayTest : public ::testing::Test {
protected:
    void SetUp() override { heights_.fill(0.0f); }
    // A ridge across every column along one row.
    void Ridge(int row, float height) {
        for (int column = 0; column < kColumns; ++column)
            heights_[row * kColumns + column] = height;
    }
    std::optional<HeightFieldHit> Hit(const Ray& ray) {
        return FirstHit(ray, WaterfallHeightField(heights_));
    }
    SurfaceHeights heights_;
};

TEST(Unproject, CursorRayPassesThroughTheScenePointDrawnUnderIt) {
    const Matrix4 view = ResetView();
    for (const Vector3 point :
         {Vector3{0, 0, -300}, Vector3{-250, 150, 400}, Vector3{280, 20, 0}}) {
        const Vector3 screen = ProjectToScreen(point, kView, kProjection, view, IdentityMatrix());
        const std::optional<Ray> ray = CursorRay(screen.x, screen.y, kView, kProjection, view);
        ASSERT_TRUE(ray);
        const Vector3 toPoint = point - ray->origin;
        const Vector3 closest = ray->origin + ray->direction * Dot(toPoint, ray->direction);
        EXPECT_TRUE(Near(closest, point, 0.05f));
        EXPECT_NEAR(Length(ray->direction), 1.0f, 1e-6f);
    }
    EXPECT_FALSE(CursorRay(450.0f, 200.0f, kView, kProjection, ScalingMatrix(1.0f, 0.0f, 1.0f)));
}

TEST_F(HeightFieldRayTest, RaysBesideOverOrAwayFromTheSurfaceMiss) {
    Ridge(10, 200.0f);
    EXPECT_FALSE(Hit({{-320.0f, 100.0f, -400.0f}, {0.0f, 0.0f, 1.0f}}));      // beside
    EXPECT_FALSE(Hit(RayAlongColumn(40, 210.0f, -400.0f, 210.0f, 600.0f)));   // over
    EXPECT_FALSE(Hit(RayAlongColumn(40, 100.0f, -400.0f, 300.0f, -500.0f)));  // away
    EXPECT_FALSE(Hit(RayAlongColumn(40, 100.0f, 600.0f, 0.0f, 700.0f)));      // behind
}

TEST_F(HeightFieldRayTest, StraightDownFindsTheNearestBandAndRowOfTheSurface) {
    // A spike that entered the surface seven frames ago.
    CWaterSurface surface;
    std::array<float, kColumns> front{};
    front[100] = 80.0f;
    surface.PushFront(front.data());
    front[100] = 0.0f;
    for (int frame = 0; frame < 7; ++frame) surface.PushFront(front.data());
    CopySurfaceHeights(surface, heights_);
    const Vector3 above{ColumnX(100) + 0.1f, 500.0f, RowZ(7) - 1.0f};
    const auto hit = Hit({above, {0.0f, -1.0f, 0.0f}});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->column, 100);
    EXPECT_EQ(hit->row, 7);
    EXPECT_GT(hit->point.y, 60.0f);
    EXPECT_NEAR(hit->distance, 500.0f - hit->point.y, 1e-3f);
}

TEST_F(HeightFieldRayTest, RayClearingALowRidgeHitsTheHighRidgeBehind) {
    Ridge(5, 50.0f);
    Ridge(20, 150.0f);
    // From the front, descending: 60 units high over row 5, about 100 at row 20.
    const float z5 = RowZ(5), z20 = RowZ(20);
    const float slope = (100.0f - 60.0f) / (z20 - z5);
    const Ray ray = RayAlongColumn(128, 60.0f - slope * (z5 + 400.0f), -400.0f, 100.0f, z20);
    const auto hit = Hit(ray);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->row, 20);
    EXPECT_EQ(hit->column, 128);
    EXPECT_NEAR(hit->point.y, 100.0f, 2.0f);

    Ridge(5, 70.0f);  // now the front ridge stands in the way
    const auto front = Hit(ray);
    ASSERT_TRUE(front);
    EXPECT_EQ(front->row, 5);
    EXPECT_LT(front->point.z, z5);
}

TEST_F(HeightFieldRayTest, ResetCameraPicksTheSpikeUnderTheCursor) {
    const Matrix4 view = ResetView();
    // Spikes of one vertex each, across the surface.
    const int spikes[][2] = {{1, 30}, {3, 200}, {12, 128}, {25, 64}};
    for (const auto& spike : spikes) heights_[spike[0] * kColumns + spike[1]] = 150.0f;
    for (const auto& spike : spikes) {
        const Vector3 tip{ColumnX(spike[1]), 140.0f, RowZ(spike[0])};
        const Vector3 screen = ProjectToScreen(tip, kView, kProjection, view, IdentityMatrix());
        const auto hit = Hit(*CursorRay(screen.x, screen.y, kView, kProjection, view));
        ASSERT_TRUE(hit) << spike[0] << ", " << spike[1];
        EXPECT_EQ(hit->row, spike[0]);
        EXPECT_EQ(hit->column, spike[1]);
    }
}

}  // namespace

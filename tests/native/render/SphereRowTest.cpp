// A row of spheres as one mesh draws what 256 translated spheres draw.
#include "render/SphereRow.h"

#include <gtest/gtest.h>

#include "render/Matrix4.h"
#include "render/SphereMesh.h"

TEST(SphereRow, EverySphereIsTheTemplateUnderItsWorldTranslation) {
    const MeshData sphere = BuildSphereMesh(1.2f, 16, 16);
    ASSERT_TRUE(SphereRow::Fits(sphere));
    BandLevels heights;
    for (int band = 0; band < kBandCount; ++band) heights[band] = band * 0.75f;
    std::vector<MeshVertex> row(sphere.vertices.size() * SphereRow::kSpheres);
    SphereRow::WriteVertices(sphere, heights, row.data());
    const std::vector<uint16_t> indices = SphereRow::BuildIndices(sphere);
    ASSERT_EQ(indices.size(), sphere.indices.size() * 256);

    for (int band : {0, 1, 128, 255}) {
        const Matrix4 world = TranslationMatrix(band * 2.34375f - 300.0f, heights[band], -300.0f);
        for (size_t i = 0; i < sphere.indices.size(); ++i) {
            const uint16_t index = indices[band * sphere.indices.size() + i];
            const MeshVertex& drawn = row[index];
            const MeshVertex& original = sphere.vertices[sphere.indices[i]];
            const Vector3 expected = TransformCoord(original.position, world);
            ASSERT_NEAR(drawn.position.x, expected.x, 1e-4f) << band;
            ASSERT_NEAR(drawn.position.y, expected.y, 1e-4f) << band;
            ASSERT_NEAR(drawn.position.z, expected.z, 1e-4f) << band;
            ASSERT_EQ(drawn.normal.x, original.normal.x);
            ASSERT_EQ(drawn.normal.z, original.normal.z);
        }
    }
    // A template too large for 256 copies under 16-bit indices is refused.
    EXPECT_FALSE(SphereRow::Fits(BuildSphereMesh(1.0f, 64, 64)));
}

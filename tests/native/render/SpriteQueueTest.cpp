// Vertex building and texture runs of the sprite batch.
#include "render/SpriteQueue.h"

#include <gtest/gtest.h>

namespace {

const char kTextureA[] = "A";
const char kTextureB[] = "B";

TEST(SpriteQueue, KeepsSubmissionOrderInOneRunPerTextureChange) {
    CSpriteQueue queue;
    const void* order[] = {kTextureA, kTextureA, kTextureB, kTextureA, kTextureA};
    for (const void* texture : order) queue.Add(texture, 8, 8, nullptr, nullptr, nullptr, 0);
    ASSERT_EQ(queue.Runs().size(), 3u);
    EXPECT_EQ(queue.Runs()[0].texture, kTextureA);
    EXPECT_EQ(queue.Runs()[0].itemCount, 2u);
    EXPECT_EQ(queue.Runs()[1].texture, kTextureB);
    EXPECT_EQ(queue.Runs()[1].firstItem, 2u);
    EXPECT_EQ(queue.Runs()[2].firstItem, 3u);
    EXPECT_EQ(queue.Runs()[2].itemCount, 2u);
    EXPECT_EQ(queue.Vertices().size(), 5u * CSpriteQueue::kVerticesPerItem);

    queue.Clear();
    EXPECT_EQ(queue.ItemCount(), 0u);
    EXPECT_TRUE(queue.Runs().empty());
}

TEST(SpriteQueue, PlacesTheSourceRectangleAtPositionMinusCentre) {
    CSpriteQueue queue;
    const os::Rect source{4, 2, 12, 6};
    const float centre[3] = {2, 3, 0};
    const float position[3] = {10, 20, 0.25f};
    ASSERT_TRUE(queue.Add(kTextureA, 16, 8, &source, centre, position, 0x80FF0000u));
    const auto& v = queue.Vertices();
    ASSERT_EQ(v.size(), 4u);
    // Corners clockwise from the top left, shifted half a pixel onto pixel centres.
    EXPECT_FLOAT_EQ(v[0].x, 7.5f);
    EXPECT_FLOAT_EQ(v[0].y, 16.5f);
    EXPECT_FLOAT_EQ(v[2].x, 15.5f);
    EXPECT_FLOAT_EQ(v[2].y, 20.5f);
    EXPECT_FLOAT_EQ(v[1].x, 15.5f);
    EXPECT_FLOAT_EQ(v[3].y, 20.5f);
    EXPECT_FLOAT_EQ(v[0].u, 4.0f / 16);
    EXPECT_FLOAT_EQ(v[0].v, 2.0f / 8);
    EXPECT_FLOAT_EQ(v[2].u, 12.0f / 16);
    EXPECT_FLOAT_EQ(v[2].v, 6.0f / 8);
    for (const SpriteVertex& vertex : v) {
        EXPECT_FLOAT_EQ(vertex.z, 0.25f);
        EXPECT_FLOAT_EQ(vertex.rhw, 1.0f);
        EXPECT_EQ(vertex.colour, 0x80FF0000u);
    }
}

TEST(SpriteQueue, WholeTextureWithoutSourceAndNothingForAnEmptyOne) {
    CSpriteQueue queue;
    ASSERT_TRUE(queue.Add(kTextureA, 32, 16, nullptr, nullptr, nullptr, 0));
    EXPECT_FLOAT_EQ(queue.Vertices()[2].x, 31.5f);
    EXPECT_FLOAT_EQ(queue.Vertices()[2].y, 15.5f);
    EXPECT_FLOAT_EQ(queue.Vertices()[2].u, 1.0f);

    const os::Rect empty{5, 5, 5, 9};
    const os::Rect inverted{5, 9, 8, 2};
    EXPECT_FALSE(queue.Add(kTextureB, 32, 16, &empty, nullptr, nullptr, 0));
    EXPECT_FALSE(queue.Add(kTextureB, 32, 16, &inverted, nullptr, nullptr, 0));
    EXPECT_FALSE(queue.Add(kTextureB, 0, 16, nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(queue.ItemCount(), 1u);
    EXPECT_EQ(queue.Runs().size(), 1u);
}

TEST(SpriteQueue, TransformAppliesToItemsAddedAfterIt) {
    CSpriteQueue queue;
    queue.Add(kTextureA, 4, 4, nullptr, nullptr, nullptr, 0);
    // Scale by 2 and 3, then move by (100, 50) and to depth 0.5.
    const SpriteTransform transform = {
        {2, 0, 0, 0}, {0, 3, 0, 0}, {0, 0, 1, 0}, {100, 50, 0.5f, 1}};
    queue.SetTransform(transform);
    const float position[3] = {1, 1, 0};
    queue.Add(kTextureA, 4, 4, nullptr, nullptr, position, 0);
    const auto& v = queue.Vertices();
    EXPECT_FLOAT_EQ(v[2].x, 3.5f);  // the first item is untouched
    EXPECT_FLOAT_EQ(v[4].x, 102 - 0.5f);
    EXPECT_FLOAT_EQ(v[4].y, 53 - 0.5f);
    EXPECT_FLOAT_EQ(v[6].x, 110 - 0.5f);
    EXPECT_FLOAT_EQ(v[6].y, 65 - 0.5f);
    EXPECT_FLOAT_EQ(v[6].z, 0.5f);
}

TEST(SpriteQueue, DepthStaysInsideTheDepthRange) {
    CSpriteQueue queue;
    const float behind[3] = {0, 0, 3.0f};
    const float front[3] = {0, 0, -0.0001f};
    queue.Add(kTextureA, 4, 4, nullptr, nullptr, behind, 0);
    queue.Add(kTextureA, 4, 4, nullptr, nullptr, front, 0);
    EXPECT_FLOAT_EQ(queue.Vertices()[0].z, 1.0f);
    EXPECT_FLOAT_EQ(queue.Vertices()[4].z, 0.0f);
}

TEST(SpriteQueue, QuadIndicesMakeTwoTrianglesPerQuad) {
    uint16_t indices[12];
    BuildQuadIndices(indices, 2);
    const uint16_t expected[12] = {0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(indices[i], expected[i]) << i;
}

}  // namespace

// How pictures are cut into strips: the table a record must follow and the sizes refused.
#include <gtest/gtest.h>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_image.h"

namespace {

struct GeometryCase {
    std::uint32_t Width, Height;
    std::uint32_t Stride, RowsPerSegment, Count, LastRows;
};

TEST(AC8StripGeometry, FollowsTheTable) {
    const GeometryCase cases[] = {
        {1, 1, 4, 1, 1, 1},
        {512, 320, 512, 107, 3, 106},
        {514, 322, 516, 108, 3, 106},
        {640, 480, 640, 96, 5, 96},
        {40000, 3, 40000, 1, 3, 1},
        {65280, 255, 65280, 1, 255, 1},
        {3, 65535, 4, 13107, 5, 13107},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Width << " x " << c.Height);
        const auto g = ComputeStripGeometry(c.Width, c.Height);
        ASSERT_TRUE(g.has_value());
        EXPECT_EQ(g->RowStride, c.Stride);
        EXPECT_EQ(g->RowsPerSegment, c.RowsPerSegment);
        EXPECT_EQ(g->SegmentCount, c.Count);
        EXPECT_EQ(g->RowsOf(g->SegmentCount - 1), c.LastRows);
        std::uint32_t rows = 0;
        for (std::uint32_t k = 0; k < g->SegmentCount; ++k) {
            EXPECT_EQ(g->FirstRowOf(k), rows);
            EXPECT_LE(g->RowsOf(k) * g->RowStride, AC8MaxSegmentBytes);
            rows += g->RowsOf(k);
        }
        EXPECT_EQ(rows, c.Height);
    }
}

TEST(AC8StripGeometry, RefusesSizesNoRecordCanHold) {
    EXPECT_FALSE(ComputeStripGeometry(0, 10));
    EXPECT_FALSE(ComputeStripGeometry(10, 0));
    EXPECT_FALSE(ComputeStripGeometry(65281, 1));
    EXPECT_FALSE(ComputeStripGeometry(65280, 256));  // one row per strip: 256 strips
    EXPECT_TRUE(ComputeStripGeometry(65280, 1));

    TAC8Image image;
    EXPECT_THROW(image.Init("big", 65281, 1), AC8Exception);
    EXPECT_THROW(image.Init("none", 0, 5), AC8Exception);
    EXPECT_EQ(image.StoredState(), AC8StateEmpty);
    EXPECT_EQ(image.Pixels(), nullptr);
}

TEST(AC8Image, BlankPictureIsOneBottomUpBuffer) {
    TAC8Image image;
    image.Init("OneByOne", 1, 1);
    EXPECT_EQ(image.RowStride(), 4u);
    EXPECT_EQ(image.PixelBytes(), 4u);
    EXPECT_EQ(image.SegmentCount(), 1);

    image.Init("room", 512, 320);
    ASSERT_EQ(image.SegmentCount(), 3);
    EXPECT_EQ(image.StoredState(), AC8StatePlain);
    EXPECT_EQ(image.PixelBytes(), 512u * 320u);
    // Strip 0 holds the bottom 107 rows; the strips follow one another in the buffer.
    EXPECT_EQ(image.Segment(0).Pixels(), image.Pixels());
    EXPECT_EQ(image.Segment(0).Pixels(), image.Row(319));
    EXPECT_EQ(image.Segment(1).Pixels(), image.Row(319 - 107));
    EXPECT_EQ(image.Segment(2).RowCount(), 106u);
    EXPECT_EQ(image.Segment(2).Pixels() + 105 * 512, image.Row(0));
}

}  // namespace

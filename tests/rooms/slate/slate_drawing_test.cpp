// The drawing behind the slate: the chart, fills and spills, moving, mirroring, halving.
#include "tests/rooms/slate/slate_game.h"

#include "engine/graphics/hot_image.h"

namespace slate_tests {
namespace {

class SlateDrawingTest : public SlateGame {
protected:
    void SetUp() override { EnterSlate(); }

    // A point of the sticker's picture in ink (an outline), in slate coordinates.
    TPoint InkPoint(int n) {
        TSlateDrawingObject* sticker = Drawing().Sticker(n);
        TAC8ImageData& image = sticker->Image();
        for (std::int32_t y = 0; y < image.Height(); ++y)
            for (std::int32_t x = 0; x < image.Width(); ++x)
                if (image.GetPixel({x, y}) == kOutlineColour) return PointAdd(sticker->Position, TPoint{x, y});
        ADD_FAILURE() << "no outline";
        return {};
    }
};

TEST_F(SlateDrawingTest, TheChartNamesTheTopmostRegionAndNoneOnALine) {
    TSlateDrawing& drawing = Drawing();
    drawing.AddSticker(8, false, Game->Context().RandomNumbers());
    const TPoint onFirst = OnRegion(1);
    EXPECT_EQ(drawing.ObjectAt(onFirst), 1);
    EXPECT_EQ(drawing.ObjectAt(InkPoint(1)), -1) << "a line pixel belongs to nobody";
    EXPECT_EQ(drawing.ObjectAt({1, 1}), -1) << "the page's own border line";

    // The same sticker again, a little further on: where it covers the first, it wins.
    drawing.AddSticker(8, false, Game->Context().RandomNumbers());
    EXPECT_EQ(drawing.Sticker(2)->Position, PointAdd(drawing.Sticker(1)->Position, TPoint{5, 3}));
    EXPECT_EQ(drawing.ObjectAt(OnRegion(2)), 2);

    // Gone, its area is the first sticker's or the page's again.
    const TPoint covered = OnRegion(2);
    drawing.DeleteSticker(2);
    EXPECT_NE(drawing.ObjectAt(covered), 2);
    EXPECT_EQ(drawing.ObjectAt(onFirst), 1);
    drawing.DeleteSticker(1);
    EXPECT_LE(drawing.ObjectAt(onFirst), 0) << "only the page lies under where the sticker was";
    EXPECT_EQ(drawing.CascadeOffset(), (TPoint{0, 0}));
}

TEST_F(SlateDrawingTest, TheCascadeCountsReadStickersAndOutlivesClearing) {
    TSlateDrawing& drawing = Drawing();
    platform::RandomNumbers& random = Game->Context().RandomNumbers();
    drawing.AddSticker(8, false, random);
    const TPoint centre = drawing.Sticker(1)->Position;
    drawing.AddSticker(8, false, random);
    TMemoryStream saved;
    drawing.WriteToStream(saved);

    // Cleared, the next sticker still lands past the two that were there.
    drawing.Clear();
    drawing.AddSticker(8, false, random);
    EXPECT_EQ(drawing.Sticker(1)->Position, PointAdd(centre, TPoint{10, 6}));

    // Read back, the drawing goes on from its two stickers.
    TSlateDrawing read(drawing.SharedMap(), Game->World().GetImageLibrary());
    saved.Seek(0);
    read.ReadFromStream(saved);
    EXPECT_EQ(read.CascadeOffset(), (TPoint{10, 6}));
    read.AddSticker(8, false, random);
    EXPECT_EQ(read.Sticker(3)->Position, PointAdd(centre, TPoint{10, 6}));
}

TEST_F(SlateDrawingTest, AFillColoursTheRegionOnTheSlateAndInTheRecord) {
    TSlateDrawing& drawing = Drawing();
    const TSlateSeed seed = drawing.Background()->Record().Seeds[0];
    drawing.Fill({seed.X, seed.Y}, 53);
    EXPECT_EQ(drawing.Background()->Record().Seeds[0].Colour, 53);
    EXPECT_EQ(SlatePixel({seed.X, seed.Y}), 53);
    // A point on a line does nothing.
    drawing.Fill({1, 1}, 16);
    EXPECT_EQ(SlatePixel({1, 1}), kOutlineColour);
}

TEST_F(SlateDrawingTest, AFillThatSpillsIntoANeighbourChangesBothStoredColours) {
    // Two regions touching without a line between them: 5 on the left, 6 on the right.
    auto picture = THotImage::CreateBlank(20, 10, Game->World().GetImageLibrary());
    TAC8ImageData& image = picture->Image();
    image.FillRect({0, 0, 10, 10}, 5);
    image.FillRect({10, 0, 20, 10}, 6);
    TSlateMapRecord record;
    record.Seeds = {{2, 2, 5}, {15, 2, 6}};
    TSlateDrawingObject object;
    object.Assign(std::move(picture), record);
    object.FillAt({3, 3}, 6);
    EXPECT_EQ(object.Record().Seeds[0].Colour, 6);
    EXPECT_EQ(object.Record().Seeds[1].Colour, 6);
    const TRect changed = object.FillAt({3, 3}, 7);
    EXPECT_EQ(changed, (TRect{0, 0, 20, 10})) << "one fill now covers both";
    EXPECT_EQ(object.Record().Seeds[0].Colour, 7);
    EXPECT_EQ(object.Record().Seeds[1].Colour, 7);
}

TEST_F(SlateDrawingTest, MovingStopsWithTenPixelsOnTheSlateAtBothEnds) {
    TSlateDrawing& drawing = Drawing();
    drawing.AddSticker(12, false, Game->Context().RandomNumbers());
    const std::int32_t w = drawing.Sticker(1)->Width(), h = drawing.Sticker(1)->Height();
    drawing.MoveSticker({-5000, -5000}, 1, true);
    EXPECT_EQ(drawing.Sticker(1)->Position, (TPoint{10 - w, 10 - h}));
    drawing.MoveSticker({5000, 5000}, 1, true);
    EXPECT_EQ(drawing.Sticker(1)->Position, (TPoint{366, 215}));
}

TEST_F(SlateDrawingTest, MirroringTurnsTheSeedsWithThePicture) {
    TSlateDrawing& drawing = Drawing();
    drawing.AddSticker(8, false, Game->Context().RandomNumbers());
    TSlateDrawingObject& sticker = *drawing.Sticker(1);
    const std::vector<TSlateSeed> before = sticker.Record().Seeds;
    drawing.Fill(OnRegion(1, 0), 47);
    drawing.ToggleMirror(1);
    EXPECT_TRUE(drawing.IsMirrored(1));
    for (std::size_t k = 0; k < before.size(); ++k) {
        EXPECT_EQ(sticker.Record().Seeds[k].X, sticker.Width() - before[k].X - 1);
        EXPECT_EQ(sticker.Record().Seeds[k].Y, before[k].Y);
    }
    EXPECT_EQ(SlatePixel(OnRegion(1, 0)), 47) << "the coloured region went over with its seed";
    EXPECT_EQ(drawing.ObjectAt(OnRegion(1, 0)), 1);
    drawing.ToggleMirror(1);
    EXPECT_EQ(sticker.Record().Seeds.front().X, before.front().X);
}

TEST_F(SlateDrawingTest, HalfAndBackKeepTheColoursAndTheMirror) {
    TSlateDrawing& drawing = Drawing();
    drawing.AddSticker(10, false, Game->Context().RandomNumbers());
    drawing.Fill(OnRegion(1, 0), 233);
    drawing.ToggleMirror(1);
    const std::int32_t fullWidth = drawing.Sticker(1)->Width();
    const TRect fullBounds = drawing.Sticker(1)->Bounds();
    const TSlateObjectState before = drawing.Sticker(1)->State();

    drawing.SetHalf(1, false);
    EXPECT_TRUE(drawing.IsHalf(1));
    EXPECT_TRUE(drawing.IsMirrored(1));
    EXPECT_EQ(drawing.Sticker(1)->Width(), RectWidth(StickerSourceRect(10, true)));
    EXPECT_EQ(drawing.Sticker(1)->Position.X, fullBounds.Left + (fullWidth - drawing.Sticker(1)->Width()) / 2);
    EXPECT_EQ(drawing.Sticker(1)->State().Colours, before.Colours);
    EXPECT_EQ(SlatePixel(OnRegion(1, 0)), 233);

    drawing.SetHalf(1, false);
    EXPECT_FALSE(drawing.IsHalf(1));
    EXPECT_TRUE(drawing.IsMirrored(1));
    EXPECT_EQ(drawing.Sticker(1)->State(), before) << "back at full size where it was, as it was";
    EXPECT_EQ(SlatePixel(OnRegion(1, 0)), 233);
}

TEST_F(SlateDrawingTest, ClearingColoursUsesThePagesAndTheStickersBlank) {
    TSlateDrawing& drawing = Drawing();
    drawing.SetBackground(2, false, Game->Context().RandomNumbers());
    drawing.AddSticker(9, true, Game->Context().RandomNumbers());
    drawing.ClearColouring(1);
    for (std::uint8_t c : drawing.Sticker(1)->State().Colours) EXPECT_EQ(c, kUncolouredSticker);
    drawing.ClearColouring(0);
    for (std::uint8_t c : drawing.Background()->State().Colours) EXPECT_EQ(c, kUnfilledColour);
    EXPECT_THROW(drawing.SetBackground(8, true, Game->Context().RandomNumbers()), QEException);
}

TEST_F(SlateDrawingTest, TheRecordReadsBackExactlyAndRefusesDamage) {
    TSlateDrawing& drawing = Drawing();
    drawing.SetBackground(5, false, Game->Context().RandomNumbers());
    drawing.AddSticker(20, true, Game->Context().RandomNumbers());
    drawing.AddSticker(33, false, Game->Context().RandomNumbers());
    drawing.ToggleMirror(2);
    drawing.SetHalf(1, false);
    TMemoryStream first;
    drawing.WriteToStream(first);

    TSlateDrawing copy(drawing.SharedMap(), Game->World().GetImageLibrary());
    first.Seek(0);
    copy.ReadFromStream(first);
    EXPECT_EQ(first.Position(), first.Size());
    EXPECT_EQ(copy.State(), drawing.State());
    // Built again from the record, the pictures are the same.
    TSlateDrawingObject* a = drawing.Sticker(1);
    TSlateDrawingObject* b = copy.Sticker(1);
    ASSERT_NE(b, nullptr);
    for (std::int32_t y = 0; y < a->Height(); ++y)
        for (std::int32_t x = 0; x < a->Width(); ++x) ASSERT_EQ(a->Image().GetPixel({x, y}), b->Image().GetPixel({x, y}));

    const auto damaged = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = first.Bytes();
        bytes[at] = value;
        TMemoryStream s(bytes);
        TSlateDrawing target(drawing.SharedMap(), Game->World().GetImageLibrary());
        try {
            target.ReadFromStream(s);
        } catch (const QEException& e) {
            return std::string(e.what()) == "Saved game is damaged.";
        }
        return false;
    };
    EXPECT_TRUE(damaged(0, 8)) << "page index";
    EXPECT_TRUE(damaged(1, 2)) << "uncoloured flag";
    EXPECT_TRUE(damaged(2, 13)) << "class id";
    EXPECT_TRUE(damaged(3, 1)) << "page moved";
    const std::size_t count = 2 + 11 + drawing.Map().RegionCount(5);
    EXPECT_TRUE(damaged(count, 16)) << "too many stickers";
    EXPECT_TRUE(damaged(count + 1, 7)) << "a page index as sticker";
    EXPECT_TRUE(damaged(count + 1, 40)) << "no such sticker";
    EXPECT_TRUE(damaged(11, 1)) << "page mirrored";
    EXPECT_TRUE(damaged(12, 1)) << "page halved";

    // A sticker may lie partly off the slate, never so far that its bounds could overflow.
    const auto readWithX = [&](std::int32_t x) {
        std::vector<std::uint8_t> bytes = first.Bytes();
        for (std::size_t i = 0; i < 4; ++i)
            bytes[count + 3 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(x) >> (8 * i));
        TMemoryStream s(bytes);
        TSlateDrawing target(drawing.SharedMap(), Game->World().GetImageLibrary());
        target.ReadFromStream(s);
        return target.State().Stickers.at(0).Position.X;
    };
    EXPECT_EQ(readWithX(-2048), -2048);
    EXPECT_EQ(readWithX(2048), 2048);
    EXPECT_THROW(readWithX(2049), QEException);
    EXPECT_THROW(readWithX(INT32_MIN), QEException);
}

}  // namespace
}  // namespace slate_tests

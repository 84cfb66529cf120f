#include <gtest/gtest.h>

#include "foundation/node_factory.h"
#include "foundation/stream.h"
#include "shell_test_fixture.h"
#include "shell/frame_set.h"
#include "shell/qe_exception.h"

namespace {

using FrameSetTest = ShellTest;

TEST_F(FrameSetTest, CreationTakesThePositionAndCutsTheImageName) {
    TFrameSet set("Door~", MakeRect(30, 40, 99, 99), 4, 25, "doorstrip", nullptr);
    EXPECT_EQ(set.GetID(), "DOOR~");
    EXPECT_EQ(set.ClassId, kFrameSetClassId);
    EXPECT_EQ(set.X, 30);
    EXPECT_EQ(set.Y, 40);
    EXPECT_EQ(set.GetImageName(), "doorstri");
    EXPECT_EQ(set.GetFrameCount(), 4);
    EXPECT_EQ(set.GetFrameHeight(), 25);
    EXPECT_TRUE(set.Visible);
    EXPECT_EQ(set.CurrentFrame, 0);
    EXPECT_EQ(set.GetBounds(), TRect{});
}

TEST_F(FrameSetTest, ShowFrameChecksTheRangeAndSetFrameDoesNot) {
    TFrameSet set("lamp", {}, 3, 10, "lamp", nullptr);
    set.ShowFrame(nullptr, 2);
    EXPECT_EQ(set.CurrentFrame, 2);
    set.ShowFrame(nullptr, 3);
    EXPECT_EQ(set.CurrentFrame, 2);
    set.ShowFrame(nullptr, -1);  // taken unsigned: far out of range
    EXPECT_EQ(set.CurrentFrame, 2);
    set.SetFrame(nullptr, 9, false);
    EXPECT_EQ(set.CurrentFrame, 9);
    set.SetFrame(nullptr, 1, true);
    EXPECT_EQ(set.CurrentFrame, 1);
}

TEST_F(FrameSetTest, RecordsRoundTripThroughTheNodeStream) {
    TFrameSetList list;
    auto* set = static_cast<TFrameSet*>(
        list.Append(std::make_unique<TFrameSet>("train", MakeRect(-3, 7, 0, 0), 6, 12, "train", nullptr)));
    set->CurrentFrame = 5;
    set->Visible = false;
    list.Append(std::make_unique<TFrameSet>("bell", MakeRect(1, 2, 0, 0), 2, 12, "bell", nullptr));

    TMemoryStream stream;
    list.SaveToStream(stream);
    // count, then per set: id byte, ID (4 + 2n), frame, visible, x, y
    EXPECT_EQ(stream.Size(), 2 + (1 + 4 + 10 + 2 + 1 + 8) + (1 + 4 + 8 + 2 + 1 + 8));
    stream.Seek(0);
    TFrameSetList copy;
    copy.LoadFromStream(stream);
    TFrameSet& train = FindFrameSetOrFail(copy, "Train");
    EXPECT_EQ(train.CurrentFrame, 5);
    EXPECT_FALSE(train.Visible);
    EXPECT_EQ(train.X, -3);
    EXPECT_EQ(train.Y, 7);
    EXPECT_EQ(copy.FindFrameSet("BELL")->X, 1);
    // Image name, frame height and count come from the script, not from the record.
    EXPECT_EQ(train.GetFrameCount(), 0);
    EXPECT_EQ(train.GetLibrary(), nullptr);

    EXPECT_THROW(FindFrameSetOrFail(copy, "whistle"), QEException);
}

}  // namespace

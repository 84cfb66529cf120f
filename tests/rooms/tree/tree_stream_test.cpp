// The tree's stream and the bauble's record: what the saved game and the album keep, read
// back byte for byte, and every damaged value refused with the game's message.
#include <gtest/gtest.h>

#include <vector>

#include "foundation/node_factory.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "rooms/game_classes.h"
#include "rooms/tree/bauble.h"
#include "rooms/tree/tree.h"
#include "rooms/tree/tree_snapshot.h"
#include "shell/qe_exception.h"

namespace {

std::vector<std::uint8_t> Bytes(const TTree& tree) {
    TMemoryStream s;
    tree.WriteToStream(s);
    return s.Bytes();
}

// A stream of the tree's form, built by hand.
std::vector<std::uint8_t> TreeStream(std::uint8_t top, std::vector<std::uint8_t> switches,
                                     const std::vector<std::vector<std::uint8_t>>& records, int count = -1) {
    TMemoryStream s;
    WriteByte(s, top);
    s.Write(switches.data(), switches.size());
    WriteWord(s, static_cast<std::uint16_t>(count < 0 ? records.size() : static_cast<std::size_t>(count)));
    for (const auto& record : records) s.Write(record.data(), record.size());
    return s.Bytes();
}

std::vector<std::uint8_t> BaubleRecord(std::uint8_t classId, std::uint8_t kind, std::int32_t x = 10, std::int32_t y = 20) {
    TMemoryStream s;
    WriteByte(s, classId);
    WriteByte(s, kind);
    WriteInteger(s, x);
    WriteInteger(s, y);
    return s.Bytes();
}

void ExpectDamaged(const std::vector<std::uint8_t>& bytes, const char* why) {
    TTree tree;
    tree.SetTopChoice(2);
    TMemoryStream s(bytes);
    try {
        tree.ReadFromStream(s);
        ADD_FAILURE() << why << ": accepted";
    } catch (const QEException& e) {
        EXPECT_STREQ(e.what(), "Saved game is damaged.") << why;
    }
    EXPECT_EQ(tree.TopChoice(), 2) << why << ": a failed read leaves the tree as it was";
}

const std::vector<std::uint8_t> kAllOff(8, 0);

TEST(TreeStream, WritesTopSwitchesAndBaublesAndReadsThemBackExactly) {
    TTree tree;
    tree.SetTopChoice(3);
    tree.SetLightString(2, true);
    tree.SetLightString(4, true);
    tree.SetTinsel(1, true);
    TMemoryStream in(TreeStream(3, {0, 1, 0, 1, 1, 0, 0, 0},
                                {BaubleRecord(13, 5, 100, 120), BaubleRecord(13, 21, -3, 7)}));
    TTree read;
    read.ReadFromStream(in);
    EXPECT_EQ(in.Remaining(), 0) << "the read takes exactly the record's bytes";
    EXPECT_EQ(Bytes(read), in.Bytes());
    EXPECT_EQ(read.TopChoice(), 3);
    EXPECT_TRUE(read.LightString(2));
    EXPECT_FALSE(read.LightString(3));
    EXPECT_TRUE(read.Tinsel(1));
    ASSERT_EQ(read.Baubles().CachedCount(), 2);
    const auto* last = static_cast<const TBauble*>(read.Baubles().Last());
    EXPECT_EQ(last->Kind, 21);
    EXPECT_EQ(last->Position, (TPoint{-3, 7}));
    // 1 + 4 + 4 + 2 + 2 x (1 + 1 + 4 + 4)
    EXPECT_EQ(in.Bytes().size(), 31u);
}

TEST(TreeStream, AnEmptyTreeIsElevenBytes) {
    const std::vector<std::uint8_t> expected = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(TTree()), expected);
}

TEST(TreeStream, DamagedValuesAreRefused) {
    ExpectDamaged(TreeStream(5, kAllOff, {}), "top choice 5");
    ExpectDamaged(TreeStream(255, kAllOff, {}), "top choice 255");
    ExpectDamaged(TreeStream(0, {0, 2, 0, 0, 0, 0, 0, 0}, {}), "light switch 2");
    ExpectDamaged(TreeStream(0, {0, 0, 0, 0, 0, 0, 0, 9}, {}), "tinsel switch 9");
    ExpectDamaged(TreeStream(0, kAllOff, {BaubleRecord(12, 1)}), "a return-stack record among the baubles");
    ExpectDamaged(TreeStream(0, kAllOff, {BaubleRecord(0, 1)}), "a plain node among the baubles");
    ExpectDamaged(TreeStream(0, kAllOff, {BaubleRecord(13, 0)}), "kind 0");
    ExpectDamaged(TreeStream(0, kAllOff, {BaubleRecord(13, 22)}), "kind 22");
    std::vector<std::vector<std::uint8_t>> many(102, BaubleRecord(13, 1));
    ExpectDamaged(TreeStream(0, kAllOff, many), "102 baubles");
}

TEST(TreeStream, AHundredAndOneBaublesAreTheMostATreeHolds) {
    std::vector<std::vector<std::uint8_t>> most(101, BaubleRecord(13, 7));
    TMemoryStream s(TreeStream(4, kAllOff, most));
    TTree tree;
    tree.ReadFromStream(s);
    EXPECT_EQ(tree.Baubles().CachedCount(), 101);
}

TEST(TreeStream, AShortStreamFailsWithoutChangingTheTree) {
    auto bytes = TreeStream(1, kAllOff, {BaubleRecord(13, 3)});
    bytes.pop_back();
    TTree tree;
    TMemoryStream s(bytes);
    EXPECT_THROW(tree.ReadFromStream(s), VekException);
    EXPECT_EQ(tree.TopChoice(), 0);
    EXPECT_TRUE(tree.Baubles().IsEmpty());
}

TEST(TreeStream, BaublesComeBackThroughTheNodeFactoryUnderClassThirteen) {
    RegisterGameClasses();
    TMemoryStream s(BaubleRecord(13, 14, 30, 40));
    const auto node = RecreateNode(s);
    auto* bauble = dynamic_cast<TBauble*>(node.get());
    ASSERT_NE(bauble, nullptr);
    EXPECT_EQ(bauble->Kind, 14);
    EXPECT_EQ(bauble->Bounds(), MakeBounds(30, 40, 35, 37));
    TMemoryStream out;
    bauble->SaveToStream(out);
    EXPECT_EQ(out.Bytes(), s.Bytes());
    TMemoryStream bad(BaubleRecord(13, 40));
    EXPECT_THROW(RecreateNode(bad), QEException);
}

TEST(TreeStream, ACloneKeepsTheDecorationsAndCopiesEveryBaubleUnselected) {
    TMemoryStream in(TreeStream(2, {1, 0, 1, 0, 0, 1, 0, 1}, {BaubleRecord(13, 1, 50, 60), BaubleRecord(13, 12, 70, 80)}));
    TTree tree;
    tree.ReadFromStream(in);
    tree.SetBulbCounter(5, 7);
    static_cast<TBauble*>(tree.Baubles().Last())->Selected = true;
    const auto copy = tree.Clone();
    EXPECT_EQ(Bytes(*copy), Bytes(tree));
    EXPECT_EQ(copy->BulbCounter(5), 7);
    EXPECT_EQ(copy->FirstSelected(), nullptr);
    EXPECT_NE(copy->Baubles().First(), tree.Baubles().First()) << "the copy has baubles of its own";
    // The album keeps the copy by the same stream.
    TMemoryStream album;
    WriteTreeSnapshot(*copy, album);
    album.Seek(0);
    const auto back = ReadTreeSnapshot(album);
    EXPECT_EQ(Bytes(*back), Bytes(tree));
}

TEST(BranchTable, BaublesHangOnlyInsideTheBranches) {
    // The tip: row 0 holds columns 7 and 8 (x 90 to 119).
    EXPECT_FALSE(IsOnBranches({89, 0}));
    EXPECT_TRUE(IsOnBranches({90, 0}));
    EXPECT_TRUE(IsOnBranches({119, 14}));
    EXPECT_FALSE(IsOnBranches({120, 14}));
    EXPECT_TRUE(IsOnBranches({120, 15}));  // row 1 reaches column 9
    // The widest rows and the bottom.
    EXPECT_TRUE(IsOnBranches({30, 90}));
    EXPECT_FALSE(IsOnBranches({29, 90}));
    EXPECT_TRUE(IsOnBranches({209, 180}));
    EXPECT_FALSE(IsOnBranches({210, 180}));
    EXPECT_TRUE(IsOnBranches({0, 240}));
    EXPECT_TRUE(IsOnBranches({100, 267}));
    EXPECT_FALSE(IsOnBranches({100, 268}));
    // Off to the sides: columns past 14, and a little left of the tree still counts as column 1.
    EXPECT_FALSE(IsOnBranches({225, 200}));
    EXPECT_TRUE(IsOnBranches({-14, 250}));
    EXPECT_FALSE(IsOnBranches({-15, 250}));
}

}  // namespace

#include <gtest/gtest.h>

#include <vector>

#include "foundation/id_list.h"
#include "foundation/node_factory.h"
#include "foundation/node_list.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "foundation/vek_exception.h"

namespace {

int gAlive = 0;

// A node that counts its instances, so tests can see which nodes the list frees.
class CountedNode : public TVekNode {
public:
    explicit CountedNode(int tag = 0) : Tag(tag) { ++gAlive; }
    ~CountedNode() override { --gAlive; }
    int Tag;
};

std::unique_ptr<TVekNode> Counted(int tag) { return std::make_unique<CountedNode>(tag); }

std::vector<int> Tags(const TVekList& list) {
    std::vector<int> tags;
    for (auto* n : NodesOf<CountedNode>(list)) tags.push_back(n->Tag);
    return tags;
}

void ExpectConsistent(TVekList& list) {
    const std::int32_t cached = list.CachedCount();
    EXPECT_EQ(list.Count(), cached);
    EXPECT_EQ(list.First() == nullptr, list.Last() == nullptr);
    if (list.First() != nullptr) {
        EXPECT_EQ(list.First()->Prev, nullptr);
        EXPECT_EQ(list.Last()->Next, nullptr);
    }
}

class NodeListTest : public ::testing::Test {
protected:
    void SetUp() override {
        gAlive = 0;
        RegisterFoundationNodeClasses();
    }
};

TEST_F(NodeListTest, SteppingFromNothingGivesTheEnds) {
    TVekList list;
    EXPECT_EQ(list.Next(nullptr), nullptr);
    EXPECT_EQ(list.Prev(nullptr), nullptr);
    TVekNode* only = list.Append(Counted(1));
    EXPECT_EQ(list.Next(only), nullptr);
    EXPECT_EQ(list.Prev(nullptr), only);
    EXPECT_EQ(list.Next(nullptr), only);
}

TEST_F(NodeListTest, GetNodeIsOneBased) {
    TVekList list;
    list.Append(Counted(1));
    list.Append(Counted(2));
    EXPECT_EQ(list.GetNode(0), nullptr);
    EXPECT_EQ(list.GetNode(-3), nullptr);
    EXPECT_EQ(list.GetNode(3), nullptr);
    EXPECT_EQ(list.GetNode(1), list.First());
    EXPECT_EQ(list.GetNode(2), list.Last());
}

TEST_F(NodeListTest, InsertionsKeepOrderAndCount) {
    TVekList list;
    EXPECT_EQ(list.Append(nullptr), nullptr);
    EXPECT_EQ(list.InsertFirst(nullptr), nullptr);
    list.Append(Counted(2));
    list.InsertFirst(Counted(1));
    list.InsertAfter(list.Last(), Counted(4));     // after the tail: appended
    list.InsertAfter(list.GetNode(2), Counted(3));  // in the middle
    list.InsertAfter(nullptr, Counted(0));          // no anchor: new head
    EXPECT_EQ(Tags(list), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(list.CachedCount(), 5);
    ExpectConsistent(list);
    EXPECT_EQ(list.IndexOf(list.Last()), 5);
    CountedNode stranger;
    EXPECT_EQ(list.IndexOf(&stranger), 0);
    EXPECT_FALSE(list.Contains(&stranger));
}

TEST_F(NodeListTest, RemovalsUnlinkWithoutFreeing) {
    TVekList list;
    EXPECT_EQ(list.RemoveFirst(), nullptr);
    EXPECT_EQ(list.RemoveLast(), nullptr);
    EXPECT_EQ(list.CachedCount(), 0);
    EXPECT_EQ(list.Remove(nullptr), nullptr);

    for (int i = 1; i <= 4; ++i) list.Append(Counted(i));
    std::unique_ptr<TVekNode> middle = list.Remove(list.GetNode(2));
    EXPECT_EQ(middle->Next, nullptr);
    EXPECT_EQ(middle->Prev, nullptr);
    EXPECT_EQ(gAlive, 4);  // unlinked, still alive
    auto head = list.Remove(list.First());
    auto tail = list.Remove(list.Last());
    EXPECT_EQ(Tags(list), std::vector<int>{3});
    auto last = list.Remove(list.First());
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Last(), nullptr);
    ExpectConsistent(list);
    EXPECT_EQ(gAlive, 4);
}

TEST_F(NodeListTest, ClearFreesEveryNodeAndLeavesAUsableList) {
    TVekList list;
    for (int i = 0; i < 3; ++i) list.Append(Counted(i));
    EXPECT_EQ(gAlive, 3);
    list.Clear();
    EXPECT_EQ(gAlive, 0);
    EXPECT_EQ(list.CachedCount(), 0);
    EXPECT_TRUE(list.IsEmpty());
    list.Append(Counted(9));
    EXPECT_EQ(Tags(list), std::vector<int>{9});
}

TEST_F(NodeListTest, ForEachStopsAfterTheFirstFalse) {
    TVekList list;
    for (int i = 0; i < 4; ++i) list.Append(Counted(i));
    int calls = 0;
    list.ForEach([&](TVekList&, TVekNode*) { return ++calls < 2; });
    EXPECT_EQ(calls, 2);
}

TEST_F(NodeListTest, DataListFindsByReference) {
    int a = 0, b = 0;
    TDataList list;
    list.Append(std::make_unique<TDataNode>(&a));
    TVekNode* second = list.Append(std::make_unique<TDataNode>(&b));
    list.Append(std::make_unique<TDataNode>(&b));
    EXPECT_EQ(list.FindData(&b), second);
    EXPECT_EQ(list.FindData(nullptr), nullptr);
}

TEST_F(NodeListTest, StreamFormatOfEmptyPlainAndIdLists) {
    TVekList list;
    TMemoryStream empty;
    list.SaveToStream(empty);
    EXPECT_EQ(empty.Bytes(), (std::vector<std::uint8_t>{0, 0}));

    list.Append(std::make_unique<TVekNode>());
    TMemoryStream plain;
    list.SaveToStream(plain);
    EXPECT_EQ(plain.Bytes(), (std::vector<std::uint8_t>{1, 0, 0}));

    TIDList ids;
    ids.Append(std::make_unique<TIDNode>("abc"));
    TMemoryStream withId;
    ids.SaveToStream(withId);
    EXPECT_EQ(withId.Bytes(), (std::vector<std::uint8_t>{1, 0, 1, 6, 0, 0, 0, 'A', 0, 'B', 0, 'C', 0}));

    // Reading replaces the previous nodes.
    withId.Seek(0);
    for (int i = 0; i < 3; ++i) ids.Append(Counted(i));
    ids.LoadFromStream(withId);
    EXPECT_EQ(gAlive, 0);
    ASSERT_EQ(ids.Count(), 1);
    EXPECT_EQ(ids.FindByID("abc")->ClassId, 1);

    empty.Seek(0);
    ids.LoadFromStream(empty);
    EXPECT_TRUE(ids.IsEmpty());
}

TEST_F(NodeListTest, UnknownClassIdIsACorruptFile) {
    const std::uint8_t bytes[] = {2, 0, 0, 9};
    TMemoryStream s(bytes, sizeof bytes);
    TVekList list;
    try {
        list.LoadFromStream(s);
        FAIL() << "no exception";
    } catch (const VekException& e) {
        EXPECT_STREQ(e.what(), "Input file is corrupt - unknown node class id 9.");
    }
    EXPECT_EQ(list.Count(), 1);  // the node read before the error stays
}

TEST_F(NodeListTest, ACutStreamThrowsAtEveryPosition) {
    TIDList ids;
    ids.Append(std::make_unique<TIDNode>("first"));
    ids.Append(std::make_unique<TVekNode>());
    ids.Append(std::make_unique<TIDNode>("x"));
    TMemoryStream full;
    ids.SaveToStream(full);
    const auto& bytes = full.Bytes();
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        TMemoryStream part(bytes.data(), cut);
        TVekList list;
        EXPECT_THROW(list.LoadFromStream(part), VekException) << "cut at " << cut;
    }
    TMemoryStream whole(bytes.data(), bytes.size());
    TIDList back;
    back.LoadFromStream(whole);
    EXPECT_EQ(back.Count(), 3);
    EXPECT_NE(back.FindByID("FIRST"), nullptr);
}

TEST_F(NodeListTest, WritingMoreThan65535NodesThrows) {
    TVekList list;
    for (int i = 0; i < 65536; ++i) list.Append(std::make_unique<TVekNode>());
    TMemoryStream s;
    EXPECT_THROW(list.SaveToStream(s), VekException);
    list.Remove(list.First());
    TMemoryStream ok;
    list.SaveToStream(ok);
    EXPECT_EQ(ok.Size(), 2 + 65535);
}

}  // namespace

#include <gtest/gtest.h>

#include <vector>

#include "foundation/id_list.h"
#include "foundation/node_factory.h"
#include "foundation/priority_list.h"
#include "foundation/stream.h"

namespace {

TEST(IdListTest, IdsAreUpperCasedInLatinLettersOnly) {
    TIDNode node("abc\xC3\xA9 9");  // "abcé 9"
    EXPECT_EQ(node.GetID(), "ABC\xC3\xA9 9");
    node.SetID("mIxEd");
    EXPECT_EQ(node.GetID(), "MIXED");
}

TEST(IdListTest, FindByIdUpperCasesTheKeyAndPrefersTheHead) {
    TIDList list;
    TVekNode* first = list.Append(std::make_unique<TIDNode>("door"));
    list.Append(std::make_unique<TIDNode>("DOOR"));
    EXPECT_EQ(list.FindByID("DoOr"), first);
    EXPECT_EQ(list.FindByID("window"), nullptr);
}

TEST(IdListTest, IdsReadFromAStreamAreKeptAsStored) {
    const std::uint8_t bytes[] = {1, 0, 1, 4, 0, 0, 0, 'a', 0, 'b', 0};
    TMemoryStream s(bytes, sizeof bytes);
    TIDList list;
    RegisterFoundationNodeClasses();
    list.LoadFromStream(s);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(static_cast<TIDNode*>(list.First())->GetID(), "ab");
    EXPECT_EQ(list.FindByID("ab"), nullptr);  // the key is upper-cased, the stored ID is not
}

std::vector<std::pair<int, int>> Order(const TPriList& list) {
    std::vector<std::pair<int, int>> out;
    for (auto* n : NodesOf<TPriDataNode>(list)) out.push_back({n->Priority, *static_cast<int*>(n->Data)});
    return out;
}

TEST(PriorityListTest, AscendingWithEqualsInArrivalOrder) {
    int tags[] = {0, 1, 2, 3, 4};
    TPriDataList list;
    list.Add(std::make_unique<TPriDataNode>(5, &tags[0]));
    list.Add(std::make_unique<TPriDataNode>(3, &tags[1]));
    list.Add(std::make_unique<TPriDataNode>(5, &tags[2]));
    list.Add(std::make_unique<TPriDataNode>(1, &tags[3]));
    list.Add(std::make_unique<TPriDataNode>(65535, &tags[4]));
    EXPECT_EQ(Order(list), (std::vector<std::pair<int, int>>{{1, 3}, {3, 1}, {5, 0}, {5, 2}, {65535, 4}}));
    EXPECT_EQ(list.FindData(&tags[2])->Priority, 5);
    EXPECT_EQ(list.FindData(nullptr), nullptr);
}

TEST(PriorityListTest, FirstNodeIsHeadAndTail) {
    TPriList list;
    TPriNode* only = list.Add(std::make_unique<TPriNode>(7));
    EXPECT_EQ(list.First(), only);
    EXPECT_EQ(list.Last(), only);
}

TEST(PriorityListTest, PriorityRecordRoundTrips) {
    TPriNode node(0xBEEF);
    TMemoryStream s;
    node.SaveToStream(s);
    EXPECT_EQ(s.Bytes(), (std::vector<std::uint8_t>{0, 0xEF, 0xBE}));
    s.Seek(1);
    TPriNode back;
    back.LoadFromStream(s);
    EXPECT_EQ(back.Priority, 0xBEEF);
}

}  // namespace

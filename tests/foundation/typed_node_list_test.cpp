// Typed lists hand back the class they hold and refuse, when read, any record of another.
#include "foundation/typed_node_list.h"

#include <gtest/gtest.h>

#include "foundation/node_factory.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"

namespace {

TEST(TypedNodeList, AppendFirstNextAndFindGiveTheHeldClass) {
    TTypedNodeList<TIDNode, TIDList> list;
    TIDNode* red = list.Append(std::make_unique<TIDNode>("red"));
    TIDNode* gold = list.Append(std::make_unique<TIDNode>("gold"));
    TIDNode* star = list.InsertFirst(std::make_unique<TIDNode>("star"));
    EXPECT_EQ(list.First(), star);
    EXPECT_EQ(list.Next(star), red);
    EXPECT_EQ(list.Next(nullptr), star);
    EXPECT_EQ(list.Last(), gold);
    EXPECT_EQ(list.Prev(gold), red);
    EXPECT_EQ(list.GetNode(3), gold);
    EXPECT_EQ(list.FindByID("Gold"), gold);
    EXPECT_EQ(list.FindByID("none"), nullptr);
    EXPECT_EQ(list.Find([](const TIDNode& n) { return n.GetID().size() == 3; }), red);
    EXPECT_EQ(list.Find([](const TIDNode&) { return false; }), nullptr);

    std::vector<std::string> walked;
    for (TIDNode* node : list) walked.push_back(node->GetID());
    EXPECT_EQ(walked, (std::vector<std::string>{"STAR", "RED", "GOLD"}));

    std::unique_ptr<TIDNode> removed = list.Remove(red);
    EXPECT_EQ(removed.get(), red);
    EXPECT_EQ(list.RemoveFirst().get(), star);
    EXPECT_EQ(list.RemoveLast().get(), gold);
    EXPECT_TRUE(list.IsEmpty());
}

TEST(TypedNodeList, ReadingKeepsTheClassAndRefusesAnyOther) {
    RegisterFoundationNodeClasses();
    TMemoryStream stream;
    {
        TTypedNodeList<TIDNode, TIDList> written;
        written.Append(std::make_unique<TIDNode>("bell"));
        written.Append(std::make_unique<TIDNode>("ball"));
        written.SaveToStream(stream);
    }
    stream.Seek(0);
    TTypedNodeList<TIDNode, TIDList> read;
    read.LoadFromStream(stream);
    ASSERT_EQ(read.CachedCount(), 2);
    EXPECT_EQ(read.First()->GetID(), "BELL");
    EXPECT_EQ(stream.Position(), stream.Size());

    // A list of plain nodes is no list of named ones.
    TMemoryStream plain;
    {
        TVekList written;
        written.Append(std::make_unique<TVekNode>());
        written.SaveToStream(plain);
    }
    plain.Seek(0);
    TTypedNodeList<TIDNode, TIDList> refused;
    EXPECT_THROW(refused.LoadFromStream(plain), VekException);
}

}  // namespace

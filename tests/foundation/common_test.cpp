#include <gtest/gtest.h>

#include "foundation/common.h"
#include "foundation/messages.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/random.h"

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

TEST(CommonTest, ClampTestsTheLowEndFirst) {
    EXPECT_EQ(Clamp(5, 0, 3), 3);
    EXPECT_EQ(Clamp(-4, -1, 3), -1);
    EXPECT_EQ(Clamp(2, 5, 1), 5);
    EXPECT_TRUE(InRange(3, 3, 4));
    EXPECT_FALSE(InRange(5, 3, 4));
}

TEST(CommonTest, WordTables) {
    EXPECT_EQ(WordFor(NoYesWords, true), "Yes");
    EXPECT_EQ(WordFor(NotWords, false), "not ");
    EXPECT_EQ(WordFor(ArticleNWords, true), "n");
}

TEST(CommonTest, TextHelpers) {
    EXPECT_EQ(TrimLeadingBlanks(u" \t\x01 x y "), u"x y ");
    EXPECT_EQ(CapitaliseFirst(u"kid"), u"Kid");
    EXPECT_EQ(CapitaliseFirst(u"\u00E9lan"), u"\u00E9lan");
    EXPECT_EQ(CapitaliseFirst(u""), u"");
    EXPECT_EQ(CapitaliseFirst(std::string("kid.2")), "Kid.2");
    EXPECT_TRUE(SameTrimmedText(u"  Kid\t", u"kID"));
    EXPECT_FALSE(SameTrimmedText(u"K\u00C9", u"k\u00E9"));  // only Latin capitals fold
    EXPECT_TRUE(StringInList(u"default", {u"Anna", u" Default "}));
    EXPECT_FALSE(StringInList(u"x", {}));
}

TEST(MessagesTest, BoxesReachTheInstalledImplementation) {
    platform::headless::ScopedMessageBoxes scoped;
    auto& boxes = scoped.Boxes;
    boxes.QueueAnswer(MessageAnswer::Yes);
    boxes.QueueAnswer(MessageAnswer::No);
    boxes.QueueAnswer(MessageAnswer::Closed);
    boxes.QueueAnswer(MessageAnswer::Yes);
    boxes.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_TRUE(AskYesNo(u"Q", u"Sure?"));
    EXPECT_EQ(AskYesNoCancel(u"Q", u"Save?"), 1);
    EXPECT_EQ(AskYesNoCancel(u"Q", u"Save?"), 0);  // closed with the window's button
    EXPECT_EQ(AskYesNoCancel(u"Q", u"Save?"), 2);
    EXPECT_EQ(AskYesNoCancel(u"Q", u"Save?"), 0);
    ShowInfo(u"Title", u"Hello");
    ASSERT_EQ(boxes.Shown().size(), 6u);
    EXPECT_EQ(boxes.Shown()[0].Icon, MessageIcon::Question);
    EXPECT_EQ(boxes.Shown()[5].Buttons, MessageButtons::Ok);
    EXPECT_EQ(boxes.Shown()[5].Icon, MessageIcon::None);
    EXPECT_EQ(boxes.Shown()[5].Text, u"Hello");
}

TEST(MessagesTest, StringTableLookupIsCutAndEmptyWithoutEntry) {
    RegisterStringTable(nullptr);
    EXPECT_EQ(LoadTableString(1), u"");
    RegisterStringTable([](std::uint16_t id) -> std::u16string {
        if (id == 7) return std::u16string(300, u'x');
        return {};
    });
    EXPECT_EQ(LoadTableString(7).size(), 255u);
    EXPECT_EQ(LoadTableString(8), u"");
    RegisterStringTable(nullptr);
}

TEST(RandomTest, SeededGeneratorRepeatsAndStaysInRange) {
    platform::RandomNumbers random(42);
    std::vector<int> first;
    for (int i = 0; i < 20; ++i) first.push_back(random.Next(6));
    random.Seed(42);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(random.Next(6), first[i]);
    for (int v : first) EXPECT_TRUE(v >= 0 && v < 6);
    EXPECT_EQ(random.Next(0), 0);
    EXPECT_EQ(random.Next(-5), 0);
}

}  // namespace

// The keys and clicks of the message box the game draws in its window.
#include <gtest/gtest.h>

#include "platform/message_box_model.h"

namespace platform {
namespace {

TEST(MessageBoxModel, EnterAnswersTheFocusedButtonAndEscapeTheLast) {
    MessageBoxModel yesNo(MessageButtons::YesNo);
    EXPECT_EQ(yesNo.Key(BoxKey::Escape), MessageAnswer::No);
    EXPECT_EQ(yesNo.Key(BoxKey::Enter), MessageAnswer::Yes) << "the first button has the focus at the start";
    EXPECT_EQ(yesNo.Key(BoxKey::Right), std::nullopt);
    EXPECT_EQ(yesNo.Key(BoxKey::Space), MessageAnswer::No);
    EXPECT_EQ(yesNo.Key(BoxKey::Right), std::nullopt);
    EXPECT_EQ(yesNo.Focus(), 1) << "the arrows stop at the ends";
    EXPECT_EQ(yesNo.Key(BoxKey::Left), std::nullopt);
    EXPECT_EQ(yesNo.Key(BoxKey::Left), std::nullopt);
    EXPECT_EQ(yesNo.Focus(), 0);

    MessageBoxModel ok(MessageButtons::Ok);
    EXPECT_EQ(ok.Key(BoxKey::Escape), MessageAnswer::Ok);
    EXPECT_EQ(ok.Key(BoxKey::Tab), std::nullopt);
    EXPECT_EQ(ok.Key(BoxKey::Enter), MessageAnswer::Ok);
}

TEST(MessageBoxModel, TabGoesRoundAndClicksOutsideTheButtonsDoNothing) {
    MessageBoxModel box(MessageButtons::YesNoCancel);
    ASSERT_EQ(box.Buttons().size(), 3u);
    EXPECT_EQ(box.Buttons()[2].Label, "Cancel");
    box.Key(BoxKey::ShiftTab);
    EXPECT_EQ(box.Focus(), 2);
    box.Key(BoxKey::Tab);
    EXPECT_EQ(box.Focus(), 0);
    EXPECT_EQ(box.Click(1), MessageAnswer::No);
    EXPECT_EQ(box.Click(-1), std::nullopt);
    EXPECT_EQ(box.Click(3), std::nullopt);
}

}  // namespace
}  // namespace platform

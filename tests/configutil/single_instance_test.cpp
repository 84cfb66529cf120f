// One running copy: the lock decides, a later copy raises the first, failures are told.
#include <gtest/gtest.h>

#include <filesystem>

#include "configutil/utility_start.h"
#include "platform/headless/in_process_single_instance.h"
#include "platform/headless/scripted_message_boxes.h"
#include "platform/posix/posix_single_instance.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using platform::InstanceClaim;
using platform::posix::PosixSingleInstance;

class PosixSingleInstanceTest : public ::testing::Test {
protected:
    testing_support::TempFolder FTemp;
    const fs::path Dir = FTemp.Path();
};

TEST_F(PosixSingleInstanceTest, LaterCopyRaisesTheFirstAndTheNameIsFreeAfterItEnds) {
    int raised = 0;
    {
        PosixSingleInstance first("qel", Dir);
        ASSERT_EQ(first.Claim(), InstanceClaim::First);
        first.SetRaiseHandler([&] { ++raised; });
        ASSERT_GE(first.WatchHandle(), 0);
        EXPECT_EQ(first.HandlePending(), 0);

        PosixSingleInstance second("qel", Dir);
        second.SetSignalPatience(0);
        EXPECT_EQ(second.Claim(), InstanceClaim::AlreadyRunning);
        EXPECT_EQ(first.HandlePending(), 1);
        EXPECT_EQ(raised, 1);

        // Another program's name is not taken.
        PosixSingleInstance game("zorvik", Dir);
        EXPECT_EQ(game.Claim(), InstanceClaim::First);
    }
    // The first copy's socket file is gone with it; a stale one would be replaced anyway.
    EXPECT_FALSE(fs::exists(Dir / "qel.sock"));
    PosixSingleInstance next("qel", Dir);
    EXPECT_EQ(next.Claim(), InstanceClaim::First);
}

TEST_F(PosixSingleInstanceTest, UnusableFolderIsAFailureWithAReason) {
    PosixSingleInstance copy("qel", Dir / "missing");
    EXPECT_EQ(copy.Claim(), InstanceClaim::Failed);
    EXPECT_NE(copy.FailureReason().find("missing"), std::string::npos);
}

TEST(InProcessSingleInstance, BehavesLikeTheRealOne) {
    platform::headless::InProcessSingleInstance first("qel");
    int raised = 0;
    first.SetRaiseHandler([&] { ++raised; });
    ASSERT_EQ(first.Claim(), InstanceClaim::First);
    {
        platform::headless::InProcessSingleInstance second("qel");
        EXPECT_EQ(second.Claim(), InstanceClaim::AlreadyRunning);
    }
    EXPECT_EQ(first.HandlePending(), 1);
    EXPECT_EQ(raised, 1);
}

TEST(ClaimSingleInstance, OnlyTheFirstCopyRunsAndAFailureIsShown) {
    platform::headless::ScopedMessageBoxes boxes;
    platform::headless::InProcessSingleInstance first("qel-start");
    EXPECT_TRUE(configutil::ClaimSingleInstance(first));
    platform::headless::InProcessSingleInstance second("qel-start");
    EXPECT_FALSE(configutil::ClaimSingleInstance(second));
    EXPECT_TRUE(boxes.Boxes.Shown().empty());

    platform::headless::InProcessSingleInstance broken("qel-broken");
    broken.FailNextClaim("no runtime folder");
    EXPECT_FALSE(configutil::ClaimSingleInstance(broken));
    ASSERT_EQ(boxes.Boxes.Shown().size(), 1u);
    EXPECT_NE(boxes.Boxes.Shown()[0].Text.find(u"no runtime folder"), std::u16string::npos);
}

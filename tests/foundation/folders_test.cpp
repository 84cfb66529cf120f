// Resolving the folder set: the program folder's fallbacks, the derived folders, and the
// one start-up failure.
#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/folders.h"
#include "platform/headless/fake_folders.h"
#include "platform/headless/scripted_message_boxes.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::TempFolder;

class FoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearPaths();
        Known.Running = "/opt/zorvik/bin";
        Known.CommonData = Common.Path().string();
    }
    void TearDown() override { ClearPaths(); }

    static constexpr const char* kMakerKey = "Software\\Vek! Software";
    static constexpr const char* kGameKey = "Software\\Vek! Software\\Zorvik";

    TempFolder Common;
    platform::headless::FakeKnownFolders Known;
    platform::headless::FakeKeyStore Keys;
    platform::headless::ScopedMessageBoxes Boxes;
};

TEST_F(FoldersTest, WithoutStoredValuesTheProgramFolderIsTheRunningProgramsFolder) {
    EnsurePaths(false, "");
    EXPECT_EQ(Folders().ProgramFolder, "/opt/zorvik/bin/");
}

TEST_F(FoldersTest, StoredDirectoryFallsBackToTheDevelopmentFolderOnlyWhenMissing) {
    TempFolder development;
    Keys.Set(kGameKey, "Directory", "/no/such/folder");
    Keys.Set(kMakerKey, "DevHomeZorvik", development.Path().string());
    EnsurePaths(false, "");
    EXPECT_EQ(Folders().ProgramFolder, development.WithSlash() + "Zorvik/");

    ClearPaths();
    Keys.Values.clear();
    Keys.Set(kGameKey, "Directory", "/no/such/folder");
    EnsurePaths(false, "");
    EXPECT_EQ(Folders().ProgramFolder, "/no/such/folder/") << "kept even though it does not exist";

    ClearPaths();
    Keys.Set(kGameKey, "Directory", Common.Path().string());
    Keys.Set(kMakerKey, "DevHomeZorvik", development.Path().string());
    EnsurePaths(false, "");
    EXPECT_EQ(Folders().ProgramFolder, Common.WithSlash());
}

TEST_F(FoldersTest, TheEnvironmentChoiceWinsOverStoredValues) {
    Keys.Set(kGameKey, "Directory", Common.Path().string());
    Known.Override = "/custom/place";
    EnsurePaths(false, "");
    EXPECT_EQ(Folders().ProgramFolder, "/custom/place/");
}

TEST_F(FoldersTest, DerivedFoldersLieUnderTheCommonDataFolderAndAreResolvedOnce) {
    Known.Desktop = "/home/kid/Desktop";
    EnsurePaths(false, "");
    const std::string common = Common.WithSlash();
    EXPECT_EQ(Folders().DesktopFolder, "/home/kid/Desktop/");
    EXPECT_EQ(Folders().CommonDataFolder, common);
    EXPECT_EQ(Folders().MakerFolder, common + "Kettlebrook/");
    EXPECT_EQ(Folders().GameBaseFolder, common + "Kettlebrook/");
    EXPECT_EQ(Folders().GameFolder, common + "Kettlebrook/Zorvik/");
    EXPECT_EQ(Folders().DataFolder, common + "Kettlebrook/Zorvik/dat/");
    EXPECT_EQ(Folders().WaveFolder, common + "Kettlebrook/Zorvik/dat/wav/");
    EXPECT_EQ(Folders().SongFolder, common + "Kettlebrook/Zorvik/dat/mid/");
    EXPECT_FALSE(std::filesystem::exists(Folders().GameFolder)) << "nothing is created";

    Known.CommonData = "/elsewhere";
    EnsurePaths(false, "");
    EXPECT_EQ(Folders().CommonDataFolder, common) << "a second call changes nothing";

    // A forced run with an existing game folder moves the game folder, not the data folders.
    TempFolder game;
    EnsurePaths(true, game.Path().string());
    EXPECT_EQ(Folders().GameFolder, game.WithSlash());
    EXPECT_EQ(Folders().DataFolder, common + "Kettlebrook/Zorvik/dat/");
    EnsurePaths(true, "/no/such/game");
    EXPECT_EQ(Folders().GameFolder, "/elsewhere/Kettlebrook/Zorvik/");
}

TEST_F(FoldersTest, WithoutADesktopTheDesktopFolderStaysEmpty) {
    EnsurePaths(false, "");
    EXPECT_EQ(Folders().DesktopFolder, "");
}

TEST_F(FoldersTest, AnUnknownCommonDataFolderFailsStartUpWithAMessage) {
    Known.CommonData.reset();
    InitialiseFolders(u"Zorvik");
    EXPECT_TRUE(StartupFailed());
    ASSERT_EQ(Boxes.Boxes.Shown().size(), 1u);
    EXPECT_EQ(Boxes.Boxes.Shown()[0].Text, u"SetPaths: Unable to get public documents path");
    ClearPaths();
    EXPECT_FALSE(StartupFailed());
}

}  // namespace

// Finding files whatever their letter case on disk.
#include <gtest/gtest.h>

#include "foundation/file_lookup.h"
#include "tests/support/temp_folder.h"

namespace {

using testing_support::TempFolder;

TEST(FileLookupTest, ExactNameFirstThenAnyCaseInNameOrder) {
    TempFolder folder;
    folder.WriteText("Sounds.TXT", "");
    EXPECT_EQ(FindFileNoCase(folder.Path(), "sounds.txt"), folder.Path() / "Sounds.TXT");
    EXPECT_EQ(FindFileNoCase(folder.Path(), "SOUNDS.TXT"), folder.Path() / "Sounds.TXT");

    folder.WriteText("sounds.txt", "");
    folder.WriteText("SOUNDS.txt", "");
    EXPECT_EQ(FindFileNoCase(folder.Path(), "sounds.txt"), folder.Path() / "sounds.txt");
    EXPECT_EQ(FindFileNoCase(folder.Path(), "Sounds.txt"), folder.Path() / "SOUNDS.txt");

    folder.WriteText("\xC3\x89mile.qel", "");  // "Émile.qel"
    EXPECT_EQ(FindFileNoCase(folder.Path(), "\xC3\xA9MILE.QEL"), folder.Path() / "\xC3\x89mile.qel");
}

TEST(FileLookupTest, FindsNoFoldersNoPathsAndNothingInAMissingFolder) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path() / "Dat");
    EXPECT_FALSE(FindFileNoCase(folder.Path(), "dat"));
    folder.WriteText("x", "");
    EXPECT_FALSE(FindFileNoCase(folder.Path(), "Dat/../x"));
    EXPECT_FALSE(FindFileNoCase(folder.Path(), ".."));
    EXPECT_FALSE(FindFileNoCase(folder.Path(), ""));
    EXPECT_FALSE(FindFileNoCase(folder.Path() / "missing", "x"));
}

TEST(FileLookupTest, DataFilePathFallsBackToTheAskedNameAndRefusesPaths) {
    TempFolder folder;
    folder.WriteText("BELL.WAV", "");
    EXPECT_EQ(DataFilePath(folder.Path(), "bell.wav"), folder.Path() / "BELL.WAV");
    EXPECT_EQ(DataFilePath(folder.Path(), "gone.wav"), folder.Path() / "gone.wav");
    EXPECT_EQ(DataFilePath(folder.Path(), "../bell.wav"), std::filesystem::path());
    EXPECT_EQ(DataFilePath(folder.Path(), ""), std::filesystem::path());
}

}  // namespace

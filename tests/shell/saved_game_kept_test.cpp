// The saved game a world must not write over: one read by a world that lacks some of its
// rooms (a damaged or cut-short init script), one of a world whose rooms failed to build,
// and a saved-game name that is not a file at all.
#include <type_traits>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"
#include "platform/file_replace.h"
#include "shell/init_script.h"
#include "shell/qe_exception.h"
#include "tests/support/game_harness.h"
#include "tests/support/test_house.h"

using testing_support::TGameHarness;
using testing_support::THarnessOptions;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr char16_t kKeptText[] =
    u"Quorvel! did not save your game, because the saved game holds rooms that this game could not load. "
    u"Your saved game was kept as it was.";

// A house played so that every room's record holds something, saved, and its bytes.
Bytes PlayedHouse(TGameHarness& game) {
    game.Start();
    game.Click("PLAY");
    game.Click("COUNT");
    game.Click("TOKITCHEN");
    game.Click("COUNT");
    game.Close();
    return ReadWholeFile(game.SavedGameFile());
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

TEST(KeptSavedGame, AnEmptyInitScriptOverAPlayedHouseLeavesTheSavedGamesBytesAsTheyWere) {
    THarnessOptions options;
    TGameHarness played;
    const Bytes saved = PlayedHouse(played);

    // The real loader over an empty script: no rooms, no start room.
    options.BuildRooms = [](TWorld& world) { LoadGameScript(world); };
    TGameHarness game(options);
    game.Folder().Write("Default.qeg", saved);
    WriteText(game.Folder().Path() / "dat" / "init.txt", "");
    game.Boxes().SetDefaultAnswer(platform::MessageAnswer::Yes);  // "Quit game?" after the failed first room
    game.Start();
    EXPECT_EQ(game.World().KeepReason(), TKeepSavedGame::RoomsMissing);
    game.Boxes().ClearShown();
    game.Close();

    EXPECT_EQ(ReadWholeFile(game.SavedGameFile()), saved);
    ASSERT_EQ(game.Messages().size(), 1u);
    EXPECT_EQ(game.Messages()[0].Caption, u"Game Save Problem");
    EXPECT_EQ(game.Messages()[0].Text, kKeptText);
}

TEST(KeptSavedGame, AWorldWithFewerRoomsThanTheFileKeepsItButOneWithAllOfThemSaves) {
    TGameHarness played;
    const Bytes saved = PlayedHouse(played);

    // A script cut short after its sixth room: the last rooms' records stay unread.
    THarnessOptions shorter;
    shorter.BuildRooms = [](TWorld& world) {
        testing_support::BuildTestHouse(world);
        const_cast<std::remove_cvref_t<decltype(world.Rooms())>&>(world.Rooms()).RemoveLast();
    };
    TGameHarness game(shorter);
    game.Folder().Write("Default.qeg", saved);
    game.Start();
    // What the rooms it has hold is read as usual.
    EXPECT_EQ(game.RoomAs<testing_support::TTestHouseRoom>("LIVING").Counter, 1);
    game.Click("PLAY");
    game.Click("COUNT");
    game.Close();
    EXPECT_EQ(ReadWholeFile(game.SavedGameFile()), saved);
    ASSERT_EQ(game.Messages().size(), 1u);
    EXPECT_EQ(game.Messages()[0].Text, kKeptText);

    // The whole house again: the file is read to its end and the game is saved.
    TGameHarness whole;
    whole.Folder().Write("Default.qeg", saved);
    whole.Start();
    EXPECT_TRUE(whole.World().SavesOnEnd());
    whole.Click("PLAY");
    whole.Click("COUNT");
    whole.Close();
    EXPECT_NE(ReadWholeFile(whole.SavedGameFile()), saved);
    EXPECT_TRUE(whole.Messages().empty());
}

TEST(KeptSavedGame, RoomsThatFailToBuildLeaveTheSavedGameAndSaySo) {
    TGameHarness played;
    const Bytes saved = PlayedHouse(played);

    THarnessOptions options;
    options.BuildRooms = [](TWorld& world) {
        testing_support::BuildTestHouse(world);
        throw QEException("ExtractBounds: invalid rectangle (init.txt, line 3)");
    };
    TGameHarness game(options);
    game.Folder().Write("Default.qeg", saved);
    EXPECT_THROW(game.Start(), QEException);
    EXPECT_EQ(ReadWholeFile(game.SavedGameFile()), saved);
    ASSERT_EQ(game.Messages().size(), 1u);
    EXPECT_EQ(game.Messages()[0].Caption, u"Game Save Problem");
    EXPECT_EQ(game.Messages()[0].Text,
              u"Quorvel! did not save your game, because the game's rooms could not be loaded. Your saved game "
              u"was kept as it was.");

    // Without a saved game nothing was kept, and nothing is said.
    TGameHarness fresh(options);
    EXPECT_THROW(fresh.Start(), QEException);
    EXPECT_TRUE(fresh.Messages().empty());
    EXPECT_FALSE(std::filesystem::exists(fresh.SavedGameFile()));
}

TEST(KeptSavedGame, ASavedGameThatIsAFolderIsDamagedAndMovedAside) {
    TGameHarness game;
    const std::filesystem::path folder = game.Folder().Path() / "Default.qeg";
    std::filesystem::create_directory(folder);
    WriteText(folder / "inside.txt", "kept");
    try {
        game.Start();
        ADD_FAILURE() << "started";
    } catch (const VekException& e) {
        EXPECT_STREQ(e.what(), "Saved game is damaged.");
    }
    EXPECT_TRUE(std::filesystem::exists(game.Folder().Path() / "Default.qeg.bad" / "inside.txt"));
    // The next start begins afresh and saves where the folder stood.
    game.Start();
    game.Close();
    EXPECT_TRUE(std::filesystem::is_regular_file(folder));
}

TEST(KeptSavedGame, ASaveRefusedAtAnyStepShowsTheProblemAndKeepsThePreviousGame) {
    TGameHarness game;
    const Bytes saved = PlayedHouse(game);
    for (const auto step : {platform::ReplaceStep::Create, platform::ReplaceStep::Write, platform::ReplaceStep::Flush,
                            platform::ReplaceStep::Rename}) {
        game.Start();
        game.Click("PLAY");
        game.Click("COUNT");
        game.Boxes().ClearShown();
        platform::FailReplacesAt(step);
        game.Close();
        platform::FailReplacesAt(platform::ReplaceStep::None);
        ASSERT_EQ(game.Messages().size(), 1u);
        EXPECT_EQ(game.Messages()[0].Caption, u"Game Save Problem");
        EXPECT_EQ(game.Messages()[0].Text,
                  u"Quorvel! was unable to save your game. Please consider re-installing the game.");
        EXPECT_EQ(ReadWholeFile(game.SavedGameFile()), saved);
        EXPECT_EQ(game.Folder().Files(), std::vector<std::string>{"Default.qeg"});
    }
}

}  // namespace

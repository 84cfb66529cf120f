// The saved game through the headless game: its exact bytes, the versions it reads, foreign,
// cut and damaged files, a folder that cannot be written, the file's name, and a round
// trip that brings every room's state back.
#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/folders.h"
#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "foundation/vek_exception.h"
#include "shell/saved_game.h"
#include "tests/support/game_harness.h"
#include "tests/support/test_house.h"

using testing_support::TGameHarness;
using testing_support::THarnessOptions;
using testing_support::TTestHouseRoom;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr int kHouseRooms = 8;

Bytes Header(std::uint16_t version, std::uint16_t magic1 = 0x51) {
    TMemoryStream s;
    for (std::uint16_t v : {magic1, std::uint16_t(0x45), std::uint16_t(0x53), version}) WriteWord(s, v);
    WriteByte(s, std::uint8_t(1));
    return s.TakeBytes();
}

// A header and one counter per room, the n-th room's counter being `first` + n.
Bytes GameFile(std::uint16_t version, int rooms, std::uint16_t first) {
    Bytes bytes = Header(version);
    for (int i = 0; i < rooms; ++i) {
        bytes.push_back(std::uint8_t(first + i));
        bytes.push_back(0);
    }
    return bytes;
}

// The game of a house whose rooms have not been played.
Bytes FreshGame() {
    Bytes bytes = Header(9);
    bytes.resize(bytes.size() + 2 * kHouseRooms, 0);
    return bytes;
}

Bytes ReadFile(const std::filesystem::path& path) { return ReadWholeFile(path); }

std::uint16_t CounterOf(TGameHarness& game, std::string_view room) { return game.RoomAs<TTestHouseRoom>(room).Counter; }

TEST(SavedGame, TheFileIsTheHeaderThenEachRoomsRecordInRoomOrder) {
    TGameHarness game;
    game.Start();
    EXPECT_FALSE(std::filesystem::exists(game.SavedGameFile()));
    game.Click("PLAY");
    game.Click("COUNT");
    game.Close();

    const Bytes expected{0x51, 0, 0x45, 0, 0x53, 0, 9, 0, 1,  // magic, version 9, state 1
                         0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(ReadFile(game.Folder().Path() / "Default.qeg"), expected);
    EXPECT_EQ(game.Folder().Files(), std::vector<std::string>{"Default.qeg"});
}

TEST(SavedGame, PlayingClosingAndRestartingBringsBackEveryRoomsState) {
    TGameHarness game;
    game.Start();
    game.Click("PLAY");
    game.Click("COUNT");
    game.Click("COUNT");
    game.Click("TOKITCHEN");
    game.Click("COUNT");
    game.Click("TOSTAGE");
    for (int i = 0; i < 5; ++i) game.Click("COUNT");
    game.Restart();

    EXPECT_EQ(game.RoomName(), "TITLE");
    EXPECT_EQ(CounterOf(game, "LIVING"), 2);
    EXPECT_EQ(CounterOf(game, "KITCHEN"), 1);
    EXPECT_EQ(CounterOf(game, "STAGE"), 5);
    EXPECT_EQ(CounterOf(game, "BED"), 0);
    EXPECT_EQ(game.World().GetFileVersion(), 9);
    EXPECT_EQ(game.World().GetSavedState(), 1);
    EXPECT_TRUE(game.Messages().empty());
}

TEST(SavedGame, AVersionEightFileSkipsTheRecordsOfRoomsThatSaveSinceNine) {
    THarnessOptions options;
    options.BuildRooms = [](TWorld& world) {
        testing_support::BuildTestHouse(world);
        world.FindRoom("KITCHEN")->FirstSaveVersion = 9;
    };
    TGameHarness game(options);
    game.Folder().Write("Default.qeg", GameFile(8, kHouseRooms - 1, 10));
    game.Start();
    EXPECT_EQ(game.World().GetFileVersion(), 8);
    EXPECT_EQ(CounterOf(game, "TITLE"), 10);
    EXPECT_EQ(CounterOf(game, "LIVING"), 11);
    EXPECT_EQ(CounterOf(game, "KITCHEN"), 0);
    EXPECT_EQ(CounterOf(game, "BED"), 12);
    EXPECT_EQ(CounterOf(game, "STAGE"), 16);
}

TEST(SavedGame, AForeignTooNewOrTooShortFileLoadsNothingSilentlyAndIsReplacedAtTheEnd) {
    Bytes foreign = GameFile(9, kHouseRooms, 10);
    foreign[0] = 'P';
    Bytes newer = GameFile(10, kHouseRooms, 10);
    const Bytes shortFile{0x51, 0, 0x45, 0, 0x53};
    for (const Bytes& file : {foreign, newer, shortFile}) {
        TGameHarness game;
        game.Folder().Write("Default.qeg", file);
        game.Start();
        EXPECT_EQ(CounterOf(game, "LIVING"), 0);
        EXPECT_TRUE(game.Messages().empty());
        game.Close();
        EXPECT_EQ(ReadFile(game.SavedGameFile()), FreshGame());
    }
}

TEST(SavedGame, ACutFileFailsTheStartAndIsMovedAsideNeverOverwritten) {
    TGameHarness game;
    Bytes cut = GameFile(9, kHouseRooms, 10);
    cut.resize(cut.size() - 3);
    game.Folder().Write("Default.qeg", cut);
    game.Folder().Write("Default.qeg.bad", Bytes{1, 2, 3});  // an older damaged game
    EXPECT_THROW(game.Start(), VekException);
    EXPECT_FALSE(game.Running());

    const std::filesystem::path folder = game.Folder().Path();
    EXPECT_EQ(ReadFile(folder / "Default.qeg.bad"), cut);
    // The rooms held half the file: the world that failed to start wrote nothing.
    EXPECT_FALSE(std::filesystem::exists(folder / "Default.qeg"));

    game.Start();
    EXPECT_EQ(CounterOf(game, "LIVING"), 0);
    game.Close();
    EXPECT_EQ(ReadFile(folder / "Default.qeg"), FreshGame());
    EXPECT_EQ(ReadFile(folder / "Default.qeg.bad"), cut);
}

TEST(SavedGame, AFolderThatCannotBeWrittenShowsTheSaveProblemAndKeepsThePreviousGame) {
    TGameHarness game;
    game.Start();
    game.Click("PLAY");
    game.Click("COUNT");
    game.Restart();
    const Bytes saved = ReadFile(game.SavedGameFile());
    game.Click("PLAY");
    game.Click("COUNT");

    // A directory where the save's rename must land cannot be replaced by a file; the
    // previous game stays in it.
    const std::filesystem::path path = game.SavedGameFile();
    std::filesystem::rename(path, game.Folder().Path() / "kept.qeg");
    std::filesystem::create_directory(path);
    std::filesystem::rename(game.Folder().Path() / "kept.qeg", path / "kept.qeg");
    game.Close();

    ASSERT_EQ(game.Messages().size(), 1u);
    EXPECT_EQ(game.Messages()[0].Caption, u"Game Save Problem");
    EXPECT_EQ(game.Messages()[0].Text,
              u"Quorvel! was unable to save your game. Please consider re-installing the game.");
    EXPECT_EQ(ReadFile(path / "kept.qeg"), saved);
    // No temporary file is left behind.
    EXPECT_EQ(game.Folder().Files(), std::vector<std::string>{"Default.qeg"});
}

TEST(SavedGame, TheFileIsNamedByTheConfigurationsStem) {
    testing_support::TempGameFolder folder;
    const std::string base = (folder.Path() / "").string();
    EXPECT_EQ(SavedGamePath(u"Default"), base + "Default.qeg");
    EXPECT_EQ(SavedGamePath(u"  kid "), base + "Kid.qeg");
    EXPECT_EQ(SavedGamePath(u"Kid.2"), base + "Kid.2.qeg");
    EXPECT_EQ(SavedGamePath(u"../x"), "");
    // An existing game in another letter case is the child's game.
    folder.Write("kid.qeg", {1});
    EXPECT_EQ(SavedGamePath(u"Kid"), base + "kid.qeg");
    // Without a game folder there is no file, rather than one wherever the program runs.
    ClearPaths();
    EXPECT_EQ(SavedGamePath(u"Default"), "");
}

TEST(SavedGame, TwoChildrenKeepTwoGames) {
    THarnessOptions kid;
    kid.Player = u"Kid";
    TGameHarness game(kid);
    game.Start();
    game.Click("PLAY");
    game.Click("COUNT");
    game.Close();
    EXPECT_TRUE(std::filesystem::exists(game.Folder().Path() / "Kid.qeg"));
    EXPECT_FALSE(std::filesystem::exists(game.Folder().Path() / "Kid.2.qeg"));
}

TEST(SavedGame, TheHeaderReaderAcceptsOnlyOurMagicAndKnownVersions) {
    struct Case {
        Bytes File;
        bool Accepted;
        std::uint8_t Version;
    };
    const Case cases[] = {{Header(9), true, 9}, {Header(0), true, 0}, {Header(8), true, 8},
                          {Header(10), false, 9}, {Header(0x109), false, 9}, {Header(9, 0x52), false, 9},
                          {Bytes(8, 0), false, 9}, {Bytes{}, false, 9}};
    for (const Case& c : cases) {
        TMemoryStream s(c.File);
        const TSavedGameHeader header = ReadSavedGameHeader(s);
        EXPECT_EQ(header.Accepted, c.Accepted) << c.File.size();
        EXPECT_EQ(header.Version, c.Version);
    }
}

}  // namespace

// The puzzle room played through the headless game over the built content: the cover, the
// cubes, the frame, the lever and its tune, the shelves, leaving, the help pages, the camera,
// the present and the saved record.
#include "tests/rooms/puzzle/puzzle_game.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/bedroom/frame_drawing.h"
#include "rooms/puzzle/puzzle_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_room.h"
#include "rooms/questions/puzzle_number.h"
#include "shell/room.h"
#include "shell/songs.h"
#include "shell/timer_codes.h"
#include "shell/world.h"
#include "tests/support/record_framing.h"

namespace puzzle_tests {
namespace {

using PuzzleRoomPlay = PuzzleGame;

std::vector<std::uint8_t> RecordOf(TRoom& room) {
    TMemoryStream s;
    room.WriteData(s);
    return s.Bytes();
}

TEST_F(PuzzleRoomPlay, EachVisitStartsCoveredAndTheCoverLiftsOnAClick) {
    EnterPuzzles();
    EXPECT_TRUE(Room().Covered());
    EXPECT_EQ(Room().Machine(), 2);
    EXPECT_EQ(Room().LeftShelf(), 3);
    EXPECT_EQ(Room().RightShelf(), 4);
    EXPECT_EQ(CurrentPuzzleNumber(Game->World()), 1);
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 4; ++r) EXPECT_FALSE(Enabled(Block(c, r)));
    for (const char* box : {"FCLS", "TCLS", "LEVER"}) EXPECT_FALSE(Enabled(box)) << box;
    for (const char* box : {"LPUZ", "RPUZ", "DOWN"}) EXPECT_TRUE(Enabled(box)) << box;
    EXPECT_FALSE(RoomFlag(kRoomSnapEnabled));
    EXPECT_FALSE(RoomFlag(kRoomWrapEnabled));

    Game->Click("DOWN");
    EXPECT_FALSE(Room().Covered());
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 4; ++r) EXPECT_EQ(Enabled(Block(c, r)), c <= 2 && r <= 2) << Block(c, r);
    EXPECT_EQ(Room().FindHitBox("21")->Rect, (TRect{256, 19, 376, 139}));
    EXPECT_EQ(Room().FindHitBox("12")->Rect, (TRect{136, 168, 256, 288}));
    EXPECT_TRUE(Enabled("FCLS"));
    EXPECT_TRUE(Enabled("LEVER"));
    EXPECT_FALSE(Enabled("TCLS"));
    EXPECT_FALSE(Enabled("DOWN"));
    EXPECT_TRUE(RoomFlag(kRoomSnapEnabled));
    EXPECT_TRUE(RoomFlag(kRoomWrapEnabled));
    EXPECT_EQ(Shown(), "");
}

TEST_F(PuzzleRoomPlay, AClickTurnsACubeBackOneStateAndRedrawsIt) {
    Uncover();
    NewSounds();
    Current().SetState(2, 1, 0);
    Game->Click("21");
    EXPECT_EQ(Current().State(2, 1), 7);
    EXPECT_EQ(NewSounds(), std::vector<int>{Wave(61)});
    // Half-turned the cube reaches above its square; a whole face again and it does not.
    Game->Tick();
    const std::uint8_t above = Game->ViewPixel(316, 19 - 10);
    Game->Click("21");
    Game->Tick();
    EXPECT_EQ(Current().State(2, 1), 6);
    EXPECT_NE(Game->ViewPixel(316, 19 - 10), above);
    EXPECT_EQ(Game->ViewPixel(316, 19 - 10), kPuzzleAreaFill);
    EXPECT_EQ(Shown(), "");
}

// The pixel of the face picture that should show at a point of the closed frame.
std::uint8_t FacePixel(TAC8Library& library, int size, int state, TPoint at) {
    THotImage faces("puzzle" + std::to_string(size), false, &library);
    const TRect piece = BlockSource(size, state, 1, 1);
    return faces.Image().GetPixel(TPoint{piece.Left + at.X - 136, piece.Top + at.Y - 40});
}

TEST_F(PuzzleRoomPlay, HalfTurnedCubesShowTheirFacesWhereTheKeyColourWasAndFacesNeverUseTheKeys) {
    Uncover();
    TAC8Library& library = *Game->World().GetImageLibrary();
    for (int size = 2; size <= 4; ++size) {
        THotImage faces("puzzle" + std::to_string(size), false, &library);
        int keys = 0;
        for (std::int32_t y = 0; y < 480; ++y)
            for (std::int32_t x = 0; x < 480; ++x) {
                const std::uint8_t p = faces.Image().GetPixel(TPoint{x, y});
                if (p == kPuzzleFaceKey || p == kPuzzleTransparent) ++keys;
            }
        EXPECT_EQ(keys, 0) << "puzzle" << size;
    }
    for (const char* shelf : {"", "LPUZ", "RPUZ"}) {
        if (*shelf != 0) Game->Click(shelf);
        // Every other cube half-turned, in all odd states.
        for (int c = 1; c <= Current().Size(); ++c)
            for (int r = 1; r <= Current().Size(); ++r) Current().SetState(c, r, static_cast<std::uint8_t>((c + r) % 8));
        Room().Draw(&Game->View());
        int keys = 0;
        for (std::int32_t y = 0; y < 320; ++y)
            for (std::int32_t x = 122; x < 390; ++x)
                if (Game->ViewPixel(x, y) == kPuzzleFaceKey || Game->ViewPixel(x, y) == kPuzzleTransparent) ++keys;
        EXPECT_EQ(keys, 0) << "size " << Current().Size();
    }
    EXPECT_EQ(Shown(), "");
}

TEST_F(PuzzleRoomPlay, EachPuzzleScrambledTurnedToSolvedAndClosedShowsItsPictureWhole) {
    Uncover();
    TAC8Library& library = *Game->World().GetImageLibrary();
    for (const char* shelf : {"", "LPUZ", "RPUZ"}) {
        if (*shelf != 0) {
            Game->Click(shelf);
            Game->Tick(2);
        }
        const int size = Room().Machine();
        NewSounds();
        // The lever: the tune plays and the cubes turn a tick at a time; nothing else works.
        const TPuzzleStates before = Current().States();
        Game->Click("LEVER");
        EXPECT_TRUE(Room().Scrambling());
        EXPECT_EQ(Game->SongLog().back(), std::string(SongFileName(2)));
        EXPECT_EQ(FrameOf(Room(), "K2T"), 0);
        EXPECT_EQ(FrameOf(Room(), "K2B"), 1);
        EXPECT_FALSE(RoomFlag(kRoomWrapEnabled));
        for (const char* box : {"FCLS", "LEVER", "LPUZ", "RPUZ", "11"}) EXPECT_FALSE(Enabled(box)) << box;
        Game->Tick(30);
        EXPECT_NE(Current().States(), before) << "size " << size;
        ASSERT_TRUE(Game->EndSong());
        Game->Tick(2);
        EXPECT_FALSE(Room().Scrambling());
        EXPECT_EQ(Room().FindTimer(TTimerCode::Animate), nullptr);
        EXPECT_EQ(FrameOf(Room(), "K2T"), 1);
        EXPECT_TRUE(RoomFlag(kRoomWrapEnabled));
        EXPECT_TRUE(Enabled("11"));
        EXPECT_EQ(NewSounds().front(), Wave(59));

        // Every cube turned to the third picture, and the frame closed.
        TurnAllTo(4);
        ASSERT_TRUE(Current().IsSolved());
        NewSounds();
        Game->Click("FCLS");
        EXPECT_TRUE(Current().Closed());
        EXPECT_EQ(NewSounds(), (std::vector<int>{Wave(59), Wave(60)}));
        EXPECT_EQ(FrameOf(Room(), "K1T"), 2);
        EXPECT_EQ(FrameOf(Room(), "K1B"), 1);
        EXPECT_TRUE(Enabled("TCLS"));
        EXPECT_FALSE(Enabled("11"));
        EXPECT_EQ(Room().FindHitBox("11")->Rect, TRect{});
        // The frame still shows each cube's border until the solved picture is shown.
        Game->Tick(2);
        EXPECT_EQ(Game->ViewPixel(136, 40), 0) << "a cube's dark border";
        Game->Tick(20);
        EXPECT_TRUE(Current().SolvedShown());
        EXPECT_EQ(NewSounds(), std::vector<int>{Wave(62)});
        EXPECT_EQ(Game->ViewPixel(136, 40), FacePixel(library, size, 4, {136, 40})) << "the picture whole";
        Game->Click("TCLS");
        EXPECT_FALSE(Current().Closed());
        EXPECT_FALSE(Current().SolvedShown());
        EXPECT_EQ(CurrentPuzzleNumber(Game->World()), size - 1);
    }
    EXPECT_EQ(Shown(), "");
}

TEST_F(PuzzleRoomPlay, ClosedAgainSolvedItIsShownAgainAndAnUnsolvedPuzzleNever) {
    Uncover();
    TurnAllTo(0);
    Game->Click("FCLS");
    Game->Tick(22);
    ASSERT_TRUE(Current().SolvedShown());
    Game->Click("TCLS");
    NewSounds();
    Game->Click("FCLS");
    Game->Tick(20);
    EXPECT_FALSE(Current().SolvedShown());
    Game->Tick(2);
    EXPECT_TRUE(Current().SolvedShown());
    EXPECT_EQ(NewSounds(), (std::vector<int>{Wave(59), Wave(60), Wave(62)}));

    Game->Click("TCLS");
    Game->Click("11");
    Game->Click("11");
    NewSounds();
    Game->Click("FCLS");
    Game->Tick(30);
    EXPECT_FALSE(Current().SolvedShown());
    EXPECT_EQ(NewSounds(), (std::vector<int>{Wave(59), Wave(60)}));
    EXPECT_EQ(Shown(), "");
}

TEST_F(PuzzleRoomPlay, TheShelvesSwapTheirPuzzleOntoTheMachine) {
    EnterPuzzles();
    Game->Click("LPUZ");
    EXPECT_EQ(Room().Machine(), 3);
    EXPECT_EQ(Room().LeftShelf(), 2);
    EXPECT_FALSE(Room().Covered()) << "a shelf lifts the cover too";
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 4; ++r) EXPECT_EQ(Enabled(Block(c, r)), c <= 3 && r <= 3) << Block(c, r);
    Game->Click("RPUZ");
    EXPECT_EQ(Room().Machine(), 4);
    EXPECT_EQ(Room().RightShelf(), 3);
    EXPECT_EQ(CurrentPuzzleNumber(Game->World()), 3);
    EXPECT_TRUE(Enabled("44"));
    EXPECT_EQ(Room().FindHitBox("44")->Rect, (TRect{316, 243, 376, 303}));
    EXPECT_EQ(Game->Window().BusyCursor, false) << "the hourglass is over";
    EXPECT_EQ(Shown(), "");
}

TEST_F(PuzzleRoomPlay, LeavingLowersTheCoverFirstAndStopsTheTune) {
    Uncover();
    Game->Click("LEVER");
    ASSERT_TRUE(Room().Scrambling());
    Room().RunScript("TITLE", "EXIT");
    EXPECT_TRUE(Room().Covered());
    EXPECT_TRUE(Room().CoverLock());
    EXPECT_FALSE(Room().Scrambling());
    EXPECT_FALSE(Enabled("DOWN")) << "the cover stays down while it leaves";
    EXPECT_FALSE(Enabled("11"));
    EXPECT_EQ(Game->SongEndTime(), 0) << "the tune stopped";
    Game->Tick(20);
    EXPECT_EQ(Game->RoomName(), "PUZZLE");
    Game->Tick(1);
    EXPECT_EQ(Game->RoomName(), "TITLE");
    EXPECT_FALSE(Room().CoverLock());

    // Straight out through the world (a room button) while scrambling: the tune stops too.
    Game->World().GoRoom("PUZZLE");
    Game->Tick();
    Game->Click("DOWN");
    Game->Click("LEVER");
    Game->World().GoRoom("TITLE");
    Game->Tick();
    EXPECT_FALSE(Room().Scrambling());
    EXPECT_EQ(Game->SongEndTime(), 0);
    EXPECT_EQ(Shown(), "");
}

TEST_F(PuzzleRoomPlay, TheTutorButtonOpensTheHelpPages) {
    EnterPuzzles();
    Game->PressTutor();
    Game->Tick();
    EXPECT_EQ(Game->RoomName(), "PTEXT>");
    Game->Click("NEXT");
    Game->Tick();
    EXPECT_EQ(Game->RoomName(), "P2<");
    EXPECT_EQ(Shown(), "");
}

TEST_F(PuzzleRoomPlay, WrappingGivesThePuzzleAndLeavesAFreshOpenOneOfTheSameSize) {
    Uncover();
    Game->Click("RPUZ");
    TurnAllTo(2);
    Game->Click("FCLS");
    Game->PressAction(2);
    Game->Tick();
    ASSERT_EQ(Game->RoomName(), "WRAP");
    const TGift* gift = Game->RoomAs<TWrapRoom>("WRAP").Gift();
    ASSERT_NE(gift, nullptr);
    EXPECT_EQ(gift->Kind, kPuzzleGift);
    EXPECT_EQ(gift->Detail, 2) << "the 4 x 4 puzzle";
    EXPECT_FALSE(Current().Closed());
    EXPECT_EQ(Current().Size(), 4);
    EXPECT_FALSE(Current().IsSolved() && Current().State(1, 1) == 2 && Current().State(4, 4) == 2) << "scrambled";
    EXPECT_EQ(FrameOf(Room(), "K1T"), 1);
    EXPECT_EQ(Shown(), "");
}

class PuzzlesInTheAlbum : public PuzzleGame {};

TEST_F(PuzzlesInTheAlbum, ASnapOfThePuzzleIsAnAlbumPictureThatDrawsPrintsAndStays) {
    Uncover();
    Game->Click("LPUZ");
    TurnAllTo(6);
    Game->PressAction(1);
    Game->Tick(12);
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kPuzzleSnapshotKind);
    const auto snapped = AlbumEntryStream(1);
    ASSERT_EQ(snapped.size(), 19u);
    EXPECT_EQ(snapped[1], 3);
    EXPECT_EQ(snapped[2], 6);
    EXPECT_EQ(snapped[18], 1) << "solved";

    // The page shows the fourth picture of the 3 x 3 puzzle: its background colour.
    Game->World().GoRoom("ALBUM");
    Game->Tick(21);
    ASSERT_FALSE(Album().CoverShown());
    TAC8Library& library = *Game->World().GetImageLibrary();
    THotImage faces("puzzle3", false, &library);
    const std::uint8_t sky = faces.Image().GetPixel(TPoint{242, 242});
    const int count = Game->CountViewPixels(sky);
    EXPECT_GT(count, 1000);

    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    EXPECT_TRUE(Printers.Jobs[0].Ended);
    Game->Restart();
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(AlbumEntryStream(1), snapped);
    EXPECT_EQ(Shown(), "");
}

using PuzzleRecord = PuzzleGame;

TEST_F(PuzzleRecord, ThePuzzlesAndTheirPlacesSurviveARestartByteForByte) {
    Uncover();
    Game->Click("RPUZ");
    Game->Click("23");
    Game->Click("FCLS");
    Game->Click("LPUZ");
    Game->Click("11");
    const std::vector<std::uint8_t> record = RecordOf(Room());
    ASSERT_EQ(record.size(), 3u * 18u + 3u);
    EXPECT_EQ(testing_support::CheckRecordFraming([&](TStream& s) { Room().WriteData(s); },
                                                  [&](TStream& s) {
                                                      TPuzzleRoom fresh("PUZZLE");
                                                      fresh.ReadData(s);
                                                  },
                                                  [&](TStream& s) { s.Write(record.data(), record.size()); }),
              "");
    const TPuzzleStates two = Room().Puzzle(2).States();
    const TPuzzleStates four = Room().Puzzle(4).States();
    Game->Restart();
    EXPECT_EQ(RecordOf(Room()), record);
    EXPECT_EQ(Room().Machine(), 3);
    EXPECT_EQ(Room().LeftShelf(), 4);
    EXPECT_EQ(Room().RightShelf(), 2);
    EXPECT_EQ(Room().Puzzle(2).States(), two);
    EXPECT_EQ(Room().Puzzle(4).States(), four);
    EXPECT_TRUE(Room().Puzzle(4).Closed());
    Game->World().GoRoom("PUZZLE");
    Game->Tick();
    Game->Click("DOWN");
    Game->Click("LPUZ");
    Game->Tick(2);
    EXPECT_EQ(Room().Machine(), 4);
    EXPECT_TRUE(Enabled("TCLS")) << "the closed puzzle comes back closed";
    EXPECT_EQ(Shown(), "");
}

// A room is made before a world holds it: its puzzles are scrambled once the world takes
// it, from the game's own random numbers, sizes 2 to 4 in turn.
TEST_F(PuzzleRecord, ThePuzzlesAreScrambledFromTheGamesNumbersWhenTheWorldTakesTheRoom) {
    StartGame();
    auto fresh = std::make_unique<TPuzzleRoom>("PUZZLE2");
    for (int size = 2; size <= 4; ++size) EXPECT_EQ(fresh->Puzzle(size).States(), TPuzzleStates{}) << size;
    Game->Context().RandomNumbers().Seed(41);
    auto* taken = static_cast<TPuzzleRoom*>(Game->World().AddRoom(std::move(fresh)));
    platform::RandomNumbers same(41);
    for (int size = 2; size <= 4; ++size) {
        TPuzzle expected(size);
        expected.Reset(same);
        EXPECT_EQ(taken->Puzzle(size).States(), expected.States()) << size;
    }
}

TEST_F(PuzzleRecord, ADamagedRecordIsADamagedSavedGame) {
    StartGame();
    TPuzzleRoom& room = Room();
    std::vector<std::uint8_t> good = RecordOf(room);
    for (std::size_t i = 0; i < 16; ++i) good[i] = 0;
    const std::size_t sizes = 3 * 18;
    const std::vector<std::pair<std::size_t, std::uint8_t>> damage{
        {5, 8},              // a state beyond the eight
        {16, 2},             // a closed flag that is not a flag
        {sizes, 5},          // no puzzle of size 5
        {sizes + 1, 2},      // the same puzzle on two places
    };
    for (const auto& [at, value] : damage) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = value;
        TMemoryStream s(bytes);
        TPuzzleRoom fresh("PUZZLE");
        try {
            fresh.ReadData(s);
            ADD_FAILURE() << "byte " << at << " = " << int(value) << " was taken";
        } catch (const VekException& e) {
            EXPECT_STREQ(e.what(), "Saved game is damaged.");
        }
    }
    // A closed frame round a half-turned cube cannot be: closing settles every cube.
    std::vector<std::uint8_t> bytes = good;
    bytes[0] = 3;
    bytes[16] = 1;
    TMemoryStream s(bytes);
    TPuzzleRoom fresh("PUZZLE");
    EXPECT_THROW(fresh.ReadData(s), VekException);
}

}  // namespace
}  // namespace puzzle_tests

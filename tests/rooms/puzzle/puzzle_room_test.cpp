// The puzzle room played through the headless game over the built content: the cover, the
// cubes, the frame, the lever and its tune, the shelves, leaving, the help pages, the camera,
// the present, and a saved game that keeps no puzzles.
#include "tests/rooms/puzzle/puzzle_game.h"

#include <fstream>
#include <set>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/puzzle/puzzle_snapshot.h"
#include "rooms/questions/gift_table.h"
#include "rooms/wrap/gift.h"
#include "rooms/wrap/wrap_room.h"
#include "rooms/questions/puzzle_number.h"
#include "shell/room.h"
#include "shell/saved_game.h"
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

// The colours of one face's piece of a cube.
std::set<std::uint8_t> PieceColours(TAC8Library& library, int size, int state, int c, int r) {
    THotImage faces("puzzle" + std::to_string(size), false, &library);
    const TRect piece = BlockSource(size, state, c, r);
    std::set<std::uint8_t> colours;
    for (std::int32_t y = piece.Top; y < piece.Bottom; ++y)
        for (std::int32_t x = piece.Left; x < piece.Right; ++x) colours.insert(faces.Image().GetPixel({x, y}));
    return colours;
}

// The 3 x 3 and 4 x 4 cubes show their outer sides beside the first and last columns, and above
// each row a strip of the cube's top: the face after its own in row 1, the one before in others.
TEST_F(PuzzleRoomPlay, TheBiggerPuzzlesShowTheOuterSidesAndTopsOfTheirCubes) {
    Uncover();
    TAC8Library& library = *Game->World().GetImageLibrary();
    THotImage sides("puzsides", false, &library);
    struct TLook {
        int Size;
        std::int32_t Side, Strip, SideWidth;
        std::array<std::int32_t, 2> RowTop;  // rows 1 and 2
        TPoint Left, Right;                  // the pieces in "puzsides"
    };
    const std::array<TLook, 2> looks{{{3, 80, 8, 6, {20, 120}, {0, 0}, {6, 0}}, {4, 60, 6, 5, {16, 91}, {12, 0}, {17, 0}}}};
    for (const TLook& look : looks) {
        SCOPED_TRACE(look.Size);
        Game->Click(look.Size == 3 ? "LPUZ" : "RPUZ");
        ASSERT_EQ(Current().Size(), look.Size);
        for (int c = 1; c <= look.Size; ++c)
            for (int r = 1; r <= look.Size; ++r) Current().SetState(c, r, 0);
        Room().Draw(&Game->View());
        const std::int32_t y = look.RowTop[1] + look.Side / 2;
        const std::int32_t within = look.Strip + look.Side / 2;
        const std::uint8_t left = sides.Image().GetPixel({look.Left.X + look.SideWidth / 2, look.Left.Y + within});
        const std::uint8_t right = sides.Image().GetPixel({look.Right.X + look.SideWidth / 2, look.Right.Y + within});
        EXPECT_NE(left, kPuzzleTransparent);
        EXPECT_EQ(Game->ViewPixel(136 - look.SideWidth + look.SideWidth / 2, y), left) << "the first column's side";
        EXPECT_EQ(Game->ViewPixel(376 + look.SideWidth / 2, y), right) << "the last column's side";

        // Whose colours show in the strip above the cube in column 2 of a row.
        const auto strip = [&](int r, int face, int other) {
            const std::set<std::uint8_t> mine = PieceColours(library, look.Size, face, 2, r);
            const std::set<std::uint8_t> theirs = PieceColours(library, look.Size, other, 2, r);
            int seen = 0, wrong = 0;
            const std::int32_t top = look.RowTop[static_cast<std::size_t>(r - 1)] - look.Strip;
            for (std::int32_t sy = top + 1; sy < top + look.Strip - 1; ++sy)
                for (std::int32_t sx = 136 + look.Side + 4; sx < 136 + 2 * look.Side - 4; ++sx) {
                    const std::uint8_t p = Game->ViewPixel(sx, sy);
                    seen += mine.count(p) != 0 && theirs.count(p) == 0;
                    wrong += theirs.count(p) != 0 && mine.count(p) == 0;
                }
            return seen > wrong;
        };
        EXPECT_TRUE(strip(1, 2, 6)) << "row 1 shows the next face";
        EXPECT_TRUE(strip(2, 6, 2)) << "row 2 shows the face before";
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
        EXPECT_EQ(Room().FrameOf("K2T"), 0);
        EXPECT_EQ(Room().FrameOf("K2B"), 1);
        EXPECT_FALSE(RoomFlag(kRoomWrapEnabled));
        for (const char* box : {"FCLS", "LEVER", "LPUZ", "RPUZ", "11"}) EXPECT_FALSE(Enabled(box)) << box;
        Game->Tick(30);
        EXPECT_NE(Current().States(), before) << "size " << size;
        ASSERT_TRUE(Game->EndSong());
        Game->Tick(2);
        EXPECT_FALSE(Room().Scrambling());
        EXPECT_EQ(Room().FindTimer(TTimerCode::Animate), nullptr);
        EXPECT_EQ(Room().FrameOf("K2T"), 1);
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
        EXPECT_EQ(Room().FrameOf("K1T"), 2);
        EXPECT_EQ(Room().FrameOf("K1B"), 1);
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
    EXPECT_EQ(Room().FrameOf("K1T"), 1);
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

TEST_F(PuzzleRecord, ThePuzzlesAreNotInTheSavedGameAndStartScrambledAnew) {
    Uncover();
    Game->Click("RPUZ");
    Game->Click("11");
    Game->Click("FCLS");
    EXPECT_TRUE(RecordOf(Room()).empty());
    const TPuzzleStates turned = Room().Puzzle(4).States();
    Game->Close();

    // The file is the header and every other room's record, in room order.
    const std::vector<std::uint8_t> saved = ReadWholeFile(Game->SavedGameFile());
    Game->Start();
    TMemoryStream expected;
    WriteSavedGameHeader(expected, 1);
    for (auto* room : NodesOf<TRoom>(Game->World().Rooms())) room->WriteData(expected);
    EXPECT_EQ(saved, expected.Bytes());

    EXPECT_EQ(Room().Machine(), 2) << "the shelves as at a first start";
    EXPECT_EQ(Room().RightShelf(), 4);
    EXPECT_FALSE(Room().Puzzle(4).Closed());
    EXPECT_NE(Room().Puzzle(4).States(), turned) << "scrambled again";
    EXPECT_EQ(Shown(), "");
}

// A saved game written while the puzzles still had a record holds 57 bytes more before the
// doll theatre's: it is never overwritten, and the game says so.
TEST_F(PuzzleRecord, ASavedGameWithAPuzzleRecordIsKeptWithTheGamesMessage) {
    StartGame();
    Game->Close();
    std::vector<std::uint8_t> bytes = ReadWholeFile(Game->SavedGameFile());
    std::size_t at = std::size_t(kSavedGameHeaderSize);
    Game->Start();
    for (auto* room : NodesOf<TRoom>(Game->World().Rooms())) {
        if (room->GetID() == "PUZZLE") break;
        at += RecordOf(*room).size();
    }
    Game->Close();
    std::vector<std::uint8_t> old;
    for (int size = 2; size <= 4; ++size) {
        for (int i = 0; i < 16; ++i) old.push_back(std::uint8_t((i + size) % 8));
        old.push_back(0);  // closed
        old.push_back(0);  // solved shown
    }
    for (std::uint8_t place : {3, 4, 2}) old.push_back(place);
    ASSERT_EQ(old.size(), 57u);
    bytes.insert(bytes.begin() + std::ptrdiff_t(at), old.begin(), old.end());
    const std::filesystem::path file = Game->SavedGameFile();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

    // The kitchen, the last room with a record, takes the first puzzle bytes for its hoppers
    // and the rest is left over: the file belongs to a game this one cannot load whole.
    Game->Start();
    EXPECT_EQ(Game->World().KeepReason(), TKeepSavedGame::RoomsMissing);
    Game->Boxes().ClearShown();
    Game->Close();
    EXPECT_EQ(ReadWholeFile(file), bytes) << "never written over";
    ASSERT_EQ(Game->Messages().size(), 1u);
    EXPECT_EQ(Game->Messages()[0].Caption, u"Game Save Problem");
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

}  // namespace
}  // namespace puzzle_tests

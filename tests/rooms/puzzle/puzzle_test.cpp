// One puzzle's rules on its own (turning, solving, closing) and its snapshot's stream.
#include <gtest/gtest.h>

#include <set>

#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "platform/random.h"
#include "rooms/puzzle/puzzle.h"
#include "rooms/puzzle/puzzle_snapshot.h"
#include "tests/support/record_framing.h"

namespace {

void SetAll(TPuzzle& puzzle, std::uint8_t state) {
    for (int c = 1; c <= puzzle.Size(); ++c)
        for (int r = 1; r <= puzzle.Size(); ++r) puzzle.SetState(c, r, state);
}

TEST(Puzzle, ATurnStepsOneStateRoundTheCubeEitherWay) {
    platform::RandomNumbers random;
    TPuzzle puzzle(3);
    puzzle.Reset(random);
    puzzle.SetState(2, 3, 0);
    puzzle.TurnBlock(2, 3, true);
    EXPECT_EQ(puzzle.State(2, 3), 7) << "backwards from 0 is 7";
    puzzle.TurnBlock(2, 3, false);
    puzzle.TurnBlock(2, 3, false);
    EXPECT_EQ(puzzle.State(2, 3), 1);
    puzzle.SetState(1, 1, 7);
    puzzle.TurnBlock(1, 1, false);
    EXPECT_EQ(puzzle.State(1, 1), 0) << "forwards from 7 is 0";
    const TPuzzleStates before = puzzle.States();
    puzzle.TurnBlock(4, 1, true);
    EXPECT_EQ(puzzle.States(), before) << "no fourth column in a 3 x 3 puzzle";
}

TEST(Puzzle, ResetScramblesOnlyTheCubesOfItsSizeAndOpensTheFrame) {
    platform::RandomNumbers random(11);
    TPuzzle puzzle(2);
    puzzle.Reset(random);
    puzzle.SetClosed(true, random);
    std::set<int> seen;
    for (int i = 0; i < 20; ++i) {
        puzzle.Reset(random);
        for (int c = 1; c <= 2; ++c)
            for (int r = 1; r <= 2; ++r) seen.insert(puzzle.State(c, r));
        EXPECT_EQ(puzzle.State(3, 1), 0);
        EXPECT_EQ(puzzle.State(1, 4), 0);
    }
    EXPECT_EQ(seen.size(), 8u) << "every state occurs";
    EXPECT_FALSE(puzzle.Closed());
}

TEST(Puzzle, SolvedIsEveryCubeOnTheSameWholeFace) {
    platform::RandomNumbers random;
    TPuzzle puzzle(4);
    puzzle.Reset(random);
    SetAll(puzzle, 6);
    EXPECT_TRUE(puzzle.IsSolved());
    SetAll(puzzle, 3);
    EXPECT_FALSE(puzzle.IsSolved()) << "all half-turned alike is not solved";
    SetAll(puzzle, 2);
    puzzle.SetState(4, 4, 4);
    puzzle.SetSolvedShown(true);
    EXPECT_FALSE(puzzle.IsSolved());
    EXPECT_FALSE(puzzle.SolvedShown()) << "not solved forgets the celebration";
}

TEST(Puzzle, ClosingSettlesEachHalfTurnedCubeOnOneOfItsTwoFacesAndOpeningForgetsTheShow) {
    std::set<int> settled;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        platform::RandomNumbers random(seed);
        TPuzzle puzzle(2);
        puzzle.Reset(random);
        SetAll(puzzle, 4);
        puzzle.SetState(1, 2, 7);
        puzzle.SetClosed(true, random);
        EXPECT_TRUE(puzzle.Closed());
        const int s = puzzle.State(1, 2);
        EXPECT_TRUE(s == 6 || s == 0) << s;
        settled.insert(s);
        EXPECT_EQ(puzzle.State(2, 2), 4) << "whole faces stay";
        puzzle.SetSolvedShown(true);
        puzzle.SetClosed(false, random);
        EXPECT_FALSE(puzzle.SolvedShown());
    }
    EXPECT_EQ(settled.size(), 2u) << "both neighbours occur";

    // A new puzzle whose cubes all show one face counts as solved once closed.
    platform::RandomNumbers random;
    TPuzzle puzzle(2);
    puzzle.Reset(random);
    SetAll(puzzle, 2);
    puzzle.SetClosed(true, random);
    EXPECT_TRUE(puzzle.IsSolved());
}

TEST(Puzzle, CubePiecesComeFromTheirFacesQuarterAndHalfTurnsHaveNone) {
    platform::RandomNumbers random;
    EXPECT_EQ(BlockSource(2, 0, 2, 1), (TRect{120, 0, 240, 120}));
    EXPECT_EQ(BlockSource(3, 2, 1, 3), (TRect{240, 160, 320, 240}));
    EXPECT_EQ(BlockSource(4, 4, 4, 1), (TRect{180, 240, 240, 300}));
    EXPECT_EQ(BlockSource(4, 6, 2, 2), (TRect{300, 300, 360, 360}));
    try {
        BlockSource(3, 5, 1, 1);
        ADD_FAILURE() << "a half-turned cube has no piece";
    } catch (const VekException& e) {
        EXPECT_STREQ(e.what(), "rcBlockSource: Invalid picture state");
    }
    EXPECT_EQ(SnapshotBlockSource(2, 5, 1, 1), (TRect{240, 240, 360, 360})) << "the album takes the fourth picture";
    TPuzzle puzzle(3);
    puzzle.Reset(random);
    EXPECT_EQ(puzzle.BlockRect(3, 2), (TRect{296, 120, 376, 200}));
}

std::vector<std::uint8_t> StreamOf(const TPuzzleInfo& info) {
    TMemoryStream s;
    info.Write(s);
    return s.Bytes();
}

TEST(PuzzleInfo, TakesWholeFacesAndTheSolvedFlagAsItWasBeforeSettling) {
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        platform::RandomNumbers random(seed);
        TPuzzle puzzle(3);
        puzzle.Reset(random);
        SetAll(puzzle, 0);
        puzzle.SetState(2, 2, 1);
        puzzle.SetState(3, 1, 7);
        const TPuzzleInfo info(puzzle, random);
        EXPECT_FALSE(info.Solved) << "half-turned cubes: not solved, however they settle";
        EXPECT_EQ(info.Size, 3);
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 3; ++r) EXPECT_EQ(info.States[std::size_t(c)][std::size_t(r)] % 2, 0);
        EXPECT_EQ(puzzle.State(2, 2), 1) << "the puzzle itself keeps its half-turn";
    }
    platform::RandomNumbers random;
    TPuzzle solved(2);
    solved.Reset(random);
    SetAll(solved, 6);
    EXPECT_TRUE(TPuzzleInfo(solved, random).Solved);
}

TEST(PuzzleInfo, StreamIsNineteenBytesReadBackExactly) {
    TPuzzleInfo info;
    info.Size = 4;
    info.States[0][0] = 2;
    info.States[3][3] = 6;
    info.States[1][0] = 4;
    info.Solved = true;
    const auto bytes = StreamOf(info);
    ASSERT_EQ(bytes.size(), 19u);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 4);
    EXPECT_EQ(bytes[2], 2);
    EXPECT_EQ(bytes[6], 4) << "column by column, four a column";
    EXPECT_EQ(bytes[17], 6);
    EXPECT_EQ(bytes[18], 1);
    std::unique_ptr<TPuzzleInfo> read;
    EXPECT_EQ(testing_support::CheckRecordFraming([&](TStream& s) { info.Write(s); },
                                                  [&](TStream& s) { read = TPuzzleInfo::Read(s); },
                                                  [&](TStream& s) { read->Write(s); }),
              "");
}

TEST(PuzzleInfo, AWrongMarkerSizeStateOrSolvedByteIsADamagedSavedGame) {
    std::vector<std::uint8_t> good(19, 0);
    good[1] = 3;
    TMemoryStream fine(good);
    EXPECT_NO_THROW(TPuzzleInfo::Read(fine));
    const std::vector<std::pair<std::size_t, std::uint8_t>> damage{{0, 1}, {1, 1}, {1, 5}, {9, 8}, {18, 2}};
    for (const auto& [at, value] : damage) {
        std::vector<std::uint8_t> bytes = good;
        bytes[at] = value;
        TMemoryStream s(bytes);
        try {
            TPuzzleInfo::Read(s);
            ADD_FAILURE() << "byte " << at << " = " << int(value) << " was taken";
        } catch (const VekException& e) {
            EXPECT_STREQ(e.what(), "Saved game is damaged.");
        }
    }
}

}  // namespace

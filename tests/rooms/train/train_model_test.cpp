// The train table's track and motion without pictures: pieces joined tile to tile, the paths
// through them, switches, springs, ends of track, cars, collisions and the running sound.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/random.h"
#include "rooms/train/train_layout.h"

namespace {

void Lay(TTrainLayout& layout, std::int32_t x, std::int32_t y, std::uint8_t column, std::uint8_t row,
         std::uint8_t setting = 0, bool spring = false) {
    TTrainCell& cell = layout.Cell(x, y);
    cell.Column = column;
    cell.Row = row;
    cell.Setting = setting;
    cell.Terrain = 1;
    cell.Spring = spring;
}

// Sets engine n on the tile with the shape at a step, running at a speed.
void SetOn(TTrainLayout& layout, int n, std::int32_t x, std::int32_t y, std::uint8_t shape, std::uint8_t step,
           std::int8_t speed) {
    TTrainEngine& e = layout.Record(n);
    e.State = kOnLayout;
    e.TileX = x;
    e.TileY = y;
    e.Shape = shape;
    e.Step = step;
    e.FirstStep = 1;
    e.LastStep = Shape(shape).Count;
    layout.SetSpeed(n, speed);
}

// The side a shape starts from and the side it ends at.
int StartSide(std::uint8_t shape) { return ExitSide(shape, false); }

class RecordingEvents : public TTrainLayoutEvents {
public:
    void Crashed(int engine) override { Crashes.push_back(engine); }
    std::vector<int> Crashes;
};

// Every piece: a train entering through each side with track leaves through the side the
// connector names, on a shape that starts and ends on those sides; the way back is the reverse.
TEST(TrainTrack, EveryPieceLeadsEachEntryToItsConnectorsSide) {
    for (std::uint8_t column = 0; column < kPieceColumns; ++column)
        for (std::uint8_t row = 0; row < kPieceRows; ++row)
            for (std::uint8_t setting = 0; setting <= (IsSwitchPiece(column, row) ? 1 : 0); ++setting) {
                const TConnectors c = PieceConnectors(column, row, setting);
                for (int side = 0; side < 4; ++side) {
                    const std::uint8_t v = c[static_cast<std::size_t>(side)];
                    if (v == kNoTrack) continue;
                    // Entering a piece in the middle of the table from its neighbour on that side.
                    TTrainLayout layout;
                    Lay(layout, 2, 1, column, row, setting);
                    const TPoint from[] = {{2, 0}, {3, 1}, {2, 2}, {1, 1}};
                    const TPoint n = from[side];
                    Lay(layout, n.X, n.Y, 2, 4);  // a crossing joins every side
                    // The crossing's straight shape that leaves towards the piece.
                    const std::uint8_t straight[] = {0, 1, 2, 3};  // leaving top, right, bottom, left
                    const auto next = layout.NextTile(straight[OppositeSide(side)], true, n.X, n.Y);
                    ASSERT_TRUE(next.has_value()) << int(column) << "," << int(row) << " side " << side;
                    EXPECT_EQ(next->X, 2);
                    EXPECT_EQ(next->Y, 1);
                    EXPECT_EQ(StartSide(next->Shape), side) << int(column) << "," << int(row) << " side " << side;
                    if (v == kBufferStop) {
                        EXPECT_EQ(next->LastStep, (Shape(next->Shape).Count + 1) / 2 - 2);
                    } else {
                        EXPECT_EQ(ExitSide(next->Shape, true), v) << int(column) << "," << int(row) << " side " << side;
                        EXPECT_EQ(next->LastStep, Shape(next->Shape).Count);
                    }
                    // Backwards into the same side: the same track run the other way.
                    const auto back = layout.NextTile(ReverseShape(straight[OppositeSide(side)]), false, n.X, n.Y);
                    ASSERT_TRUE(back.has_value());
                    EXPECT_EQ(back->Shape, ReverseShape(next->Shape));
                    if (v == kBufferStop)
                        EXPECT_EQ(back->FirstStep, (Shape(back->Shape).Count + 1) / 2 + 2);
                    else
                        EXPECT_EQ(ExitSide(back->Shape, false), v);
                }
            }
}

TEST(TrainTrack, ShapesAreContinuousAndTheirSidesMatchTheTables) {
    for (std::uint8_t s = 0; s < kShapeCount; ++s) {
        const TPathShape& shape = Shape(s);
        ASSERT_TRUE(shape.Count == 11 || shape.Count == 12);
        for (std::uint8_t i = 2; i <= shape.Count; ++i) {
            const TPathStep& a = ShapeStep(s, static_cast<std::uint8_t>(i - 1));
            const TPathStep& b = ShapeStep(s, i);
            EXPECT_LE(std::abs(a.X - b.X) + std::abs(a.Y - b.Y), 12) << "shape " << int(s) << " step " << int(i);
        }
        EXPECT_EQ(ReverseShape(ReverseShape(s)), s);
        EXPECT_EQ(ExitSide(ReverseShape(s), true), ExitSide(s, false));
    }
}

TEST(TrainTrack, TrackEndsAtTheTablesEdgeAndAtTilesWithoutAMatchingConnector) {
    TTrainLayout layout;
    Lay(layout, 0, 0, 2, 1);  // straight across, at the left edge
    Lay(layout, 1, 0, 2, 0);  // straight up and down: no track on its left
    EXPECT_FALSE(layout.NextTile(3, true, 0, 0).has_value()) << "off the table";
    EXPECT_FALSE(layout.NextTile(1, true, 0, 0).has_value()) << "the neighbour has no track on that side";
    Lay(layout, 1, 0, 2, 1);
    const auto next = layout.NextTile(1, true, 0, 0);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(*next, (TNextTile{1, 0, 1, 1, 12}));
    // Backwards into a buffer stop the range is cut from below.
    Lay(layout, 1, 0, 1, 1);  // buffer stop open to the left
    const auto buffer = layout.NextTile(3, false, 0, 0);
    ASSERT_TRUE(buffer.has_value());
    EXPECT_EQ(buffer->Shape, 3);
    EXPECT_EQ(buffer->FirstStep, 8);
}

TEST(TrainTrack, PlacingShapeFollowsTheHalfOfTheTileForStraightTrack) {
    TTrainLayout layout;
    Lay(layout, 1, 1, 2, 1);
    EXPECT_EQ(layout.PlacingShape(1, 1, true, false), 1);
    EXPECT_EQ(layout.PlacingShape(1, 1, false, false), 3);
    Lay(layout, 1, 1, 2, 0);
    EXPECT_EQ(layout.PlacingShape(1, 1, false, true), 2);
    EXPECT_EQ(layout.PlacingShape(1, 1, false, false), 0);
    Lay(layout, 1, 1, 0, 2);  // curve right-bottom
    EXPECT_EQ(layout.PlacingShape(1, 1, false, false), 11);
    Lay(layout, 1, 1, 1, 2);  // curve top-left
    EXPECT_EQ(layout.PlacingShape(1, 1, false, false), 6);
    Lay(layout, 1, 1, 0, 0);  // a buffer stop has one side only
    EXPECT_FALSE(layout.PlacingShape(1, 1, false, false).has_value());
    EXPECT_FALSE(layout.PlacingShape(1, 2, false, false).has_value()) << "plain ground";
    // Every shape an engine is set on starts and ends on sides the piece has track on.
    for (std::uint8_t column = 0; column < kPieceColumns; ++column)
        for (std::uint8_t row = 0; row < kPieceRows; ++row) {
            Lay(layout, 1, 1, column, row);
            const auto shape = layout.PlacingShape(1, 1, false, false);
            if (!shape) continue;
            const TConnectors c = layout.Connectors(1, 1);
            EXPECT_LE(c[static_cast<std::size_t>(StartSide(*shape))], 3) << int(column) << "," << int(row);
            EXPECT_EQ(c[static_cast<std::size_t>(StartSide(*shape))], ExitSide(*shape, true))
                << int(column) << "," << int(row);
        }
}

// A loop of track around the table's edge.
void LayLoop(TTrainLayout& layout) {
    Lay(layout, 0, 0, 0, 2);
    for (int x = 1; x <= 3; ++x) Lay(layout, x, 0, 2, 1);
    Lay(layout, 4, 0, 1, 3);
    for (int y = 1; y <= 2; ++y) {
        Lay(layout, 0, y, 2, 0);
        Lay(layout, 4, y, 2, 0);
    }
    Lay(layout, 0, 3, 0, 3);
    for (int x = 1; x <= 3; ++x) Lay(layout, x, 3, 2, 1);
    Lay(layout, 4, 3, 1, 2);
}

TEST(TrainMotion, AnEngineGoesRoundALoopAndComesBackToWhereItStarted) {
    TTrainLayout layout;
    LayLoop(layout);
    SetOn(layout, 1, 1, 0, 1, 5, 1);
    std::set<std::pair<int, int>> visited;
    for (int i = 0; i < 14 * 12; ++i) {
        ASSERT_TRUE(layout.MoveEngine(1, 1)) << "step " << i;
        visited.insert({layout.Record(1).TileX, layout.Record(1).TileY});
    }
    EXPECT_EQ(visited.size(), 14u);
    EXPECT_EQ(layout.Record(1).Speed, 1);
    // Backwards it runs the loop the other way, tail first.
    layout.SetSpeed(1, -2);
    for (int i = 0; i < 30; ++i) ASSERT_TRUE(layout.MoveEngine(1, 1));
    EXPECT_EQ(layout.Record(1).TileX, 0) << "round the corner and down the left side";
    EXPECT_GT(layout.Record(1).TileY, 0);
}

TEST(TrainMotion, AnEngineBouncesBeforeABufferStopAndAtTheEndOfTrack) {
    TTrainLayout layout;
    Lay(layout, 0, 0, 2, 1);
    Lay(layout, 1, 0, 2, 1);
    Lay(layout, 2, 0, 1, 1);  // buffer stop open to the left
    SetOn(layout, 1, 0, 0, 1, 5, 2);
    int refused = 0;
    int farthest = 0;
    for (int i = 0; i < 60; ++i) {
        if (!layout.MoveEngine(1, 1)) ++refused;
        if (layout.Record(1).TileX == 2) farthest = std::max<int>(farthest, layout.Record(1).Step);
        // The sprite never leaves the table on the left.
        EXPECT_GE(layout.EnginePosition(1).X, TileOrigin(0, 0).X);
    }
    EXPECT_EQ(farthest, (12 + 1) / 2 - 2) << "stops short of the buffer";
    EXPECT_GE(refused, 2) << "back from the buffer and back from the table's edge";
    EXPECT_EQ(std::abs(layout.Record(1).Speed), 2) << "turned round at the same speed";
}

TEST(TrainMotion, SwitchesLeadEitherWayAndASpringSwitchFlipsOnceTheTrainHasLeft) {
    // A switch at (1, 0): from the left straight on in position 0, down in position 1.
    TTrainLayout layout;
    Lay(layout, 0, 0, 2, 1);
    Lay(layout, 1, 0, 1, 4, 0, true);
    Lay(layout, 2, 0, 2, 1);
    Lay(layout, 1, 1, 2, 0);
    auto next = layout.NextTile(1, true, 0, 0);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(ExitSide(next->Shape, true), kSideRight);
    layout.Cell(1, 0).Setting = 1;
    next = layout.NextTile(1, true, 0, 0);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(ExitSide(next->Shape, true), kSideBottom);

    // Running through it: leaving the spring switch marks it to flip.
    layout.Cell(1, 0).Setting = 0;
    SetOn(layout, 1, 0, 0, 1, 5, 2);
    for (int i = 0; i < 40 && layout.Record(1).TileX != 2; ++i) ASSERT_TRUE(layout.MoveEngine(1, 1));
    ASSERT_EQ(layout.Record(1).TileX, 2);
    EXPECT_TRUE(layout.Cell(1, 0).FlipPending);
    EXPECT_EQ(layout.Cell(1, 0).Setting, 0) << "the room completes the flip when the tile is free";
    // Without the spring nothing is marked.
    layout.Cell(1, 0).FlipPending = false;
    layout.Cell(1, 0).Spring = false;
    layout.Cell(1, 0).Setting = 1;  // thrown: from the right straight on to the left
    layout.SetSpeed(1, -2);
    for (int i = 0; i < 40 && layout.Record(1).TileX != 0; ++i) ASSERT_TRUE(layout.MoveEngine(1, 1));
    ASSERT_EQ(layout.Record(1).TileX, 0);
    EXPECT_FALSE(layout.Cell(1, 0).FlipPending);
}

TEST(TrainMotion, APendingFlipWaitsUntilNoTrainCoversTheSwitch) {
    TTrainLayout layout;
    Lay(layout, 0, 0, 2, 1);
    Lay(layout, 1, 0, 1, 4, 0, true);
    Lay(layout, 2, 0, 2, 1);
    layout.Cell(1, 0).FlipPending = true;
    SetOn(layout, 1, 1, 0, 1, 5, 0);
    EXPECT_FALSE(layout.CompleteFlip(1, 0)) << "the engine still stands on it";
    EXPECT_EQ(layout.Cell(1, 0).Setting, 0);
    layout.SendTrain(1, kOnShelf, true);
    EXPECT_TRUE(layout.CompleteFlip(1, 0));
    EXPECT_EQ(layout.Cell(1, 0).Setting, 1);
    EXPECT_FALSE(layout.Cell(1, 0).FlipPending);
    EXPECT_FALSE(layout.CompleteFlip(1, 0)) << "a flip happens once";
    EXPECT_EQ(layout.Cell(1, 0).Setting, 1);
    // Only a switch flips: plain track keeps its setting whatever its flag says.
    layout.Cell(0, 0).FlipPending = true;
    EXPECT_FALSE(layout.CompleteFlip(0, 0));
    EXPECT_EQ(layout.Cell(0, 0).Setting, 0);
}

TEST(TrainTrack, TheLeverIsTheTilesInnerSquareFrom17To57) {
    EXPECT_TRUE(OnLever(TPoint{17, 17}));
    EXPECT_TRUE(OnLever(TPoint{57, 57}));
    EXPECT_FALSE(OnLever(TPoint{16, 30}));
    EXPECT_FALSE(OnLever(TPoint{30, 58}));
    EXPECT_FALSE(OnLever(TPoint{58, 17}));
}

TEST(TrainMotion, ATrainSentAwayTakesItsCarAlong) {
    TTrainLayout layout;
    Lay(layout, 0, 0, 2, 1);
    Lay(layout, 1, 0, 2, 1);
    SetOn(layout, 2, 1, 0, 1, 5, 0);
    layout.Record(2).CarAttached = true;
    layout.Record(4) = layout.Record(2);
    layout.Record(4).IsCar = true;
    layout.Record(4).CarAttached = false;
    layout.SetSpeed(2, 1);
    layout.Record(2).NewlyCrashed = true;
    // To the workshop: both records go, and the train stays where it crashed.
    layout.SendTrain(2, kInWorkshop, false);
    for (int n : {2, 4}) {
        EXPECT_EQ(layout.Record(n).State, kInWorkshop) << n;
        EXPECT_FALSE(layout.Record(n).NewlyCrashed) << n;
        EXPECT_EQ(layout.Record(n).TileX, 1) << n;
        EXPECT_EQ(layout.Record(n).Speed, 1) << n;
    }
    EXPECT_TRUE(layout.Record(2).CarAttached);
    // Back to the shelf off the table: still, uncoupled, on no tile.
    layout.SendTrain(2, kOnShelf, true);
    for (int n : {2, 4}) {
        EXPECT_EQ(layout.Record(n).State, kOnShelf) << n;
        EXPECT_EQ(layout.Record(n).Speed, 0) << n;
        EXPECT_EQ(layout.Record(n).TileX, -1) << n;
        EXPECT_EQ(layout.Record(n).TileY, -1) << n;
    }
    EXPECT_FALSE(layout.Record(2).CarAttached);
    EXPECT_TRUE(layout.Record(4).IsCar);
    EXPECT_EQ(layout.Record(1).State, kOnShelf) << "the other train is not touched";
}

TEST(TrainMotion, ACarFollowsItsEngineBothWaysAndCoversTheTilesBehind) {
    TTrainLayout layout;
    LayLoop(layout);
    SetOn(layout, 1, 2, 0, 1, 5, 1);
    TTrainEngine& car = layout.Record(3);
    layout.Record(1).CarAttached = true;
    car = layout.Record(1);
    car.CarAttached = false;
    car.IsCar = true;
    car.Speed = -1;
    ASSERT_TRUE(layout.MoveEngine(3, 6));
    car.Speed = 1;
    EXPECT_EQ(car.TileX, 1) << "six steps behind reaches the tile before";
    EXPECT_EQ(layout.EnginesOnTile(1, 0), 1);
    for (int i = 0; i < 30; ++i) layout.StepTrain(1);
    EXPECT_EQ(layout.Record(1).Speed, 1);
    EXPECT_EQ(layout.Record(3).Speed, 1);
    // The car stays close behind: never more than one tile away.
    const auto gap = [&] {
        return std::abs(layout.Record(1).TileX - car.TileX) + std::abs(layout.Record(1).TileY - car.TileY);
    };
    EXPECT_LE(gap(), 1);
    layout.SetSpeed(1, -1);
    for (int i = 0; i < 30; ++i) {
        layout.StepTrain(1);
        EXPECT_LE(gap(), 1) << "pushed backwards, step " << i;
    }
}

TEST(TrainMotion, ACarWithoutRoomBehindItsEngineTurnsTheEngineForward) {
    TTrainLayout layout;
    Lay(layout, 0, 0, 2, 1);
    Lay(layout, 1, 0, 2, 1);
    SetOn(layout, 1, 0, 0, 1, 5, 0);
    TTrainEngine& car = layout.Record(3);
    car = layout.Record(1);
    car.IsCar = true;
    car.Speed = -1;
    EXPECT_FALSE(layout.MoveEngine(3, 6));
    EXPECT_EQ(layout.Record(1).Speed, 1) << "the reversed speed of the car";
}

TEST(TrainCollisions, HeadOnTheSlowerEngineCrashesAndTheOtherBacksOffSlowly) {
    platform::RandomNumbers random;
    TTrainLayout layout;
    RecordingEvents events;
    layout.SetEvents(&events);
    for (int x = 0; x < 5; ++x) Lay(layout, x, 1, 2, 1);
    SetOn(layout, 1, 0, 1, 1, 5, 1);
    SetOn(layout, 2, 4, 1, 3, 5, 2);
    for (int i = 0; i < 60 && events.Crashes.empty(); ++i) {
        layout.MoveEngine(1, 1);
        layout.CheckCollision(random);
        layout.MoveEngine(2, 1);
        layout.CheckCollision(random);
    }
    ASSERT_EQ(events.Crashes, std::vector<int>{1});
    EXPECT_EQ(layout.Record(1).State, kCrashed);
    EXPECT_TRUE(layout.Record(1).NewlyCrashed);
    EXPECT_EQ(layout.Record(1).Speed, 0);
    EXPECT_EQ(layout.Record(2).Speed, -1) << "reverses at speed 1";
    EXPECT_TRUE(layout.CrashLatch());
    EXPECT_EQ(layout.EngineDirection(1), 8 + 2) << "drawn turned";
    // Still touching: no second crash. Once apart the latch goes.
    layout.CheckCollision(random);
    EXPECT_EQ(events.Crashes.size(), 1u);
    for (int i = 0; i < 20; ++i) layout.MoveEngine(2, 1);
    layout.CheckCollision(random);
    EXPECT_FALSE(layout.CrashLatch());
}

TEST(TrainCollisions, EqualSpeedsCrashOneOfThemAtRandomAndACarIsHitFromTheSide) {
    std::set<int> crashed;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        platform::RandomNumbers random(seed);
        TTrainLayout layout;
        RecordingEvents events;
        layout.SetEvents(&events);
        for (int x = 0; x < 5; ++x) Lay(layout, x, 1, 2, 1);
        SetOn(layout, 1, 1, 1, 1, 9, 1);
        SetOn(layout, 2, 2, 1, 3, 12, -1);
        layout.CheckCollision(random);
        ASSERT_EQ(events.Crashes.size(), 1u);
        crashed.insert(events.Crashes[0]);
        // The other backs off: +1 from a negative speed, -1 from a positive one.
        EXPECT_EQ(layout.Record(3 - events.Crashes[0]).Speed, events.Crashes[0] == 1 ? 1 : -1);
    }
    EXPECT_EQ(crashed, (std::set<int>{1, 2}));

    // Engine 2 crossing the line engine 1's car stands on.
    platform::RandomNumbers random;
    TTrainLayout layout;
    RecordingEvents events;
    layout.SetEvents(&events);
    Lay(layout, 1, 1, 2, 4);  // crossing
    SetOn(layout, 1, 2, 1, 1, 1, 0);
    layout.Record(1).CarAttached = true;
    TTrainEngine& car = layout.Record(3);
    car = layout.Record(1);
    car.TileX = 1;
    car.Shape = 1;
    car.Step = 7;
    car.IsCar = true;
    car.CarAttached = false;
    SetOn(layout, 2, 1, 1, 2, 6, 2);
    EXPECT_TRUE(layout.TrainsOverlap()) << "the car is in the way on the crossing";
    layout.CheckCollision(random);
    EXPECT_EQ(events.Crashes, std::vector<int>{1}) << "the standing train falls over";
    EXPECT_EQ(layout.Record(3).State, kCrashed) << "its car with it";
    EXPECT_EQ(layout.EngineDirection(3), (8 + 32 - 2) % 32);
}

TEST(TrainCollisions, TheLatchGoesWhenNoEngineIsCrashedAnyMore) {
    platform::RandomNumbers random;
    TTrainLayout layout;
    RecordingEvents events;
    layout.SetEvents(&events);
    for (int x = 0; x < 5; ++x) Lay(layout, x, 1, 2, 1);
    SetOn(layout, 1, 1, 1, 1, 9, 1);
    SetOn(layout, 2, 2, 1, 3, 12, -2);
    layout.CheckCollision(random);
    ASSERT_EQ(events.Crashes, std::vector<int>{1});
    // The crashed engine goes to the workshop while the trains still touch; it comes back.
    layout.Record(1).State = kInWorkshop;
    layout.Record(1).State = kOnLayout;
    layout.SetSpeed(1, 2);
    layout.CheckCollision(random);
    EXPECT_EQ(events.Crashes.size(), 2u) << "a later crash crashes again";
}

TEST(TrainSound, TheRunningLoopFollowsBothEnginesSpeeds) {
    TTrainLayout layout;
    for (int x = 0; x < 5; ++x) Lay(layout, x, 1, 2, 1);
    SetOn(layout, 1, 0, 1, 1, 5, 0);
    SetOn(layout, 2, 3, 1, 1, 5, 0);
    const struct {
        int a, b, sound;
    } table[] = {{2, 2, 81}, {2, 1, 82}, {1, -2, 82}, {-2, 0, 78}, {0, 2, 79}, {1, -1, 80}, {1, 0, 76}, {0, -1, 77}, {0, 0, 0}};
    for (const auto& row : table) {
        layout.SetSpeed(1, static_cast<std::int8_t>(row.a));
        layout.SetSpeed(2, static_cast<std::int8_t>(row.b));
        EXPECT_EQ(layout.RunningSound(), row.sound) << row.a << "," << row.b;
    }
    layout.SetSpeed(1, 2);
    layout.Record(2).State = kCrashed;
    layout.SetSpeed(2, 2);
    EXPECT_EQ(layout.RunningSound(), 78) << "a crashed engine makes no running sound";
}

TEST(TrainGround, SnowBordersGrassOnTheSidesWhereGrassLies) {
    TTrainCells cells{};
    for (auto& column : cells)
        for (TTrainCell& cell : column) cell.Terrain = 2;
    EXPECT_EQ(GroundTile(1, 0), (TGroundTile{0, 0, false, false}));
    EXPECT_EQ(TerrainOneMask(cells, 0, 0), 0) << "off the table is no grass";
    cells[1][0].Terrain = 1;  // right of (0, 0)
    cells[0][1].Terrain = 1;  // below it
    EXPECT_EQ(TerrainOneMask(cells, 0, 0), 2 | 4);
    EXPECT_EQ(GroundTile(2, 6), (TGroundTile{2, 3, true, false}));
    EXPECT_EQ(GroundTile(2, 15), (TGroundTile{1, 3, false, false}));
    EXPECT_EQ(GroundTile(2, 1), (TGroundTile{0, 4, false, true}));
}

}  // namespace

#pragma once
// The train table as a model: its 5 x 4 cells, the two engines and their cars, how they
// move along the track, flip spring switches, bounce at ends of track and crash into each
// other. The room draws and sounds through the small TTrainLayoutEvents interface, so the
// model is tested without pictures.
#include <array>
#include <cstdint>
#include <optional>

#include "rooms/train/train_track.h"

// Engine states.
inline constexpr std::uint8_t kOnShelf = 0;
inline constexpr std::uint8_t kBeingPlaced = 1;
inline constexpr std::uint8_t kOnLayout = 2;
inline constexpr std::uint8_t kInWorkshop = 3;
inline constexpr std::uint8_t kCrashed = 4;

// Records 1 and 2 are the engines, 3 and 4 their cars (record n + 2 is engine n's car).
struct TTrainEngine {
    std::uint8_t Shape = 0;
    std::uint8_t FirstStep = 1;
    std::uint8_t LastStep = 12;
    std::uint8_t Step = 1;
    std::int8_t Speed = 0;
    std::uint8_t State = kOnShelf;
    bool CarAttached = false;
    bool IsCar = false;
    bool NewlyCrashed = false;
    bool Erasing = false;
    std::int32_t TileX = -1;
    std::int32_t TileY = -1;
    bool OnTable() const { return OnLayout(TileX, TileY); }
};

// Where a track goes on into the next tile.
struct TNextTile {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::uint8_t Shape = 0;
    std::uint8_t FirstStep = 1;
    std::uint8_t LastStep = 12;
    friend bool operator==(const TNextTile&, const TNextTile&) = default;
};

// Sounds of the table.
inline constexpr std::int32_t kCrashSound = 83;

// What the model tells the room as it changes: drawing, a speed set (for the knobs and the
// boxes) and a crash (for the sounds).
namespace platform {
class RandomNumbers;
}

class TTrainLayoutEvents {
public:
    virtual ~TTrainLayoutEvents() = default;
    virtual void EraseEngine(int /*engine*/) {}
    virtual void DrawEngine(int /*engine*/) {}
    virtual void SpeedChanged(int /*engine*/) {}
    virtual void Crashed(int /*engine*/) {}
};

class TTrainLayout {
public:
    TTrainLayout();

    void SetEvents(TTrainLayoutEvents* events) { FEvents = events; }

    // Cells; a point off the table reads as plain ground.
    TTrainCell& Cell(std::int32_t x, std::int32_t y);
    const TTrainCell& Cell(std::int32_t x, std::int32_t y) const;
    TConnectors Connectors(std::int32_t x, std::int32_t y) const;
    const TTrainCells& Cells() const { return FCells; }
    TTrainCells& Cells() { return FCells; }
    // Records 1..4.
    TTrainEngine& Record(int n);
    const TTrainEngine& Record(int n) const;
    // The engine of a record (the car's engine for 3 and 4) and a record's partner.
    static int EngineOf(int n) { return n > 2 ? n - 2 : n; }
    static int PartnerOf(int n) { return n > 2 ? n - 2 : n + 2; }

    // Every cell plain ground on the bare table, every record on the shelf and still.
    void Clear();
    // Engine n and its car go to `state` together, the news of a crash cleared. Taken off the
    // table as well, they stand still, uncoupled and on no tile.
    void SendTrain(int engine, std::uint8_t state, bool offTable);
    // A spring switch that a train has left flips once no engine or car covers it any more;
    // true when it flipped now.
    bool CompleteFlip(std::int32_t x, std::int32_t y);

    // Track geometry.
    std::optional<TNextTile> NextTile(std::uint8_t shape, bool forward, std::int32_t x, std::int32_t y) const;
    // The shape an engine set on the tile takes, or none when fewer than two sides have track.
    std::optional<std::uint8_t> PlacingShape(std::int32_t x, std::int32_t y, bool rightHalf, bool lowerHalf) const;

    // Movement. SetSpeed sets an engine's and its car's speed and tells the room.
    void SetSpeed(int engine, std::int8_t speed);
    // Up to `steps` steps of record n; false when a step was refused (the train reversed).
    bool MoveEngine(int n, int steps);
    // One move of engine n with its car, as its ANIMATE timer makes it; the room erases
    // before and draws after.
    void StepTrain(int engine);

    // Where a record is drawn: its screen point, its direction as drawn, its sprite bounds.
    TPoint EnginePosition(int n) const;
    std::uint8_t EngineDirection(int n) const;
    TRect EngineBounds(int n) const;
    // Bit 1 when engine 1 or its car covers the tile, bit 2 for engine 2.
    int EnginesOnTile(std::int32_t x, std::int32_t y) const;
    // Whether the two trains touch.
    bool TrainsOverlap() const;
    // The crash check after each move.
    void CheckCollision(platform::RandomNumbers& random);
    bool CrashLatch() const { return FCrashLatch; }
    // A crashed engine has left the table: with none crashed any more the latch goes, so the
    // next collision crashes again.
    void ForgetCrashWhenNoneCrashed();

    // The looping sound of the engines running, 0 for silence.
    std::int32_t RunningSound() const;

private:
    bool Refuse(int n);

    TTrainCells FCells{};
    std::array<TTrainEngine, 4> FRecords{};
    bool FCrashLatch = false;
    TTrainLayoutEvents* FEvents = nullptr;
    TTrainLayoutEvents FNoEvents;
};

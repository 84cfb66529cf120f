#pragma once
// What the workshop needs of the train room "TRAINS": the terrain of the layout's first cell
// (its small model of the layout), the crashed engine waiting for repair, and the repaired
// engine's way back to the train room's shelf.
#include <cstdint>

class TRoomWorld;

class TTrainEnginesForWorkshop {
public:
    virtual ~TTrainEnginesForWorkshop() = default;
    // Terrain of cell (0, 0): 0 to 2.
    virtual std::uint8_t TerrainOfFirstCell() const = 0;
    // The engine (1 or 2) in the workshop state, engine 1 first; 0 when none is.
    virtual int EngineInWorkshop() const = 0;
    // A repaired engine goes back to the shelf.
    virtual void ReturnEngine(int engine) = 0;
};

// Defaults while the house has no train room: terrain 0, no engine, nothing to return to.
std::uint8_t TerrainOfFirstCell(const TRoomWorld& world);
int EngineInWorkshop(const TRoomWorld& world);
void ReturnEngine(const TRoomWorld& world, int engine);

#pragma once
// The return stack: the rooms the player came through, newest last, at most ten deep. It
// refers to rooms without owning them; the world owns the rooms.
#include <cstdint>
#include <string>

#include "foundation/node_list.h"
#include "foundation/typed_node_list.h"

class TRoom;
class TRoomWorld;

inline constexpr std::uint8_t kRoomStackNodeClassId = 12;

class TRoomStackNode : public TVekNode {
public:
    TRoomStackNode();
    explicit TRoomStackNode(TRoom* room);

    // The room's ID as a stream string. Reading keeps the name for the stack to look up.
    void LoadFromStream(TStream& s) override;
    void SaveToStream(TStream& s) const override;

    TRoom* Room = nullptr;
    std::string LoadedName;
};

class TRoomStack : public TTypedNodeList<TRoomStackNode> {
public:
    static constexpr std::int32_t kMaxDepth = 10;

    // The world looks the rooms of a stack read from a stream up by name.
    explicit TRoomStack(const TRoomWorld* world = nullptr) : FWorld(world) {}

    // Appends the room; the oldest entry goes when more than kMaxDepth are held.
    void Push(TRoom* room);
    // Removes the newest entry and returns its room; nullptr when empty or when the entry
    // named a room that does not exist.
    TRoom* Pop();

    // An unknown name gives an entry without a room; only the newest kMaxDepth are kept.
    void LoadFromStream(TStream& s) override;

private:
    const TRoomWorld* FWorld;
};

// Class id 12 for the node factory.
void RegisterRoomStackNodeClass();

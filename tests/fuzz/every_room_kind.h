#pragma once
// The fuzz targets' view of the registered room kinds: after the one start-up registration,
// one room of every kind word, so a room kind is fuzzed as soon as its folder registers it.
#include <memory>
#include <string>
#include <vector>

#include "rooms/game_classes.h"
#include "shell/room.h"
#include "shell/room_kinds.h"
#include "foundation/vek_exception.h"
#include "shell/world.h"

// Runs the game's registration once per process.
inline void RegisterGameClassesOnce() {
    static const bool registered = [] {
        RegisterGameClasses();
        return true;
    }();
    (void)registered;
}

struct TKindRoom {
    std::string KindWord;
    TRoom* Room = nullptr;
};

// A room of the kind added to the world under that ID, or nullptr for a kind whose room
// cannot be built outside the game.
inline TRoom* AddRoomOfKind(TWorld& world, const std::string& word, const std::string& id) {
    try {
        std::unique_ptr<TRoom> room = CreateRoomOfKind(word, id);
        return room != nullptr ? world.AddRoom(std::move(room)) : nullptr;
    } catch (const VekException&) {
        return nullptr;
    }
}

// A room of each registered kind added to the world under the ID "KIND<n>".
inline std::vector<TKindRoom> AddRoomOfEveryKind(TWorld& world) {
    std::vector<TKindRoom> rooms;
    int n = 0;
    for (const std::string& word : RegisteredRoomKinds())
        if (TRoom* room = AddRoomOfKind(world, word, "KIND" + std::to_string(n++))) rooms.push_back({word, room});
    return rooms;
}

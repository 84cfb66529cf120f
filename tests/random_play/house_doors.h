#pragma once
// The ways through the house's doors: from the rooms the four room buttons lead to, every
// room a child reaches through go-boxes, with the doors to pass on the way.
#include <map>
#include <string>
#include <vector>

class TWorld;

namespace random_play {

struct TDoor {
    std::string Room;  // where the door is
    std::string Box;   // the go-box
    std::string Target;
};

struct TWay {
    int NavButton = 0;  // the room button that leads to the first room
    std::vector<TDoor> Doors;
};

// The room of each room button, 1..4.
const std::vector<std::string>& NavRooms();
// The shortest way to every room reachable from a room button's room (those rooms included,
// with no doors).
std::map<std::string, TWay> WaysThroughDoors(const TWorld& world);

}  // namespace random_play

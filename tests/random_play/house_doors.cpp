#include "tests/random_play/house_doors.h"

#include <deque>

#include "shell/hit_box.h"
#include "shell/room.h"
#include "shell/world.h"

namespace random_play {

const std::vector<std::string>& NavRooms() {
    static const std::vector<std::string> rooms{"BED", "WORKSHOP", "LIVING", "KITCHEN"};
    return rooms;
}

std::map<std::string, TWay> WaysThroughDoors(const TWorld& world) {
    std::map<std::string, TWay> ways;
    std::deque<std::string> open;
    for (std::size_t i = 0; i < NavRooms().size(); ++i) {
        if (world.FindRoom(NavRooms()[i]) == nullptr) continue;
        ways[NavRooms()[i]] = TWay{int(i) + 1, {}};
        open.push_back(NavRooms()[i]);
    }
    while (!open.empty()) {
        const std::string name = open.front();
        open.pop_front();
        TRoom* room = world.FindRoom(name);
        for (auto* box : NodesOf<THitBox>(room->HitBoxes())) {
            const auto* door = dynamic_cast<const TGoBox*>(box);
            if (door == nullptr || ways.count(door->GetTarget()) != 0 || world.FindRoom(door->GetTarget()) == nullptr)
                continue;
            TWay way = ways[name];
            way.Doors.push_back({name, door->GetID(), door->GetTarget()});
            ways[door->GetTarget()] = way;
            open.push_back(door->GetTarget());
        }
    }
    return ways;
}

}  // namespace random_play

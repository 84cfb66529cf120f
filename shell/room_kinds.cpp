#include "room_kinds.h"

#include <map>
#include <string>

#include "disk_ops_room.h"
#include "front_room.h"
#include "room.h"
#include "text_room.h"

namespace {
std::map<std::string, TRoomFactory, std::less<>>& Kinds() {
    static std::map<std::string, TRoomFactory, std::less<>> kinds;
    return kinds;
}
}  // namespace

void RegisterRoomKind(std::string_view kindWord, TRoomFactory factory) { Kinds()[std::string(kindWord)] = factory; }

std::vector<std::string> RegisteredRoomKinds() {
    std::vector<std::string> words;
    for (const auto& [word, factory] : Kinds())
        if (factory != nullptr) words.push_back(word);
    return words;
}

std::unique_ptr<TRoom> CreateRoomOfKind(std::string_view kindWord, std::string_view id) {
    const auto found = Kinds().find(kindWord);
    if (found == Kinds().end() || found->second == nullptr) return nullptr;
    return found->second(id);
}

void RegisterGenericRoomKinds() {
    RegisterRoomKind("", &MakeRoomOfKind<TRoom>);
    RegisterRoomKind("DISKOPS", &MakeRoomOfKind<TDiskOpsRoom>);
    RegisterRoomKind("FRONT", &MakeRoomOfKind<TFrontRoom>);
    RegisterRoomKind("TEXT", &MakeRoomOfKind<TTextRoom>);
    RegisterRoomKind("ENTRYTEXT", &MakeRoomOfKind<TEntryTextRoom>);
}

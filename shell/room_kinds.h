#pragma once
// The room kinds the init script can create: a kind word (the keyword of a room line without
// its "ROOM") names a room class. The shell registers its own kinds; each group of activity
// rooms registers its kinds at start the same way, so the loader never has to know them.
// Registration is explicit: nothing registers itself from a static initialiser.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TRoom;

// Makes a room of one kind with its ID; may raise when the room cannot be built.
using TRoomFactory = std::unique_ptr<TRoom> (*)(std::string_view id);

template <class T>
std::unique_ptr<TRoom> MakeRoomOfKind(std::string_view id) {
    return std::make_unique<T>(id);
}

// Registers (or replaces) the kind word, compared exactly (kind words are upper case; the
// empty word is the plain room).
void RegisterRoomKind(std::string_view kindWord, TRoomFactory factory);
// Every registered kind word, sorted (the fuzz targets and tests walk them all, so a kind is
// checked as soon as it registers).
std::vector<std::string> RegisteredRoomKinds();
// A new room of the kind, or nullptr when no such kind is registered.
std::unique_ptr<TRoom> CreateRoomOfKind(std::string_view kindWord, std::string_view id);
// The shell's own kinds: the plain room (empty word), DISKOPS, FRONT, TEXT and ENTRYTEXT.
void RegisterGenericRoomKinds();

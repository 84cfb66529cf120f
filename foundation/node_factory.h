#pragma once
// The class-id factory behind every node list read from a stream. Classes register
// explicitly (RegisterNodeClass) at program start and in tests: a registration made by a
// static initialiser could be dropped by the linker, and a saved game would then lose data.
//
// Class ids: 0 plain node, 1 ID node, 2..8 hit-box kinds, 11 frame set, 12 return-stack
// entry, 13 tree bauble.
#include <cstdint>
#include <memory>

class TStream;
class TVekNode;

using TNodeCreator = std::unique_ptr<TVekNode> (*)();

void RegisterNodeClass(std::uint8_t classId, TNodeCreator creator);
void UnregisterNodeClass(std::uint8_t classId);
bool IsNodeClassRegistered(std::uint8_t classId);

// Registers the foundation's own classes: 0 (TVekNode) and 1 (TIDNode).
void RegisterFoundationNodeClasses();

// Reads a class id byte and builds that class from the rest of its record. An id without a
// class throws VekException ("Input file is corrupt - unknown node class id N.").
std::unique_ptr<TVekNode> RecreateNode(TStream& s);

// Helper for registrations: a creator that default-constructs T.
template <class T>
std::unique_ptr<TVekNode> CreateNodeOf() {
    return std::make_unique<T>();
}

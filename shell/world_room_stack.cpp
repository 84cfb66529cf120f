#include "world_room_stack.h"

#include "foundation/node_factory.h"
#include "foundation/stream_values.h"
#include "foundation/text.h"
#include "room.h"
#include "room_world.h"
#include "typed_node_stream.h"

TRoomStackNode::TRoomStackNode() { ClassId = kRoomStackNodeClassId; }

TRoomStackNode::TRoomStackNode(TRoom* room) : Room(room) { ClassId = kRoomStackNodeClassId; }

void TRoomStackNode::LoadFromStream(TStream& s) {
    TVekNode::LoadFromStream(s);
    std::u16string name;
    ReadString(s, name);
    LoadedName = Utf16ToUtf8(name);
}

void TRoomStackNode::SaveToStream(TStream& s) const {
    TVekNode::SaveToStream(s);
    WriteString(s, Utf8ToUtf16(Room != nullptr ? Room->GetID() : LoadedName));
}

void TRoomStack::Push(TRoom* room) {
    Append(std::make_unique<TRoomStackNode>(room));
    while (CachedCount() > kMaxDepth) RemoveFirst();
}

TRoom* TRoomStack::Pop() {
    const std::unique_ptr<TRoomStackNode> node = RemoveLast();
    return node == nullptr ? nullptr : node->Room;
}

void TRoomStack::LoadFromStream(TStream& s) {
    LoadNodesOf<TRoomStackNode>(*this, s, [this](std::unique_ptr<TRoomStackNode> node) {
        if (FWorld != nullptr) node->Room = FWorld->FindRoom(node->LoadedName);
        Append(std::move(node));
    });
    while (CachedCount() > kMaxDepth) RemoveFirst();
}

void RegisterRoomStackNodeClass() { RegisterNodeClass(kRoomStackNodeClassId, CreateNodeOf<TRoomStackNode>); }

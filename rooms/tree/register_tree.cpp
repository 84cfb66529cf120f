#include "rooms/tree/register_tree.h"

#include "foundation/node_factory.h"
#include "rooms/tree/bauble.h"
#include "rooms/tree/tree_room.h"
#include "rooms/tree/tree_room_words.h"
#include "rooms/tree/tree_snapshot.h"
#include "shell/room_kinds.h"

void RegisterTreeRoom() {
    RegisterRoomKind(tree_room_words::kKindWord, MakeRoomOfKind<TTreeRoom>);
    RegisterNodeClass(kBaubleClassId, CreateNodeOf<TBauble>);
    RegisterTreeSnapshotKind();
}

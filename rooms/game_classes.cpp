#include "rooms/game_classes.h"

#include "foundation/node_factory.h"
#include "rooms/bedroom/register_bedroom.h"
#include "rooms/album/register_album.h"
#include "rooms/tree/register_tree.h"
#include "rooms/kitchen/register_kitchen.h"
#include "shell/room_kinds.h"
#include "shell/shell_node_classes.h"

// Each room folder's registration, one include and one call per folder.

void RegisterGameClasses() {
    RegisterFoundationNodeClasses();
    RegisterShellNodeClasses();
    RegisterGenericRoomKinds();
    RegisterBedroomRooms();
    RegisterAlbumRoom();
    RegisterTreeRoom();
    RegisterKitchenRooms();
}

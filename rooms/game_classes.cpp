#include "rooms/game_classes.h"

#include "foundation/node_factory.h"
#include "rooms/bedroom/register_bedroom.h"
#include "rooms/album/register_album.h"
#include "rooms/living/register_living.h"
#include "rooms/tree/register_tree.h"
#include "rooms/wrap/register_wrap.h"
#include "rooms/slate/register_slate.h"
#include "rooms/train/register_train.h"
#include "rooms/cards/register_cards.h"
#include "rooms/puzzle/register_puzzle.h"
#include "rooms/dolls/register_dolls.h"
#include "rooms/workshop/register_workshop.h"
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
    RegisterWrapRooms();
    RegisterLivingRoom();
    RegisterSlateRoom();
    RegisterTrainRoom();
    RegisterCardRoom();
    RegisterPuzzleRoom();
    RegisterDollRoom();
    RegisterWorkshopRoom();
    RegisterKitchenRooms();
}

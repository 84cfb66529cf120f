#include "rooms/train/register_train.h"

#include "rooms/questions/gift_table.h"
#include "rooms/train/train_room.h"
#include "rooms/train/train_set.h"
#include "rooms/train/train_room_words.h"
#include "shell/room_kinds.h"

void RegisterTrainRoom() {
    RegisterRoomKind(train_room_words::kRoomKind, MakeRoomOfKind<TTrainRoom>);
    RegisterTrainSnapshotKind();
    RegisterGiftKind(kTrainGift, 1);
}

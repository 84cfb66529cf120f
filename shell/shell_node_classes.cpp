#include "shell_node_classes.h"

#include "foundation/node_factory.h"
#include "frame_set.h"
#include "hit_box.h"
#include "world_room_stack.h"

void RegisterShellNodeClasses() {
    RegisterNodeClass(kHitBoxClassId, &CreateNodeOf<THitBox>);
    RegisterNodeClass(kGoBoxClassId, &CreateNodeOf<TGoBox>);
    RegisterNodeClass(kSayBoxClassId, &CreateNodeOf<TSayBox>);
    RegisterNodeClass(kReturnBoxClassId, &CreateNodeOf<TReturnBox>);
    RegisterNodeClass(kScriptBoxClassId, &CreateNodeOf<TScriptBox>);
    RegisterNodeClass(kRoomScriptBoxClassId, &CreateNodeOf<TRoomScriptBox>);
    RegisterNodeClass(kControlBoxClassId, &CreateNodeOf<TControlBox>);
    RegisterNodeClass(kFrameSetClassId, &CreateNodeOf<TFrameSet>);
    RegisterRoomStackNodeClass();
}
